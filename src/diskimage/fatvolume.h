#pragma once

#include "disklayout.h"
#include "fatentry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A read-only view of a FAT12, FAT16 or FAT32 volume with long names, read straight from the
// image's bytes. Everything it reads is checked against the volume's bounds, so a damaged volume
// gives DamagedImageError, never a wild read.
namespace diskimage
{

class FatVolume
{
public:
    // The biggest file allocation table read into memory (a 32 GB FAT32 volume of 4 KB clusters).
    static constexpr qint64 MaxFatBytes = 64 * 1024 * 1024;
    // A folder holds at most 65536 entries of 32 bytes.
    static constexpr qint64 MaxFolderBytes = 65536 * 32;

    // Checks the boot sector against the partition (`offset` and `size` in bytes of the image).
    FatVolume(ImageReader read, qint64 offset, qint64 size);

    int fatBits() const { return m_fatBits; }
    qint64 clusterBytes() const { return qint64(m_bytesPerSector) * m_sectorsPerCluster; }
    qint64 freeBytes() const;
    qint64 volumeBytes() const { return m_totalSectors * m_bytesPerSector; }
    // Whether every copy of the allocation table holds the same bytes (a write cut short does not).
    bool fatCopiesAgree() const;

    // The entries of the folder at `parts` (the root when empty), "." and ".." left out; nothing
    // when the path is missing or not a folder.
    std::optional<QList<FatEntry>> listFolder(const QStringList& parts) const;
    // The entry at `parts`, its name matched without regard to case (an exact match first); the
    // root is a folder entry with an empty name.
    std::optional<FatEntry> find(const QStringList& parts) const;
    // A file's bytes; DamagedImageError when its cluster chain is shorter than its size.
    QByteArray readFile(const FatEntry& entry, qint64 maxBytes) const;

    // What an in-place edit of the volume needs: the clusters of a chain (DamagedImageError when it
    // leaves the volume or outgrows `maxBytes`), the allocation table and where each copy of it
    // lies, and the image offsets of an entry's 32-byte slots, long-name ones first.
    QList<quint32> chain(quint32 first, qint64 maxBytes) const;
    const QByteArray& fatBytes() const { return m_fat; }
    qint64 fatCopyOffset(quint32 copy) const;
    quint32 fatCount() const { return m_fatCount; }
    QList<qint64> slotOffsets(const FatEntry& entry) const;
    qint64 rootOffset() const;
    // Where FAT32 keeps its count of free clusters; 0 when the volume has none.
    qint64 fsInfoOffset() const;

    // What the search for lost chains needs: the data clusters are numbered 2 to clusterCount() + 1;
    // an allocation table entry is 0 for a free cluster; the root folder's own chain (FAT32 only).
    quint32 clusterCount() const { return m_clusterCount; }
    quint32 fatEntry(quint32 cluster) const { return nextCluster(cluster); }
    bool isBadClusterMark(quint32 entry) const;
    QList<quint32> rootChain() const;
    // How many entries of the folder at `parts` a new entry may take: deleted ones and those past
    // its end; 0 when the path is missing or not a folder.
    qint64 freeSlots(const QStringList& parts) const;
    // The bytes of `clusters`, in their order.
    QByteArray readClusters(const QList<quint32>& clusters) const;

    // Finds an entry of `entries` by name as find() does.
    static std::optional<FatEntry> entryNamed(const QList<FatEntry>& entries, const QString& name);

private:
    quint32 nextCluster(quint32 cluster) const;
    QByteArray folderBytes(quint32 firstCluster) const;
    QByteArray readChain(quint32 first, qint64 maxBytes) const;
    const QList<FatEntry>& folderAt(quint32 firstCluster) const;
    qint64 clusterOffset(quint32 cluster) const;

    ImageReader m_read;
    qint64 m_offset = 0;
    quint32 m_bytesPerSector = 0, m_sectorsPerCluster = 0, m_reservedSectors = 0, m_fatCount = 0;
    quint32 m_rootEntries = 0, m_fatSectors = 0, m_rootCluster = 0, m_firstDataSector = 0, m_fsInfoSector = 0;
    qint64 m_totalSectors = 0;
    quint32 m_clusterCount = 0;
    int m_fatBits = 0;
    QByteArray m_fat;
    mutable QHash<quint32, QList<FatEntry>> m_folders; // by first cluster, 0 for a fixed root
};

} // namespace diskimage
