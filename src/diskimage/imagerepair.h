#pragma once

#include "imagedrive.h"
#include "partitioncheck.h"

#include <QList>
#include <QString>

namespace diskimage
{

// Checks the drive's partition with fsck.fat and, unless `checkOnly`, repairs it with
// "fsck.fat -a" and removes temporaries of ours that a cut-short change left behind. Lost chains
// that `ours` recognises are freed first, and recovered files it recognises removed after, so that
// only data nobody can name is kept as FSCKnnnn.REC files. fsck.fat needs the partition as a file
// of its own, so a partition inside a larger image is copied out, checked, and written back only
// where the repair changed it. Refuses (FileError) an image in use or read-only, and says which
// package is missing when fsck.fat is not installed.
RepairReport repairImage(ImageDrive& drive, bool checkOnly, const OwnDataTest& ours = {});

struct DriveRepair {
    QChar letter;
    QString imagePath;
    RepairReport report;
};
// Repairs every disk-image drive of the current machine.
QList<DriveRepair> repairMachineImages(const OwnDataTest& ours = {});

} // namespace diskimage
