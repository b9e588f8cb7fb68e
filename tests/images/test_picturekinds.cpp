// Pictures are read by what they hold, whatever their names: PNG of every colour type, WebP,
// TIFF, and JPEGs under any name; and every refusal comes with its one-line reason.
#include "images/conversionproblem.h"
#include "images/grafica.h"
#include "images/imagesurface.h"
#include "images/imgdll.h"
#include "images/picturekind.h"
#include "kindfixtures.h"
#include "picturefixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

class PictureKinds : public ::testing::Test, protected PictureFolder
{
protected:

    // Converts the file, checks the result is a logo screen and returns it.
    QImage converted(const QString& file) const
    {
        const QString out = dir.filePath("LOGO.SYS");
        QFile::remove(out);
        EXPECT_TRUE(ConvertToLogo(file, out)) << qPrintable(file);
        EXPECT_TRUE(isLogoScreen(out)) << qPrintable(file);
        return QImage(out, "bmp");
    }

    void expectQuadrants(const QString& file, const Quadrants& colours, int tolerance) const
    {
        const QImage logo = converted(file);
        const QColor expected[]
            = { colours.topLeft, colours.topRight, colours.bottomLeft, colours.bottomRight };
        for (int q = 0; q < 4; ++q)
            EXPECT_LE(colourDistance(quadrantCentre(logo, q), expected[q]), tolerance)
                << qPrintable(file) << " quadrant " << q;
    }

};

const Quadrants Greys { QColor(30, 30, 30), QColor(100, 100, 100), QColor(170, 170, 170),
    QColor(240, 240, 240) };

// The four colours with the bottom-right quadrant half and the top-right fully transparent.
QImage translucent()
{
    QImage image = quadrants(96, 64).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 48; x < 96; ++x)
            image.setPixel(x, y, y < 32 ? qRgba(255, 255, 255, 0) : qRgba(230, 220, 40, 128));
    return image;
}

// Over black: the transparent quadrant black, the half-transparent one at half strength.
const Quadrants TranslucentOnBlack { QColor(200, 30, 30), QColor(0, 0, 0), QColor(40, 60, 200),
    QColor(115, 110, 20) };

TEST_F(PictureKinds, PngsOfEveryColourTypeDepthAndLayout)
{
    const QImage rgb = quadrants(96, 64);
    const QImage grey = quadrants(96, 64, Greys);
    for (bool interlaced : { false, true }) {
        const QString tag = interlaced ? "i" : "";
        for (int depth : { 8, 16 }) {
            const QString name = QString::number(depth) + tag;
            expectQuadrants(write("rgb" + name + ".png", encodePng(rgb, PngColour::Rgb, depth, interlaced)),
                FourColours, 6);
            expectQuadrants(
                write("grey" + name + ".png", encodePng(grey, PngColour::Grey, depth, interlaced)), Greys, 6);
            expectQuadrants(
                write("rgba" + name + ".png", encodePng(translucent(), PngColour::Rgba, depth, interlaced)),
                TranslucentOnBlack, 8);
            expectQuadrants(
                write("ga" + name + ".png", encodePng(grey, PngColour::GreyAlpha, depth, interlaced)), Greys,
                6);
        }
        const QImage palette = translucent().convertToFormat(QImage::Format_Indexed8,
            { qRgb(200, 30, 30), qRgba(255, 255, 255, 0), qRgb(40, 60, 200), qRgba(230, 220, 40, 128) },
            Qt::ThresholdDither);
        expectQuadrants(
            write("palette" + tag + ".png", encodePng(palette, PngColour::Palette, 8, interlaced)),
            TranslucentOnBlack, 8);
    }
}

TEST_F(PictureKinds, WebpsLossyLosslessAndTheFirstFrameOfAnAnimation)
{
    expectQuadrants(write("lossy.webp", encodeWebp(quadrants(96, 64), false)), FourColours, 16);
    const QByteArray lossless = encodeWebp(translucent(), true);
    ASSERT_TRUE(lossless.contains("VP8L")) << "the writer did not code losslessly";
    expectQuadrants(write("lossless.webp", lossless), TranslucentOnBlack, 8);
    const QByteArray animated = encodeAnimatedWebp({ quadrants(96, 64), quadrants(96, 64, Greys) });
    expectQuadrants(write("animated.webp", animated), FourColours, 16);
}

