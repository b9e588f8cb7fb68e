// Every picture variant the readers must understand, and the ones they must refuse.
#include "images/completeness.h"
#include "images/grafica.h"
#include "images/imagesurface.h"
#include "images/imgdll.h"
#include "picturefixtures.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

const Quadrants TwoColours { QColor(200, 30, 30), QColor(40, 60, 200), QColor(40, 60, 200),
    QColor(200, 30, 30) };
const Quadrants Greys { QColor(30, 30, 30), QColor(100, 100, 100), QColor(170, 170, 170),
    QColor(240, 240, 240) };

QImage indexed(const Quadrants& colours)
{
    const QImage rgb = quadrants(96, 64, colours);
    // Distinct entries only, so a 1-bit picture has exactly two.
    QList<QRgb> unique;
    for (QRgb c : { colours.topLeft.rgb(), colours.topRight.rgb(), colours.bottomLeft.rgb(),
             colours.bottomRight.rgb() })
        if (!unique.contains(c))
            unique.append(c);
    return rgb.convertToFormat(QImage::Format_Indexed8, unique, Qt::ThresholdDither);
}

// Converts the file and checks that each quadrant's colour came through in its place.
void expectConvertedQuadrants(const QString& file, const Quadrants& colours, int tolerance)
{
    QTemporaryDir out;
    ASSERT_TRUE(ConvertToLogo(file, out.filePath("LOGO.SYS"))) << qPrintable(file);
    const QImage logo(out.filePath("LOGO.SYS"), "bmp");
    const QColor expected[] = { colours.topLeft, colours.topRight, colours.bottomLeft, colours.bottomRight };
    for (int q = 0; q < 4; ++q)
        EXPECT_LE(colourDistance(quadrantCentre(logo, q), expected[q]), tolerance)
            << qPrintable(file) << " quadrant " << q;
}

class PictureFormats : public ::testing::Test, protected PictureFolder
{
protected:
};

TEST_F(PictureFormats, BitmapsOfEveryDepthAndLayout)
{
    expectConvertedQuadrants(write("mono.bmp", encodeBmp(indexed(TwoColours), 1)), TwoColours, 6);
    expectConvertedQuadrants(write("four.bmp", encodeBmp(indexed(FourColours), 4)), FourColours, 6);
    expectConvertedQuadrants(write("eight.bmp", encodeBmp(indexed(FourColours), 8)), FourColours, 6);
    expectConvertedQuadrants(
        write("rle.bmp", encodeBmp(indexed(FourColours), 8, BmpLayout::Rle8)), FourColours, 6);
    expectConvertedQuadrants(
        write("os2.bmp", encodeBmp(indexed(FourColours), 8, BmpLayout::Os2)), FourColours, 6);
    expectConvertedQuadrants(
        write("os2deep.bmp", encodeBmp(quadrants(96, 64), 24, BmpLayout::Os2)), FourColours, 6);
    expectConvertedQuadrants(write("high.bmp", encodeBmp(quadrants(96, 64), 16)), FourColours, 10);
    expectConvertedQuadrants(write("true.bmp", encodeBmp(quadrants(96, 64), 24)), FourColours, 6);
    expectConvertedQuadrants(
        write("down.bmp", encodeBmp(quadrants(96, 64), 24, BmpLayout::TopDown)), FourColours, 6);
    expectConvertedQuadrants(write("wide.bmp", encodeBmp(quadrants(96, 64), 32)), FourColours, 6);
}

TEST_F(PictureFormats, JpegsOfEveryKind)
{
    expectConvertedQuadrants(write("base.jpg", encodeJpeg(quadrants(96, 64))), FourColours, 14);
    expectConvertedQuadrants(write("progressive.jpg", encodeJpeg(quadrants(96, 64), true)), FourColours, 14);
    const QImage grey = quadrants(96, 64, Greys).convertToFormat(QImage::Format_Grayscale8);
    expectConvertedQuadrants(write("grey.jpg", encodeJpeg(grey)), Greys, 8);
    // A big JPEG goes through the reduced-scale decode and must still land in place.
    expectConvertedQuadrants(write("big.jpg", encodeJpeg(quadrants(2600, 1700))), FourColours, 14);
}

