#include "disklayout.h"

#include "littleendian.h"

#include <QtEndian>

namespace diskimage
{

namespace
{

constexpr qint64 SectorBytes = 512;
constexpr qint64 VhdFooterBytes = 512;

QByteArray readSector(const ImageReader& read, qint64 offset)
{
    const QByteArray sector = read(offset, SectorBytes);
    if (sector.size() != SectorBytes)
        throw DamagedImageError(QStringLiteral("it ends inside sector %1").arg(offset / SectorBytes));
    return sector;
}

bool hasBootSignature(const QByteArray& sector)
{
    return quint8(sector[510]) == 0x55 && quint8(sector[511]) == 0xAA;
}

// A FAT boot sector at the very start: a bare volume, as a floppy or mkfs.fat on a whole file.
bool looksLikeFatBootSector(const QByteArray& sector)
{
    const quint8 jump = quint8(sector[0]);
    const bool jumps = jump == 0xEB || jump == 0xE9;
    const quint16 bytesPerSector = le16(sector, 11);
    const bool sectorSize
        = bytesPerSector == 512 || bytesPerSector == 1024 || bytesPerSector == 2048 || bytesPerSector == 4096;
    const bool named = sector.mid(54, 3) == "FAT" || sector.mid(82, 3) == "FAT";
    return jumps && sectorSize && named;
}

bool isExtendedType(quint8 type)
{
    return type == 0x05 || type == 0x0F || type == 0x85;
}

struct Slot {
    quint8 type;
    qint64 start; // sectors
    qint64 count;
};

Slot slotAt(const QByteArray& sector, int index)
{
    const int at = 446 + index * 16;
    return { quint8(sector[at + 4]), le32(sector, at + 8), le32(sector, at + 12) };
}

void addPartition(DiskLayout& layout, int number, const Slot& slot, qint64 baseSector)
{
    DiskPartition partition { number, slot.type, (baseSector + slot.start) * SectorBytes,
        slot.count * SectorBytes };
    if (slot.count == 0 || partition.offset + partition.size > layout.dataBytes)
        throw DamagedImageError(
            QStringLiteral("partition %1 ends past the end of the image, which looks cut short").arg(number));
    if (isFatPartitionType(slot.type))
        layout.partitions.append(partition);
}

void readLogicalPartitions(DiskLayout& layout, const ImageReader& read, const Slot& extended)
{
    qint64 next = 0; // sectors from the extended partition's start
    for (int number = 5; number < 5 + MaxLogicalPartitions; ++number) {
        const qint64 ebrSector = extended.start + next;
        if ((ebrSector + 1) * SectorBytes > layout.dataBytes)
            throw DamagedImageError(QStringLiteral("its chain of logical partitions leaves the image"));
        const QByteArray ebr = readSector(read, ebrSector * SectorBytes);
        if (!hasBootSignature(ebr))
            return;
        const Slot logical = slotAt(ebr, 0);
        if (logical.type != 0)
            addPartition(layout, number, logical, ebrSector);
        const Slot link = slotAt(ebr, 1);
        if (!isExtendedType(link.type) || link.start == 0 || link.start <= next)
            return; // a link that does not move forward would loop
        next = link.start;
    }
    throw DamagedImageError(
        QStringLiteral("it has more than %1 logical partitions").arg(MaxLogicalPartitions));
}

bool hasVhdFooterAt(const ImageReader& read, qint64 offset, quint32* diskType)
{
    if (offset < 0)
        return false;
    const QByteArray footer = read(offset, VhdFooterBytes);
    if (footer.size() != VhdFooterBytes || !footer.startsWith("conectix"))
        return false;
    *diskType = qFromBigEndian<quint32>(footer.constData() + 60);
    return true;
}

} // namespace

DamagedImageError::DamagedImageError(const QString& reason)
    : std::runtime_error(reason.toStdString())
{
}

bool isFatPartitionType(quint8 type)
{
    switch (type) {
    case 0x01:
    case 0x04:
    case 0x06:
    case 0x0B:
    case 0x0C:
    case 0x0E:
    case 0x11:
    case 0x14:
    case 0x16:
    case 0x1B:
    case 0x1C:
    case 0x1E:
        return true;
    default:
        return false;
    }
}

ImageFormat detectImageFormat(const ImageReader& read, qint64 fileBytes)
{
    const QByteArray head = read(0, 512);
    if (head.startsWith("QFI\xfb"))
        return ImageFormat::Qcow2;
    if (head.size() >= 0x44 && qFromLittleEndian<quint32>(head.constData() + 0x40) == 0xbeda107f)
        return ImageFormat::Vdi;
    if (head.startsWith("KDMV") || head.startsWith("# Disk DescriptorFile"))
        return ImageFormat::Vmdk;
    quint32 diskType = 0;
    if (hasVhdFooterAt(read, 0, &diskType) && diskType != 2)
        return ImageFormat::DynamicVhd;
    if (hasVhdFooterAt(read, fileBytes - VhdFooterBytes, &diskType))
        return diskType == 2 ? ImageFormat::FixedVhd : ImageFormat::DynamicVhd;
    return ImageFormat::Raw;
}

DiskLayout readDiskLayout(const ImageReader& read, qint64 fileBytes)
{
    DiskLayout layout;
    quint32 diskType = 0;
    layout.fixedVhd = hasVhdFooterAt(read, fileBytes - VhdFooterBytes, &diskType) && diskType == 2;
    layout.dataBytes = layout.fixedVhd ? fileBytes - VhdFooterBytes : fileBytes;
    if (layout.dataBytes < SectorBytes)
        throw DamagedImageError(QStringLiteral("it is smaller than one sector"));
    const QByteArray first = readSector(read, 0);
    if (looksLikeFatBootSector(first)) {
        layout.partitions.append({ 0, 0, 0, layout.dataBytes });
        return layout;
    }
    if (!hasBootSignature(first))
        throw DamagedImageError(QStringLiteral("it has neither a partition table nor a FAT volume"));
    for (int index = 0; index < 4; ++index) {
        const Slot slot = slotAt(first, index);
        if (slot.type == 0)
            continue;
        if (isExtendedType(slot.type)) {
            if ((slot.start + slot.count) * SectorBytes > layout.dataBytes)
                throw DamagedImageError(
                    QStringLiteral("its extended partition ends past the end of the image"));
            readLogicalPartitions(layout, read, slot);
            continue;
        }
        addPartition(layout, index + 1, slot, 0);
    }
    std::stable_sort(layout.partitions.begin(), layout.partitions.end(),
        [](const DiskPartition& a, const DiskPartition& b) { return a.number < b.number; });
    return layout;
}

DiskPartition choosePartition(const DiskLayout& layout, int number)
{
    if (layout.partitions.isEmpty())
        throw DamagedImageError(QStringLiteral("it holds no FAT partition"));
    if (number == 0)
        return layout.partitions.first();
    for (const DiskPartition& partition : layout.partitions)
        if (partition.number == number)
            return partition;
    throw DamagedImageError(QStringLiteral("it has no FAT partition number %1").arg(number));
}

} // namespace diskimage
