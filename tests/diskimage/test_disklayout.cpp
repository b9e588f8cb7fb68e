#include "diskimage/disklayout.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace diskimage;

namespace
{

constexpr qint64 Sector = 512;

class FakeDisk
{
public:
    explicit FakeDisk(qint64 sectors)
        : bytes(sectors * Sector, '\0')
    {
    }
    // A partition table entry in the sector `tableSector`, with the boot signature.
    void entry(qint64 tableSector, int slot, quint8 type, quint32 start, quint32 count)
    {
        char* at = bytes.data() + tableSector * Sector + 446 + slot * 16;
        at[4] = char(type);
        qToLittleEndian<quint32>(start, at + 8);
        qToLittleEndian<quint32>(count, at + 12);
        bytes[tableSector * Sector + 510] = char(0x55);
        bytes[tableSector * Sector + 511] = char(0xAA);
    }
    ImageReader reader() const
    {
        return [this](qint64 offset, qint64 size) { return bytes.mid(offset, size); };
    }
    DiskLayout layout() const { return readDiskLayout(reader(), bytes.size()); }

    QByteArray bytes;
};

} // namespace

TEST(DiskLayout, NumbersPrimaryThenLogicalPartitionsAsLinuxDoes)
{
    FakeDisk disk(4000);
    disk.entry(0, 1, 0x06, 63, 937); // partition 2; slot 1 is empty
    disk.entry(0, 2, 0x0F, 1000, 3000); // extended
    disk.entry(1000, 0, 0x0B, 63, 937); // 5, relative to its own table
    disk.entry(1000, 1, 0x05, 1000, 2000); // link, relative to the extended partition
    disk.entry(2000, 0, 0x83, 63, 100); // 6: not FAT, left out
    disk.entry(2000, 1, 0x05, 1500, 1500);
    disk.entry(2500, 0, 0x0C, 63, 1000); // 7

    const DiskLayout layout = disk.layout();
    ASSERT_EQ(layout.partitions.size(), 3);
    EXPECT_EQ(layout.partitions[0].number, 2);
    EXPECT_EQ(layout.partitions[0].offset, 63 * Sector);
    EXPECT_EQ(layout.partitions[1].number, 5);
    EXPECT_EQ(layout.partitions[1].offset, (1000 + 63) * Sector);
    EXPECT_EQ(layout.partitions[2].number, 7);
    EXPECT_EQ(layout.partitions[2].offset, (2500 + 63) * Sector);
    EXPECT_EQ(choosePartition(layout, 0).number, 2);
    EXPECT_EQ(choosePartition(layout, 7).type, 0x0C);
    EXPECT_THROW(choosePartition(layout, 6), DamagedImageError);
}

TEST(DiskLayout, ChainThatPointsBackStopsInsteadOfLooping)
{
    FakeDisk disk(3000);
    disk.entry(0, 0, 0x05, 1000, 2000);
    disk.entry(1000, 0, 0x06, 63, 500);
    disk.entry(1000, 1, 0x05, 500, 500);
    disk.entry(1500, 0, 0x06, 63, 100);
    disk.entry(1500, 1, 0x05, 0, 500); // back to the first table
    EXPECT_EQ(disk.layout().partitions.size(), 2);
}

TEST(DiskLayout, PartitionsPastTheEndOfACutShortImageAreRefused)
{
    FakeDisk disk(1000);
    disk.entry(0, 0, 0x06, 63, 2000);
    EXPECT_THROW(disk.layout(), DamagedImageError);

    FakeDisk extended(1000);
    extended.entry(0, 0, 0x0F, 500, 400);
    extended.entry(500, 1, 0x05, 900, 100); // the next table lies outside the image
    EXPECT_THROW(extended.layout(), DamagedImageError);

    EXPECT_THROW(FakeDisk(1000).layout(), DamagedImageError); // no table, no volume
    FakeDisk tiny(1);
    tiny.bytes.truncate(100);
    EXPECT_THROW(tiny.layout(), DamagedImageError);
}

TEST(DiskLayout, FixedVhdFooterIsNotPartOfTheDisk)
{
    FakeDisk disk(1001);
    disk.entry(0, 0, 0x06, 63, 937);
    char* footer = disk.bytes.data() + 1000 * Sector;
    memcpy(footer, "conectix", 8);
    qToBigEndian<quint32>(2, footer + 60);
    const DiskLayout layout = disk.layout();
    EXPECT_TRUE(layout.fixedVhd);
    EXPECT_EQ(layout.dataBytes, 1000 * Sector);
    EXPECT_EQ(detectImageFormat(disk.reader(), disk.bytes.size()), ImageFormat::FixedVhd);

    qToBigEndian<quint32>(3, footer + 60);
    EXPECT_EQ(detectImageFormat(disk.reader(), disk.bytes.size()), ImageFormat::DynamicVhd);
    disk.bytes.replace(0, 4, "QFI\xfb");
    EXPECT_EQ(detectImageFormat(disk.reader(), disk.bytes.size()), ImageFormat::Qcow2);
}

TEST(DiskLayout, BareVolumeIsOnePartitionOverTheWholeImage)
{
    FakeDisk disk(100);
    disk.bytes[0] = char(0xEB);
    qToLittleEndian<quint16>(512, disk.bytes.data() + 11);
    disk.bytes.replace(54, 5, "FAT12");
    disk.bytes[510] = char(0x55);
    disk.bytes[511] = char(0xAA);
    const DiskLayout layout = disk.layout();
    ASSERT_EQ(layout.partitions.size(), 1);
    EXPECT_EQ(layout.partitions[0].number, 0);
    EXPECT_EQ(layout.partitions[0].size, 100 * Sector);
}