TEST_F(PictureFormats, CmykJpeg)
{
    if (!QFile::exists("/usr/bin/convert"))
        GTEST_SKIP() << "ImageMagick is needed to write a CMYK JPEG";
    const QString rgb = write("rgb.jpg", encodeJpeg(quadrants(96, 64)));
    const QString cmyk = dir.filePath("cmyk.jpg");
    ASSERT_EQ(QProcess::execute("/usr/bin/convert", { rgb, "-colorspace", "CMYK", cmyk }), 0);
    expectConvertedQuadrants(cmyk, FourColours, 40);
}

TEST_F(PictureFormats, GifsInterlacedAndAnimated)
{
    expectConvertedQuadrants(write("plain.gif", encodeGif({ quadrants(96, 64) })), FourColours, 6);
    expectConvertedQuadrants(write("interlaced.gif", encodeGif({ quadrants(96, 64) }, true)), FourColours, 6);
    // Only the first frame of an animation counts.
    const QString animated
        = write("animated.gif", encodeGif({ quadrants(96, 64), quadrants(96, 64, Greys) }));
    expectConvertedQuadrants(animated, FourColours, 6);
}

TEST_F(PictureFormats, ReportedSizesAreTheFilesEvenWhenDecodedSmaller)
{
    const QString big = write("big.jpg", encodeJpeg(quadrants(2000, 1200)));
    qint16 width = 0, height = 0;
    const PixelBlock block = ImgDLLReadRGBFromJPG(big, width, height, QSize(100, 100));
    ASSERT_FALSE(block.isNull());
    EXPECT_EQ(width, 2000);
    EXPECT_EQ(height, 1200);
    EXPECT_LT(block.width(), 2000);
    EXPECT_GE(block.width(), 100);
    const PixelBlock full = ImgDLLReadRGBFromJPG(big, width, height);
    EXPECT_EQ(full.width(), 2000);
}

TEST_F(PictureFormats, ReducedJpegsLineUpWithFullOnes)
{
    // 1074 rows reduce by 5/8 to 671.25: the last decoded row is a quarter of a pixel. Sharp
    // bands show any drift of the reduced picture against the full one at once.
    QImage bands(1365, 1074, QImage::Format_RGB32);
    for (int y = 0; y < bands.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bands.scanLine(y)), bands.width(),
            (y / 37) % 2 ? qRgb(230, 230, 230) : qRgb(20, 20, 20));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && bands.save(&buffer, "JPEG", 100));
    const QString file = write("bands.jpg", jpeg);
    qint16 width = 0, height = 0;
    const PixelBlock reduced = ImgDLLReadRGBFromJPG(file, width, height, QSize(320, 400));
    ASSERT_LT(reduced.height(), 1074);
    const PixelBlock full = ImgDLLReadRGBFromJPG(file, width, height);
    const QImage a = ImgDLLResizeRGB(reduced, width, height, 320, 400).image();
    const QImage b = ImgDLLResizeRGB(full, width, height, 320, 400).image();
    int worst = 0;
    for (int y = 0; y < 400; ++y)
        worst = std::max(worst, colourDistance(a.pixelColor(160, y), b.pixelColor(160, y)));
    EXPECT_LE(worst, 24);
}

// A header claiming the given size over a few bytes of pixels.
QByteArray hugeBmp(qint32 width, qint32 height)
{
    QByteArray bmp = encodeBmp(quadrants(8, 8), 24);
    qToLittleEndian(width, bmp.data() + 18);
    qToLittleEndian(height, bmp.data() + 22);
    return bmp;
}

QByteArray hugeGif(quint16 width, quint16 height)
{
    QByteArray gif = encodeGif({ quadrants(8, 8) });
    qToLittleEndian(width, gif.data() + 6);
    qToLittleEndian(height, gif.data() + 8);
    const int image = int(gif.indexOf(',', 13 + 12));
    qToLittleEndian(width, gif.data() + image + 5);
    qToLittleEndian(height, gif.data() + image + 7);
    return gif;
}

