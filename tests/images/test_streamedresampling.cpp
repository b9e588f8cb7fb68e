// Resampling a picture while it is decoded, row by row: it must give the very pixels of decoding
// the whole picture and resampling it afterwards.
#include "images/imgdll.h"
#include "images/jpegdecoder.h"
#include "images/jpegresampling.h"
#include "images/jpegscans.h"
#include "images/resampler.h"
#include "images/rowhandoff.h"
#include "libjpegfixtures.h"
#include "picturefixtures.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

QImage streamed(const QImage& source, QSize target, QSizeF extent = {})
{
    images::RowResampler resampler(source.size(), target, extent);
    EXPECT_TRUE(resampler.ok());
    for (int y = 0; y < source.height(); ++y) {
        EXPECT_TRUE(resampler.result().isNull()) << "a result before row " << y;
        resampler.addRow(reinterpret_cast<const QRgb*>(source.constScanLine(y)));
    }
    return resampler.result();
}

const uchar* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const uchar*>(data.constData());
}

// The two-step way the conversion went before: the reduced decode, then the resampler over the
// part of it the picture spans.
QImage decodedThenResampled(const QByteArray& jpeg, QSize minimum, QSize target)
{
    const images::DecodedJpeg decoded = images::decodeJpeg(bytesOf(jpeg), jpeg.size(), minimum);
    if (decoded.image.isNull())
        return {};
    const QSize picture = images::jpegHeaderSize(bytesOf(jpeg), jpeg.size());
    const QSizeF extent = decoded.scale < 1.0 ? QSizeF(picture) * decoded.scale : QSizeF();
    return images::resampleLanczos(decoded.image, target.width(), target.height(), extent);
}

void expectSameWhenStreamed(const QByteArray& jpeg, QSize minimum, QSize target, const char* what)
{
    const QImage whole = decodedThenResampled(jpeg, minimum, target);
    const QImage rows = images::decodeJpegResampled(bytesOf(jpeg), jpeg.size(), minimum, target);
    ASSERT_FALSE(whole.isNull()) << what;
    EXPECT_EQ(rows, whole) << what;
}

} // namespace

// Reductions and enlargements, a target of one row, a source of fewer rows than the filter's
// taps and a source that ends inside its last pixel.
TEST(RowResampler, GivesThePixelsOfTheWholePictureResampler)
{
    const QImage source = detailedPicture(97, 61);
    struct Case {
        QSize target;
        QSizeF extent;
    };
    for (const Case& c :
        { Case { { 20, 13 }, {} }, Case { { 97, 61 }, {} }, Case { { 150, 200 }, {} }, Case { { 31, 1 }, {} },
            Case { { 7, 3 }, { 96.3, 60.25 } }, Case { { 40, 40 }, { 90.5, 61 } } }) {
        const QImage whole = images::resampleLanczos(source, c.target.width(), c.target.height(), c.extent);
        EXPECT_EQ(streamed(source, c.target, c.extent), whole)
            << c.target.width() << "x" << c.target.height();
    }
    const QImage shallow = detailedPicture(300, 4);
    EXPECT_EQ(streamed(shallow, { 50, 3 }), images::resampleLanczos(shallow, 50, 3));
}

// The kinds of JPEG the decoder writes differently: chroma at half resolution, two decoders over a
// progressive file, grey, inverted CMYK, and the full scale when the target leaves no eighth to drop.
TEST(StreamedJpeg, GivesThePixelsOfDecodingWholeThenResampling)
{
    const QImage picture = detailedPicture(1003, 701);
    // 3/8: 377 x 263, whose last column and row stand for part of a pixel each
    const QSize minimum(240, 260), target(160, 200);
    expectSameWhenStreamed(encodeWithLibjpeg(picture, { .lumaSampling = 2 }), minimum, target, "4:2:0");
    expectSameWhenStreamed(
        encodeWithLibjpeg(picture, { .progressive = true }), minimum, target, "progressive");
    expectSameWhenStreamed(encodeWithLibjpeg(picture, { .restartRows = 2 }), QSize(900, 650), target, "8/8");

    std::vector<unsigned char> grey, cmyk;
    for (int y = 0; y < 301; ++y)
        for (int x = 0; x < 403; ++x) {
            const QRgb p = picture.pixel(x, y);
            grey.push_back(uchar(qGray(p)));
            cmyk.insert(
                cmyk.end(), { uchar(qRed(p)), uchar(qGreen(p)), uchar(qBlue(p)), uchar(255 - x / 2) });
        }
    expectSameWhenStreamed(encodeWithLibjpeg(grey, 403, 301, 1), { 150, 100 }, { 100, 70 }, "grey");
    expectSameWhenStreamed(encodeWithLibjpeg(cmyk, 403, 301, 4), { 150, 100 }, { 100, 70 }, "CMYK");
}

