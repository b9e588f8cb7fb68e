#include "fateditor.h"

#include "littleendian.h"

namespace diskimage
{

namespace
{

constexpr char DeletedMark = char(0xE5);
constexpr quint8 FileAttributeBits = 0x27; // read-only, hidden, system, archive

} // namespace

FatEditor::FatEditor(const FatVolume& volume, ImageReader read, ImageWriter write)
    : m_volume(volume)
    , m_read(std::move(read))
    , m_write(std::move(write))
    , m_fat(volume.fatBytes())
{
}

QByteArray FatEditor::entryBytes(const FatEntry& entry, qint64* offset) const
{
    *offset = m_volume.slotOffsets(entry).last();
    const QByteArray bytes = m_read(*offset, 32);
    if (bytes.size() != 32)
        throw DamagedImageError(QStringLiteral("a folder entry of %1 cannot be read").arg(entry.name));
    return bytes;
}

void FatEditor::markDeleted(const FatEntry& entry)
{
    for (qint64 offset : m_volume.slotOffsets(entry))
        m_write(offset, QByteArray(1, DeletedMark));
}

void FatEditor::pointAt(const FatEntry& target, const FatEntry& source, quint8 attributes)
{
    qint64 targetOffset = 0, sourceOffset = 0;
    QByteArray bytes = entryBytes(target, &targetOffset);
    const QByteArray from = entryBytes(source, &sourceOffset);
    // Name and case flags stay; times, clusters and size (bytes 13 to 31) come from the source.
    bytes[11] = char((quint8(bytes[11]) & ~FileAttributeBits) | (attributes & FileAttributeBits));
    bytes.replace(13, 19, from.mid(13, 19));
    m_write(targetOffset, bytes);
}

void FatEditor::setFatEntry(quint32 cluster, quint32 value)
{
    char* fat = m_fat.data();
    switch (m_volume.fatBits()) {
    case 12: {
        const int at = int(cluster + cluster / 2);
        quint16 pair = le16(m_fat, at);
        pair = cluster & 1 ? quint16((pair & 0x000F) | (value << 4))
                           : quint16((pair & 0xF000) | (value & 0x0FFF));
        qToLittleEndian<quint16>(pair, fat + at);
        break;
    }
    case 16:
        qToLittleEndian<quint16>(quint16(value), fat + cluster * 2);
        break;
    default: // the top four bits of a FAT32 entry are reserved and kept
        qToLittleEndian<quint32>((le32(m_fat, int(cluster * 4)) & 0xF0000000) | value, fat + cluster * 4);
    }
}

void FatEditor::freeClusters(const QList<quint32>& clusters)
{
    if (clusters.isEmpty())
        return;
    const int entryBytes = m_volume.fatBits() == 12 ? 2 : m_volume.fatBits() / 8;
    qint64 first = m_fat.size(), last = 0;
    for (quint32 cluster : clusters) {
        setFatEntry(cluster, 0);
        const qint64 at = m_volume.fatBits() == 12 ? cluster + cluster / 2 : qint64(cluster) * entryBytes;
        first = qMin(first, at);
        last = qMax(last, at + entryBytes);
    }
    const QByteArray changed = m_fat.mid(first, last - first);
    for (quint32 copy = 0; copy < m_volume.fatCount(); ++copy)
        m_write(m_volume.fatCopyOffset(copy) + first, changed);
    countFreed(quint32(clusters.size()));
}

void FatEditor::countFreed(quint32 clusters)
{
    // FAT32 keeps a count of free clusters that checkers compare with the table; an unknown count
    // (all ones) stays unknown.
    const qint64 at = m_volume.fsInfoOffset();
    if (at == 0)
        return;
    const QByteArray info = m_read(at, 512);
    if (info.size() != 512 || le32(info, 0) != 0x41615252 || le32(info, 484) != 0x61417272)
        return;
    const quint32 free = le32(info, 488);
    if (free == 0xFFFFFFFF)
        return;
    QByteArray count(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(free + clusters, count.data());
    m_write(at + 488, count);
}

} // namespace diskimage