TEST_F(PictureKinds, TiffsAndJpegsUnderAnyName)
{
    expectQuadrants(write("scan.tif", encodeTiff(quadrants(96, 64))), FourColours, 6);
    expectQuadrants(write("scan.TIFF", encodeTiff(translucent())), TranslucentOnBlack, 8);
    expectQuadrants(write("photo.jpeg", encodeJpeg(quadrants(96, 64))), FourColours, 14);
    // The content decides: a JPEG named .bmp, a PNG named .jpg.
    expectQuadrants(write("photo.bmp", encodeJpeg(quadrants(96, 64))), FourColours, 14);
    expectQuadrants(write("drawing.jpg", encodePng(quadrants(96, 64), PngColour::Rgb)), FourColours, 6);
    // The preview reports the kind's depth, not the name's.
    ImageSurface box(32, 40);
    qint32 width = 0, height = 0;
    qint16 bits = 0;
    DrawPreview(dir.filePath("photo.bmp"), box, width, height, bits);
    EXPECT_EQ(bits, 24);
    EXPECT_EQ(width, 96);
    EXPECT_TRUE(box.hasPicture());
    DrawPreview(write("a.png", encodePng(translucent(), PngColour::Rgba)), box, width, height, bits);
    EXPECT_EQ(bits, 32);
    EXPECT_FALSE(isLogoScreen(dir.filePath("photo.bmp")));
}

TEST_F(PictureKinds, KindsComeFromTheFirstBytesAndTheNameOnlyForShortFiles)
{
    using images::PictureKind;
    const auto kind = [](const QByteArray& bytes, const QString& name) {
        return images::kindOfContent(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), name);
    };
    EXPECT_EQ(kind(QByteArrayLiteral("RIFF\x10\0\0\0WEBPVP8 "), "x.png"), PictureKind::WebP);
    EXPECT_EQ(
        kind(QByteArrayLiteral("RIFF\x10\0\0\0WAVEfmt "), "x.webp"), PictureKind::Any); // another RIFF form
    EXPECT_EQ(kind(QByteArrayLiteral("MM\0*\0\0\0\x08"), "x"), PictureKind::Tiff);
    EXPECT_EQ(kind(QByteArrayLiteral("\x89PN"), "cut.PNG"), PictureKind::Png);
    EXPECT_EQ(kind(QByteArrayLiteral("\x89PN"), "cut.gif"), PictureKind::Any);
    EXPECT_EQ(kind(QByteArrayLiteral("RIFF\x10\0"), "cut.webp"), PictureKind::WebP);
    EXPECT_EQ(kind(QByteArrayLiteral("hello"), "notes.png"), PictureKind::Any);
}

TEST_F(PictureKinds, EveryRefusalHasItsReason)
{
    const QString notAPicture
        = "not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)";
    const QString truncated = "truncated: the file ends before its picture does";
    struct Kind {
        const char* name;
        QByteArray bytes;
    };
    const Kind kinds[] = {
        { "a.bmp", encodeBmp(quadrants(64, 48), 24) },
        { "a.gif", encodeGif({ quadrants(64, 48) }) },
        { "a.jpeg", encodeJpeg(quadrants(64, 48)) },
        { "a.png", encodePng(quadrants(64, 48), PngColour::Rgb) },
        { "a.webp", encodeWebp(quadrants(64, 48), false) },
        { "a.tiff", encodeTiff(quadrants(64, 48)) },
    };
    for (const Kind& k : kinds) {
        const QString name = QString::fromLatin1(k.name);
        EXPECT_EQ(images::pictureReason(write(name, k.bytes)), QString()) << k.name;
        EXPECT_EQ(images::pictureReason(write(name, "just some words\n")), notAPicture) << k.name;
        EXPECT_EQ(images::pictureReason(write(name, {})), QString("empty: the file holds no picture"))
            << k.name;
        for (qsizetype cut : { qsizetype(3), k.bytes.size() / 2, k.bytes.size() - 4 }) {
            const QString file = write(name, k.bytes.left(cut));
            EXPECT_EQ(images::pictureReason(file), truncated) << k.name << " cut at " << cut;
            EXPECT_FALSE(ConvertToLogo(file, dir.filePath("out.sys"))) << k.name << " cut at " << cut;
        }
    }
    // The reason comes after the path, as the command line prints it.
    const QString text = write("notes.txt", "words");
    EXPECT_EQ(images::pictureProblem(text), QDir::toNativeSeparators(text) + ": " + notAPicture);
}

TEST_F(PictureKinds, HugeOrDeepPicturesAreRefusedBeforeDecoding)
{
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(images::pictureReason(write("wide.png", pngDeclaring(40000, 10, 8))),
        "40000 x 10 pixels is larger than the limit of 32767 pixels a side and 67108864 pixels in all");
    // Allowed pixels, but at 8 bytes each more than a decoded picture may take.
    EXPECT_EQ(images::pictureReason(write("deep.png", pngDeclaring(6000, 6000, 16))),
        "6000 x 6000 pixels at this depth is larger than the limit of 256 MiB a decoded picture may take");
    EXPECT_LT(timer.elapsed(), 2000) << "decoded instead of refused";
}

} // namespace