// A file cut short is patched up by libjpeg the same way on both paths; a file it gives up on, at
// the header or in the middle of its scans, gives nothing (and leaves no thread waiting for rows).
TEST(StreamedJpeg, CutAndBrokenFilesGoAsTheWholeDecodeGoes)
{
    const QByteArray jpeg = encodeWithLibjpeg(detailedPicture(320, 240), { .progressive = true });
    for (qsizetype cut = 300; cut < jpeg.size(); cut += jpeg.size() / 5) {
        const QByteArray part = jpeg.left(cut);
        const QImage whole = decodedThenResampled(part, { 60, 60 }, { 40, 40 });
        EXPECT_EQ(images::decodeJpegResampled(bytesOf(part), part.size(), { 60, 60 }, { 40, 40 }), whole)
            << cut;
    }
    const QByteArray garbage("\xff\xd8\xff\xe0 not a JPEG after all", 30);
    EXPECT_TRUE(images::decodeJpegResampled(bytesOf(garbage), garbage.size(), {}, { 4, 4 }).isNull());
    QByteArray broken = jpeg;
    const std::vector<images::JpegScan> scans = images::findJpegScans(bytesOf(jpeg), jpeg.size(), 100);
    ASSERT_GE(scans.size(), 2u);
    broken[qsizetype(scans.back().begin + 6)] = char(0x33); // a Huffman table nobody defined
    EXPECT_TRUE(images::decodeJpegResampled(bytesOf(broken), broken.size(), {}, { 40, 40 }).isNull());
}

// Rows come out in order, each whole, however far the producer runs ahead; a producer that stops
// halfway does not leave the consumer waiting for ever.
TEST(RowHandoff, PassesEveryRowInOrderAndStopsHalfway)
{
    constexpr int Width = 5, Height = 300;
    std::vector<QRgb> seen;
    {
        images::RowHandoff handoff(Width, Height, [&](const QRgb* row) {
            for (int x = 0; x < Width; ++x)
                seen.push_back(row[x]);
        });
        for (int y = 0; y < Height; ++y) {
            QRgb* row = handoff.nextRow();
            for (int x = 0; x < Width; ++x)
                row[x] = QRgb(y * Width + x);
            handoff.rowWritten();
        }
        handoff.waitUntilConsumed();
        ASSERT_EQ(seen.size(), size_t(Width * Height));
    }
    for (size_t i = 0; i < seen.size(); ++i)
        ASSERT_EQ(seen[i], QRgb(i)) << i;

    int consumed = 0;
    {
        images::RowHandoff handoff(Width, Height, [&](const QRgb*) { ++consumed; });
        for (int y = 0; y < 40; ++y) {
            handoff.nextRow();
            handoff.rowWritten();
        }
    }
    EXPECT_LE(consumed, 40);
}

// The conversion's one-step read gives the pixels of reading and resizing in two steps, for JPEGs
// and for the kinds Qt reads; with nothing to make it still tells the picture's size.
class ReadResized : public PictureFolder, public ::testing::Test
{
};

TEST_F(ReadResized, GivesThePixelsOfReadingThenResizing)
{
    const QImage picture = detailedPicture(640, 480);
    for (const QString& file : { write("photo.jpg", encodeWithLibjpeg(picture)), write("photo.png", [&] {
                                    QByteArray png;
                                    QBuffer buffer(&png);
                                    buffer.open(QIODevice::WriteOnly);
                                    picture.save(&buffer, "PNG");
                                    return png;
                                }()) }) {
        qint16 width = 0, height = 0;
        const PixelBlock read = ImgDLLReadRGBFromFile(file, width, height, QSize(200, 100));
        const PixelBlock twoSteps = ImgDLLResizeRGB(read, width, height, 200, 100);
        qint16 oneWidth = 0, oneHeight = 0;
        const PixelBlock oneStep = ImgDLLReadResizedRGBFromFile(file, oneWidth, oneHeight, QSize(200, 100));
        ASSERT_FALSE(twoSteps.isNull()) << file.toStdString();
        EXPECT_EQ(oneStep.image(), twoSteps.image()) << file.toStdString();
        EXPECT_EQ(QSize(oneWidth, oneHeight), QSize(640, 480));

        EXPECT_TRUE(ImgDLLReadResizedRGBFromFile(file, oneWidth, oneHeight, QSize(0, 100)).isNull());
        EXPECT_EQ(QSize(oneWidth, oneHeight), QSize(640, 480));
    }
}
