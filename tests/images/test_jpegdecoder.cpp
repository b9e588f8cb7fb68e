// The libjpeg decoder: reduced decodes by eighths, and the colour spaces JPEGs come in.
#include "images/jpegdecoder.h"
#include "images/jpegscans.h"
#include "libjpegfixtures.h"
#include "picturefixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace fixtures;

namespace
{

QImage decode(const QByteArray& jpeg, QSize minimum = {})
{
    return images::decodeJpeg(reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size(), minimum).image;
}

// A flat CMYK JPEG of the given stored (inverted) bytes. Quality 100 keeps flat blocks exact.
QByteArray flatCmykJpeg(int width, int height, const uchar ink[4])
{
    std::vector<unsigned char> samples;
    for (int i = 0; i < width * height; ++i)
        samples.insert(samples.end(), ink, ink + 4);
    return encodeWithLibjpeg(samples, width, height, 4, { .quality = 100 });
}

TEST(JpegDecoder, ReducesToTheSmallestEighthThatCoversTheMinimum)
{
    const QByteArray jpeg = encodeJpeg(quadrants(800, 600));
    const auto* data = reinterpret_cast<const uchar*>(jpeg.constData());
    EXPECT_EQ(images::jpegHeaderSize(data, jpeg.size()), QSize(800, 600));
    EXPECT_EQ(decode(jpeg).size(), QSize(800, 600));
    EXPECT_EQ(decode(jpeg, QSize(300, 200)).size(), QSize(300, 225)); // 3/8: width decides
    EXPECT_EQ(decode(jpeg, QSize(10, 400)).size(), QSize(600, 450)); // 6/8: height decides
    EXPECT_EQ(decode(jpeg, QSize(1, 1)).size(), QSize(100, 75));
    EXPECT_EQ(decode(jpeg, QSize(2000, 2000)).size(), QSize(800, 600)); // never enlarged

    // Reduced or not, each quadrant keeps its colour and its place.
    const QImage reduced = decode(jpeg, QSize(300, 200));
    ASSERT_EQ(reduced.format(), QImage::Format_RGB32);
    const QColor expected[] = { FourColours.topLeft, FourColours.topRight, FourColours.bottomLeft,
        FourColours.bottomRight };
    for (int q = 0; q < 4; ++q)
        EXPECT_LE(colourDistance(quadrantCentre(reduced, q), expected[q]), 4) << "quadrant " << q;
}

TEST(JpegDecoder, CmykIsReadAsInvertedInkAndRounded)
{
    // Stored bytes are 255 - ink; red = c * k / 255: 251 * 128 / 255 = 125.99 and 3 * 128 / 255
    // = 1.51 must round to 126 and 2, not fall to 125 and 1.
    const uchar ink[4] = { 251, 3, 255, 128 };
    const QImage image = decode(flatCmykJpeg(16, 16, ink));
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixel(5, 5), qRgb(126, 2, 128));
}

TEST(JpegDecoder, GarbageGivesNothing)
{
    const QByteArray jpeg = encodeJpeg(quadrants(64, 48));
    const QByteArray notJpeg("\xff\xd8\xff\xe0 plainly not a picture", 27);
    EXPECT_FALSE(images::jpegHeaderSize(reinterpret_cast<const uchar*>(notJpeg.constData()), notJpeg.size())
                     .isValid());
    EXPECT_TRUE(decode(notJpeg).isNull());
    EXPECT_TRUE(decode(QByteArray()).isNull());
    // Cut inside its tables, libjpeg gives up; the decoder survives and returns nothing.
    EXPECT_TRUE(decode(jpeg.left(100)).isNull());
}

// Progressive files are decoded by two decoders at once, each from its own scans, into one set of
// coefficients: the picture must come out exactly as libjpeg's plain decode of the whole file.
TEST(JpegDecoder, ProgressiveFilesComeOutAsOneDecoderWouldGiveThem)
{
    struct Case {
        const char* name;
        QSize size;
        LibjpegOptions options;
        QSize minimum;
    };
    const Case cases[] = {
        { "4:4:4, full size", { 160, 120 }, { .progressive = true }, {} },
        { "4:2:0, odd size, restarts, 3/8", { 333, 211 }, { .progressive = true, .lumaSampling = 2, .restartRows = 2 },
            { 120, 70 } },
        { "4:2:0, 1/8", { 250, 180 }, { .progressive = true, .lumaSampling = 2 }, { 1, 1 } },
        { "baseline with restarts, 5/8", { 200, 100 }, { .restartRows = 1 }, { 120, 60 } },
    };
    for (const Case& c : cases) {
        const QByteArray jpeg = encodeWithLibjpeg(detailedPicture(c.size.width(), c.size.height()), c.options);
        const auto* data = reinterpret_cast<const uchar*>(jpeg.constData());
        const images::DecodedJpeg decoded = images::decodeJpeg(data, jpeg.size(), c.minimum);
        ASSERT_FALSE(decoded.image.isNull()) << c.name;
        EXPECT_TRUE(decoded.image == decodeWithLibjpeg(jpeg, unsigned(decoded.scale * 8))) << c.name;
    }
}

TEST(JpegDecoder, AFailureOfEitherDecoderFailsTheWholePicture)
{
    const QByteArray jpeg = encodeWithLibjpeg(detailedPicture(96, 64), { .progressive = true });
    const std::vector<images::JpegScan> scans
        = images::findJpegScans(reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size(), 100);
    const std::vector<bool> second = images::scansForSecondDecoder(scans);
    ASSERT_FALSE(second.empty());
    for (const bool side : { false, true }) {
        // An AC scan that uses a Huffman table nobody defined stops libjpeg in that decoder only.
        size_t scan = 0;
        while (scan < scans.size() && (scans[scan].firstCoefficient == 0 || second[scan] != side))
            ++scan;
        ASSERT_LT(scan, scans.size());
        QByteArray broken = jpeg;
        broken[qsizetype(scans[scan].begin + 6)] = char(0x33);
        EXPECT_TRUE(decode(broken).isNull()) << (side ? "second decoder" : "first decoder");
    }
    // Cut short anywhere, the decoders patch up what is missing and never read past the end.
    for (qsizetype cut = 200; cut < jpeg.size(); cut += jpeg.size() / 7) {
        const QImage image = decode(jpeg.left(cut));
        EXPECT_TRUE(image.isNull() || image.size() == QSize(96, 64)) << cut;
    }
}

TEST(JpegDecoder, RefusesFilesOfMoreScansThanTheLimit)
{
    // Each repeat of the first scan is one more pass over the whole picture for libjpeg.
    const QByteArray jpeg = encodeWithLibjpeg(detailedPicture(64, 48), { .progressive = true });
    const images::JpegScan first
        = images::findJpegScans(reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size(), 100).front();
    auto withRepeats = [&](int repeats) {
        const QByteArray scan = jpeg.mid(qsizetype(first.begin), qsizetype(first.end - first.begin));
        return jpeg.left(qsizetype(first.end)) + scan.repeated(repeats) + jpeg.mid(qsizetype(first.end));
    };
    EXPECT_EQ(decode(withRepeats(400)).size(), QSize(64, 48));
    EXPECT_TRUE(decode(withRepeats(600)).isNull());
}

} // namespace
