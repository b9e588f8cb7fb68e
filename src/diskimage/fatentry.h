#pragma once

#include <QString>

namespace diskimage
{

// One entry of a FAT folder.
struct FatEntry {
    QString name; // the long name when there is one, else the short name
    QString shortName; // "PROGRA~1"
    quint8 attributes = 0; // the DOS bits: 1 read-only, 2 hidden, 4 system, 16 folder, 32 archive
    quint32 firstCluster = 0;
    quint32 size = 0;
    // Where its 32-byte entries lie: the folder's first cluster (0 for the root), the index of its
    // short entry there, and how many long-name entries come just before it.
    quint32 folderCluster = 0;
    qint32 slot = -1;
    quint8 longSlots = 0;
    bool isFolder() const { return attributes & 0x10; }
};

} // namespace diskimage
