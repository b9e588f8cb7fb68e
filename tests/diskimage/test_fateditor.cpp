#include "diskimage/fateditor.h"
#include "diskimage/imagestaging.h"
#include "support/testimage.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace diskimage;

// Deletes one file and frees its chain right before a neighbour's (on FAT12 two entries share
// bytes of the table): the neighbour must read back whole, the table copies agree, and fsck.fat
// finds the volume clean, the FAT32 free count included.
TEST(FatEditor, FreesAChainWithoutTouchingItsNeighbours)
{
    if (!TestImage::toolsAvailable())
        GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
    for (const auto layout : { TestImage::Layout::Fat12, TestImage::Layout::Fat32 }) {
        SCOPED_TRACE(layout == TestImage::Layout::Fat12 ? "FAT12" : "FAT32");
        TestImage image(layout);
        const QByteArray kept(70001, 'b');
        image.put(QStringLiteral("GONE.BIN"), QByteArray(50001, 'a'));
        image.put(QStringLiteral("KEPT.BIN"), kept);
        QByteArray bytes = image.bytes();
        const ImageReader read = [&bytes](qint64 offset, qint64 size) { return bytes.mid(offset, size); };
        const ImageWriter write
            = [&bytes](qint64 offset, const QByteArray& part) { bytes.replace(offset, part.size(), part); };
        const qint64 partition = bytes.size() - image.offset();

        const FatVolume before(read, image.offset(), partition);
        const FatEntry gone = *before.find({ QStringLiteral("GONE.BIN") });
        FatEditor edit(before, read, write);
        edit.markDeleted(gone);
        edit.freeClusters(before.chain(gone.firstCluster, gone.size));

        const FatVolume after(read, image.offset(), partition);
        EXPECT_FALSE(after.find({ QStringLiteral("GONE.BIN") }));
        EXPECT_EQ(after.readFile(*after.find({ QStringLiteral("KEPT.BIN") }), 1 << 20), kept);
        EXPECT_TRUE(after.fatCopiesAgree());
        EXPECT_EQ(after.freeBytes(), before.freeBytes() + clusterRounded(gone.size, before.clusterBytes()));
        QFile file(image.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_EQ(image.fsckProblems(), QString());
    }
}
