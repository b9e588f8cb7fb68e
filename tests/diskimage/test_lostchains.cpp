#include "diskimage/fateditor.h"
#include "diskimage/lostchains.h"
#include "support/testimage.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace diskimage;

namespace
{

// A FAT16 volume in memory, edited the way a cut-short change or a stray tool would leave it.
class LostChainsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestImage::toolsAvailable())
            GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
        image.put(QStringLiteral("KEPT.BIN"), QByteArray(9000, 'k'));
        image.put(QStringLiteral("LOST.BIN"), QByteArray(7000, 'l'));
        image.makeFolder(QStringLiteral("DIR"));
        image.put(QStringLiteral("DIR/INNER.BIN"), QByteArray(5000, 'i'));
        bytes = image.bytes();
    }

    FatVolume volume() const { return FatVolume(read, image.offset(), bytes.size() - image.offset()); }
    FatEntry entry(const QStringList& path) const { return *volume().find(path); }
    // Deletes the entry but keeps its clusters taken, as a cut between the two steps does.
    void loseEntry(const QStringList& path)
    {
        const FatVolume before = volume();
        FatEditor(before, read, write).markDeleted(*before.find(path));
    }
    void setFatEntry(quint32 cluster, quint16 value)
    {
        const FatVolume at = volume();
        for (quint32 copy = 0; copy < at.fatCount(); ++copy)
            qToLittleEndian<quint16>(value, bytes.data() + at.fatCopyOffset(copy) + cluster * 2);
    }

    TestImage image { TestImage::Layout::Fat16, 20 };
    QByteArray bytes;
    const ImageReader read = [this](qint64 offset, qint64 size) { return bytes.mid(offset, size); };
    const ImageWriter write
        = [this](qint64 offset, const QByteArray& part) { bytes.replace(offset, part.size(), part); };
};

} // namespace

TEST_F(LostChainsTest, AFileWhoseEntryIsGoneIsOneLostChainAndNothingReachableIs)
{
    EXPECT_TRUE(findLostChains(volume()).isEmpty());
    const FatEntry lost = entry({ QStringLiteral("LOST.BIN") });
    loseEntry({ QStringLiteral("LOST.BIN") });

    const QList<LostChain> chains = findLostChains(volume());
    ASSERT_EQ(chains.size(), 1);
    EXPECT_EQ(chains[0].clusters, volume().chain(lost.firstCluster, lost.size));
    EXPECT_EQ(volume().readClusters(chains[0].clusters).left(7000), QByteArray(7000, 'l'));
}

// Freeing a chain that runs into a file, or into another lost chain, would free clusters a file
// still uses: such knots are left to fsck.fat.
TEST_F(LostChainsTest, ChainsThatRunIntoAFileOrIntoEachOtherAreLeftAlone)
{
    const FatEntry kept = entry({ QStringLiteral("KEPT.BIN") });
    const FatEntry lost = entry({ QStringLiteral("LOST.BIN") });
    const QList<quint32> keptClusters = volume().chain(kept.firstCluster, kept.size);
    const QList<quint32> lostClusters = volume().chain(lost.firstCluster, lost.size);
    loseEntry({ QStringLiteral("LOST.BIN") });
    const quint32 spare = lostClusters.last() + 50;
    ASSERT_EQ(volume().fatEntry(spare), 0u);
    setFatEntry(spare, quint16(keptClusters[1]));
    EXPECT_TRUE(findLostChains(volume()).size() == 1) << "only the lost file stands alone";

    setFatEntry(spare, quint16(lostClusters[1]));
    EXPECT_TRUE(findLostChains(volume()).isEmpty());
}

TEST_F(LostChainsTest, OnlyAFolderThatNamesNoFileCountsAsEmpty)
{
    const FatEntry folder = entry({ QStringLiteral("DIR") });
    const auto folderBytes = [&] {
        return volume().readClusters(volume().chain(folder.firstCluster, FatVolume::MaxFolderBytes));
    };
    EXPECT_FALSE(isEmptyLostFolder(folderBytes(), folder.firstCluster));
    loseEntry({ QStringLiteral("DIR"), QStringLiteral("INNER.BIN") });
    EXPECT_TRUE(isEmptyLostFolder(folderBytes(), folder.firstCluster));
    EXPECT_FALSE(isEmptyLostFolder(folderBytes(), folder.firstCluster + 1)) << "its \".\" names another";
    EXPECT_FALSE(
        isEmptyLostFolder(volume().readClusters({ entry({ QStringLiteral("KEPT.BIN") }).firstCluster }),
            entry({ QStringLiteral("KEPT.BIN") }).firstCluster));
}
