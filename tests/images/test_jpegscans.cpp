// Walking a JPEG's scans and sharing them out between two decoders.
#include "images/jpegscans.h"
#include "libjpegfixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace fixtures;
using images::JpegScan;

namespace
{

std::vector<JpegScan> scansOf(const QByteArray& jpeg, int maxScans = 100)
{
    return images::findJpegScans(reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size(), maxScans);
}

QByteArray progressiveColour(int restartRows = 0)
{
    return encodeWithLibjpeg(detailedPicture(200, 150), { .progressive = true, .restartRows = restartRows });
}

TEST(JpegScans, FindsEveryScanWithItsComponentsAndBand)
{
    for (const int restartRows : { 0, 1 }) {
        const QByteArray jpeg = progressiveColour(restartRows);
        const std::vector<JpegScan> scans = scansOf(jpeg);
        ASSERT_EQ(scans.size(), 10u) << restartRows; // libjpeg's progression for three components
        EXPECT_EQ(scans[0].components, (std::vector<int> { 1, 2, 3 }));
        EXPECT_EQ(scans[0].lastCoefficient, 0);
        EXPECT_EQ(scans[1].components, std::vector<int> { 1 });
        EXPECT_EQ(scans[1].firstCoefficient, 1);
        for (size_t i = 0; i < scans.size(); ++i) {
            EXPECT_EQ(uchar(jpeg[qsizetype(scans[i].begin + 1)]), 0xda);
            // Each scan ends at a real marker (the next segment's), never inside its own data.
            const uchar next = uchar(jpeg[qsizetype(scans[i].end + 1)]);
            EXPECT_EQ(uchar(jpeg[qsizetype(scans[i].end)]), 0xff);
            EXPECT_TRUE(next != 0 && (next < 0xd0 || next > 0xd7)) << i;
            if (i > 0) {
                EXPECT_LE(scans[i - 1].end, scans[i].begin);
            }
        }
        EXPECT_EQ(scans.back().end, jpeg.size() - 2); // the end marker follows
    }
}

TEST(JpegScans, MalformedFilesGiveNoScans)
{
    const QByteArray jpeg = progressiveColour();
    EXPECT_TRUE(scansOf(jpeg, 9).empty()); // more scans than allowed
    EXPECT_TRUE(scansOf(jpeg.mid(2)).empty()); // no start marker
    EXPECT_TRUE(scansOf(jpeg.left(3)).empty());
    QByteArray longSegment = jpeg.left(30);
    longSegment[4] = char(0x7f); // the first segment claims to run past the end
    QByteArray backwardsBand = jpeg;
    const qsizetype bandStart = qsizetype(scansOf(jpeg)[1].begin) + 7;
    std::swap(backwardsBand[bandStart], backwardsBand[bandStart + 1]); // last before first
    for (const QByteArray& broken : { longSegment, backwardsBand })
        EXPECT_TRUE(scansOf(broken).empty());
}

TEST(JpegScans, SharesWholeGroupsOfScansAndKeepsTheDcScansFirst)
{
    const std::vector<JpegScan> scans = scansOf(progressiveColour());
    const std::vector<bool> second = images::scansForSecondDecoder(scans);
    ASSERT_EQ(second.size(), scans.size());
    qint64 bytes[2] = { 0, 0 };
    std::vector<int> sideOfComponent(4, -1);
    for (size_t i = 0; i < scans.size(); ++i) {
        bytes[second[i]] += scans[i].end - scans[i].begin;
        if (scans[i].firstCoefficient == 0) {
            EXPECT_FALSE(second[i]) << "DC scan " << i;
            continue;
        }
        // Every AC scan of one component on one side: refinements need what came before.
        int& side = sideOfComponent[size_t(scans[i].components[0])];
        EXPECT_TRUE(side == -1 || side == int(second[i])) << "scan " << i;
        side = second[i];
    }
    EXPECT_GT(bytes[1] * 3, bytes[0]) << "the second decoder gets a real share";
    EXPECT_GT(bytes[0] * 3, bytes[1]);

    // A one-scan file, and a file where the DC scans are everything, are not shared out.
    EXPECT_TRUE(images::scansForSecondDecoder(scansOf(encodeWithLibjpeg(detailedPicture(64, 64)))).empty());
    std::vector<JpegScan> dcOnly(scans.begin(), scans.begin() + 1);
    EXPECT_TRUE(images::scansForSecondDecoder(dcOnly).empty());
}

TEST(JpegScans, EachDecoderReadsTheFileWithoutTheOtherOnesScans)
{
    const QByteArray jpeg = progressiveColour();
    const std::vector<JpegScan> scans = scansOf(jpeg);
    const std::vector<bool> second = images::scansForSecondDecoder(scans);
    std::vector<bool> first = second;
    first.flip();
    auto bytesOf = [&](const std::vector<images::ByteRange>& ranges) {
        QByteArray stream;
        for (const images::ByteRange& r : ranges)
            stream += jpeg.mid(qsizetype(r.begin), qsizetype(r.end - r.begin));
        return stream;
    };
    const QByteArray forFirst = bytesOf(images::fileWithout(scans, second, jpeg.size()));
    const QByteArray forSecond = bytesOf(images::fileWithout(scans, first, jpeg.size()));
    const qint64 header = scans[0].begin;
    qint64 tables = jpeg.size(); // everything outside the scans: headers, tables between scans, end
    for (const JpegScan& scan : scans)
        tables -= scan.end - scan.begin;
    // Both get all of it; between them, every scan exactly once.
    EXPECT_EQ(forFirst.left(header), jpeg.left(header));
    EXPECT_EQ(forSecond.left(header), jpeg.left(header));
    EXPECT_TRUE(forFirst.endsWith("\xff\xd9") && forSecond.endsWith("\xff\xd9"));
    EXPECT_EQ(forFirst.size() + forSecond.size(), jpeg.size() + tables);
    EXPECT_EQ(scansOf(forFirst).size() + scansOf(forSecond).size(), scans.size());
}

} // namespace
