#pragma once

#include <QString>

// fsck.fat on one FAT partition of an image. fsck.fat needs the partition as a file of its own, so
// the partition is copied out, checked, and written back only where a repair changed it.
namespace diskimage
{

struct PartitionSpan {
    QString imagePath; // for messages
    QString rawPath; // the image as raw bytes
    qint64 offset = 0, size = 0;
};

struct RepairReport {
    bool wasClean = false;
    QString checkerOutput; // what fsck.fat said
};

// Checks the partition ("fsck.fat -n"), or repairs it ("fsck.fat -a -w") when `repair`; FileError
// when fsck.fat is missing (naming its package), or could not repair the partition.
RepairReport checkPartition(const PartitionSpan& partition, bool repair);
// Whether fsck.fat can be found.
bool fileSystemCheckerInstalled();

} // namespace diskimage
