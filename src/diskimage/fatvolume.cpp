#include "fatvolume.h"

#include "fatdirectory.h"

#include "littleendian.h"

#include <QtEndian>

namespace diskimage
{

namespace
{

bool isPowerOfTwo(quint32 value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

[[noreturn]] void damaged(const QString& reason)
{
    throw DamagedImageError(reason);
}

QByteArray readExactly(const ImageReader& read, qint64 offset, qint64 size)
{
    QByteArray bytes = read(offset, size);
    if (bytes.size() != size)
        damaged(QStringLiteral("it ends inside its FAT volume, which looks cut short"));
    return bytes;
}

} // namespace

FatVolume::FatVolume(ImageReader read, qint64 offset, qint64 size)
    : m_read(std::move(read))
    , m_offset(offset)
{
    const QByteArray boot = readExactly(m_read, offset, 512);
    if (quint8(boot[510]) != 0x55 || quint8(boot[511]) != 0xAA)
        damaged(QStringLiteral("its FAT volume has no boot sector signature"));
    m_bytesPerSector = le16(boot, 11);
    m_sectorsPerCluster = quint8(boot[13]);
    m_reservedSectors = le16(boot, 14);
    m_fatCount = quint8(boot[16]);
    m_rootEntries = le16(boot, 17);
    m_totalSectors = le16(boot, 19) ? le16(boot, 19) : le32(boot, 32);
    m_fatSectors = le16(boot, 22) ? le16(boot, 22) : le32(boot, 36);
    if (!isPowerOfTwo(m_bytesPerSector) || m_bytesPerSector < 512 || m_bytesPerSector > 4096)
        damaged(QStringLiteral("its boot sector gives %1 bytes a sector").arg(m_bytesPerSector));
    if (!isPowerOfTwo(m_sectorsPerCluster))
        damaged(QStringLiteral("its boot sector gives %1 sectors a cluster").arg(m_sectorsPerCluster));
    if (m_reservedSectors == 0 || m_fatCount == 0 || m_fatCount > 4 || m_fatSectors == 0
        || m_totalSectors == 0)
        damaged(QStringLiteral("its boot sector describes no usable volume"));
    if (volumeBytes() > size)
        damaged(QStringLiteral("its FAT volume is larger than its partition, as if the image was cut short"));

    const quint32 rootSectors = (m_rootEntries * 32 + m_bytesPerSector - 1) / m_bytesPerSector;
    const qint64 firstData = qint64(m_reservedSectors) + qint64(m_fatCount) * m_fatSectors + rootSectors;
    if (firstData >= m_totalSectors)
        damaged(QStringLiteral("its boot sector leaves no room for data"));
    m_firstDataSector = quint32(firstData);
    m_clusterCount = quint32((m_totalSectors - firstData) / m_sectorsPerCluster);
    m_fatBits = m_clusterCount < 4085 ? 12 : m_clusterCount < 65525 ? 16 : 32;
    if (m_clusterCount == 0 || m_clusterCount > 0x0FFFFFF5)
        damaged(QStringLiteral("its boot sector gives an impossible number of clusters"));

    const qint64 fatBytes = qint64(m_fatSectors) * m_bytesPerSector;
    if (fatBytes > MaxFatBytes)
        damaged(QStringLiteral("its allocation table is larger than %1 MB").arg(MaxFatBytes >> 20));
    if (fatBytes * 8 / m_fatBits < qint64(m_clusterCount) + 2)
        damaged(QStringLiteral("its allocation table is too small for the volume"));
    if (m_fatBits == 32) {
        m_rootCluster = le32(boot, 44);
        m_fsInfoSector = le16(boot, 48);
        if (m_rootEntries != 0 || m_rootCluster < 2 || m_rootCluster >= m_clusterCount + 2)
            damaged(QStringLiteral("its FAT32 boot sector names no root folder"));
    } else if (m_rootEntries == 0) {
        damaged(QStringLiteral("its boot sector gives the root folder no entries"));
    }
    m_fat = readExactly(m_read, m_offset + qint64(m_reservedSectors) * m_bytesPerSector, fatBytes);
}

qint64 FatVolume::clusterOffset(quint32 cluster) const
{
    return m_offset
        + (qint64(m_firstDataSector) + qint64(cluster - 2) * m_sectorsPerCluster) * m_bytesPerSector;
}

quint32 FatVolume::nextCluster(quint32 cluster) const
{
    switch (m_fatBits) {
    case 12: {
        const quint16 pair = le16(m_fat, int(cluster + cluster / 2));
        return cluster & 1 ? pair >> 4 : pair & 0x0FFF;
    }
    case 16:
        return le16(m_fat, int(cluster * 2));
    default:
        return le32(m_fat, int(cluster * 4)) & 0x0FFFFFFF;
    }
}

QList<quint32> FatVolume::chain(quint32 first, qint64 maxBytes) const
{
    const quint32 endMark = m_fatBits == 12 ? 0xFF8 : m_fatBits == 16 ? 0xFFF8 : 0x0FFFFFF8;
    const qint64 maxClusters = qMin<qint64>(m_clusterCount, maxBytes / clusterBytes() + 1);
    QList<quint32> clusters;
    for (quint32 cluster = first; cluster < endMark; cluster = nextCluster(cluster)) {
        if (cluster < 2 || cluster >= m_clusterCount + 2)
            damaged(QStringLiteral("a cluster chain leaves the volume"));
        if (clusters.size() >= maxClusters)
            damaged(QStringLiteral("a cluster chain is longer than its file or loops"));
        clusters.append(cluster);
    }
    return clusters;
}

QByteArray FatVolume::readChain(quint32 first, qint64 maxBytes) const
{
    return readClusters(chain(first, maxBytes));
}

QByteArray FatVolume::readClusters(const QList<quint32>& clusters) const
{
    QByteArray bytes;
    bytes.reserve(clusters.size() * clusterBytes());
    // Neighbouring clusters are read in one go: files written on a fresh volume are contiguous.
    for (qsizetype i = 0; i < clusters.size();) {
        qsizetype run = 1;
        while (i + run < clusters.size() && clusters[i + run] == clusters[i] + run)
            ++run;
        bytes += readExactly(m_read, clusterOffset(clusters[i]), run * clusterBytes());
        i += run;
    }
    return bytes;
}

QByteArray FatVolume::folderBytes(quint32 firstCluster) const
{
    if (firstCluster == 0 && m_fatBits != 32)
        return readExactly(m_read, rootOffset(), qint64(m_rootEntries) * 32);
    return readChain(firstCluster == 0 ? m_rootCluster : firstCluster, MaxFolderBytes);
}

qint64 FatVolume::freeSlots(const QStringList& parts) const
{
    const std::optional<FatEntry> folder = find(parts);
    if (!folder || !folder->isFolder())
        return 0;
    const QByteArray bytes = folderBytes(folder->firstCluster);
    qint64 free = 0;
    for (qsizetype at = 0; at + 32 <= bytes.size(); at += 32) {
        if (bytes[at] == 0)
            return free + (bytes.size() - at) / 32; // the end: every entry after it is free
        if (quint8(bytes[at]) == 0xE5)
            ++free;
    }
    return free;
}

const QList<FatEntry>& FatVolume::folderAt(quint32 firstCluster) const
{
    const auto cached = m_folders.constFind(firstCluster);
    if (cached != m_folders.cend())
        return *cached;
    QList<FatEntry> entries = parseFatDirectory(folderBytes(firstCluster));
    for (FatEntry& entry : entries)
        entry.folderCluster = firstCluster;
    return *m_folders.insert(firstCluster, entries);
}

bool FatVolume::isBadClusterMark(quint32 entry) const
{
    return entry == (m_fatBits == 12 ? 0xFF7u : m_fatBits == 16 ? 0xFFF7u : 0x0FFFFFF7u);
}

QList<quint32> FatVolume::rootChain() const
{
    return m_fatBits == 32 ? chain(m_rootCluster, MaxFolderBytes) : QList<quint32>();
}

qint64 FatVolume::rootOffset() const
{
    return fatCopyOffset(m_fatCount);
}

qint64 FatVolume::fsInfoOffset() const
{
    if (m_fsInfoSector == 0 || m_fsInfoSector == 0xFFFF || m_fsInfoSector >= m_reservedSectors)
        return 0;
    return m_offset + qint64(m_fsInfoSector) * m_bytesPerSector;
}

qint64 FatVolume::fatCopyOffset(quint32 copy) const
{
    return m_offset + (qint64(m_reservedSectors) + qint64(copy) * m_fatSectors) * m_bytesPerSector;
}

QList<qint64> FatVolume::slotOffsets(const FatEntry& entry) const
{
    QList<qint64> offsets;
    if (entry.slot < entry.longSlots)
        damaged(QStringLiteral("an entry has no place in its folder"));
    const bool fixedRoot = entry.folderCluster == 0 && m_fatBits != 32;
    const QList<quint32> clusters = fixedRoot
        ? QList<quint32>()
        : chain(entry.folderCluster == 0 ? m_rootCluster : entry.folderCluster, MaxFolderBytes);
    for (qint64 slot = entry.slot - entry.longSlots; slot <= entry.slot; ++slot) {
        const qint64 at = slot * 32;
        if (fixedRoot)
            offsets.append(rootOffset() + at);
        else if (at / clusterBytes() < clusters.size())
            offsets.append(clusterOffset(clusters[at / clusterBytes()]) + at % clusterBytes());
        else
            damaged(QStringLiteral("an entry lies past the end of its folder"));
    }
    return offsets;
}

std::optional<FatEntry> FatVolume::entryNamed(const QList<FatEntry>& entries, const QString& name)
{
    for (const FatEntry& entry : entries)
        if (entry.name == name)
            return entry;
    for (const FatEntry& entry : entries)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0
            || entry.shortName.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

std::optional<FatEntry> FatVolume::find(const QStringList& parts) const
{
    FatEntry entry;
    entry.attributes = 0x10;
    for (const QString& part : parts) {
        if (!entry.isFolder())
            return std::nullopt;
        const std::optional<FatEntry> found = entryNamed(folderAt(entry.firstCluster), part);
        if (!found)
            return std::nullopt;
        entry = *found;
        if (entry.isFolder() && entry.firstCluster == 0)
            return std::nullopt; // a folder without clusters other than the root cannot be read
    }
    return entry;
}

std::optional<QList<FatEntry>> FatVolume::listFolder(const QStringList& parts) const
{
    const std::optional<FatEntry> folder = find(parts);
    if (!folder || !folder->isFolder())
        return std::nullopt;
    return folderAt(folder->firstCluster);
}

QByteArray FatVolume::readFile(const FatEntry& entry, qint64 maxBytes) const
{
    if (entry.size == 0)
        return {};
    QByteArray bytes = readChain(entry.firstCluster, qMin<qint64>(entry.size, maxBytes));
    if (bytes.size() < qint64(entry.size))
        damaged(QStringLiteral("the clusters of %1 hold less than its size").arg(entry.name));
    bytes.truncate(entry.size);
    return bytes;
}

qint64 FatVolume::freeBytes() const
{
    qint64 free = 0;
    for (quint32 cluster = 2; cluster < m_clusterCount + 2; ++cluster)
        if (nextCluster(cluster) == 0)
            ++free;
    return free * clusterBytes();
}

bool FatVolume::fatCopiesAgree() const
{
    for (quint32 copy = 1; copy < m_fatCount; ++copy) {
        if (readExactly(m_read, fatCopyOffset(copy), m_fat.size()) != m_fat)
            return false;
    }
    return true;
}

} // namespace diskimage