QByteArray hugeJpeg(quint16 width, quint16 height)
{
    QByteArray jpeg = encodeJpeg(quadrants(16, 16));
    const int frame = int(jpeg.indexOf("\xff\xc0"));
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

TEST_F(PictureFormats, HostileSizesAreRefusedWithoutDecoding)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        { "wide.bmp", hugeBmp(40000, 10) },
        { "many.bmp", hugeBmp(30000, 30000) }, // fits 16 bits, but not the pixel limit
        { "negative.bmp", hugeBmp(-5, 10) },
        { "endless.bmp", hugeBmp(0x7fffffff, 0x7fffffff) }, // more bytes than 64 bits count
        { "wide.gif", hugeGif(65535, 65535) },
        { "many.gif", hugeGif(30000, 30000) },
        { "wide.jpg", hugeJpeg(65500, 65500) },
    };
    for (const Case& c : cases) {
        const QString file = write(c.name, c.bytes);
        QElapsedTimer timer;
        timer.start();
        qint16 width = 1, height = 1;
        const QString name = QString::fromLatin1(c.name);
        const PixelBlock block = name.endsWith(".gif") ? ImgDLLReadRGBFromGIF(file, width, height)
            : name.endsWith(".jpg")                    ? ImgDLLReadRGBFromJPG(file, width, height)
                                                       : ImgDLLReadRGBFromBMP(file, width, height);
        EXPECT_TRUE(block.isNull()) << c.name;
        EXPECT_EQ(width, 0) << c.name;
        EXPECT_EQ(height, 0) << c.name;
        EXPECT_FALSE(ConvertToLogo(file, dir.filePath("out.sys"))) << c.name;
        EXPECT_LT(timer.elapsed(), 2000) << c.name << " was decoded instead of refused";
    }
}

TEST_F(PictureFormats, RowCountsTooBigToMultiplyAreIncomplete)
{
    // Width x depth x height overflows 64 bits; the check must not wrap round to "complete".
    QByteArray bmp = hugeBmp(0x7fffffff, 0x7fffffff);
    qToLittleEndian(quint16(0xffff), bmp.data() + 28);
    EXPECT_FALSE(images::pictureLooksComplete(
        reinterpret_cast<const uchar*>(bmp.constData()), bmp.size(), QByteArrayLiteral("bmp")));
    const QByteArray whole = encodeBmp(quadrants(8, 8), 24);
    EXPECT_TRUE(images::pictureLooksComplete(
        reinterpret_cast<const uchar*>(whole.constData()), whole.size(), QByteArrayLiteral("bmp")));
}

TEST_F(PictureFormats, TruncatedFilesGiveNoPictureAndCorruptOnesNoCrash)
{
    struct Source {
        const char* name;
        QByteArray bytes;
    };
    const Source sources[] = {
        { "t.bmp", encodeBmp(quadrants(64, 48), 24) },
        { "r.bmp", encodeBmp(indexed(FourColours), 8, BmpLayout::Rle8) },
        { "o.bmp", encodeBmp(indexed(FourColours), 8, BmpLayout::Os2) },
        { "t.jpg", encodeJpeg(quadrants(64, 48)) },
        { "p.jpg", encodeJpeg(quadrants(64, 48), true) },
        { "t.gif", encodeGif({ quadrants(64, 48) }, true) },
    };
    auto read = [](const QString& file) {
        qint16 width = 0, height = 0;
        return file.endsWith(".gif") ? ImgDLLReadRGBFromGIF(file, width, height)
            : file.endsWith(".jpg")  ? ImgDLLReadRGBFromJPG(file, width, height)
                                     : ImgDLLReadRGBFromBMP(file, width, height);
    };
    for (const Source& s : sources) {
        ASSERT_FALSE(read(write(s.name, s.bytes)).isNull()) << s.name;
        for (qsizetype cut : { qsizetype(2), qsizetype(30), s.bytes.size() / 2, s.bytes.size() - 3 }) {
            const QString file = write(s.name, s.bytes.left(cut));
            EXPECT_TRUE(read(file).isNull()) << s.name << " cut at " << cut;
            ImageSurface box(20, 20);
            ShowFullPicture(file, box);
            EXPECT_FALSE(box.hasPicture()) << s.name << " cut at " << cut;
        }
        QByteArray flipped = s.bytes;
        for (qsizetype i = 20; i < flipped.size(); i += 37)
            flipped[i] = char(flipped[i] ^ 0x5a);
        ConvertToLogo(write(s.name, flipped), dir.filePath("out.sys"));
    }
}

} // namespace
