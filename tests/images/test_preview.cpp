// Drawing pictures into boxes: thumbnails stretched to the box, and pictures at natural size.
#include "images/grafica.h"
#include "images/imagesurface.h"
#include "picturefixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

class Preview : public ::testing::Test, protected PictureFolder
{
protected:
    void expectFilledWithQuadrants(const ImageSurface& box, int tolerance) const
    {
        ASSERT_TRUE(box.hasPicture());
        const QImage picture = box.picture();
        ASSERT_EQ(picture.size(), QSize(box.scaleWidth(), box.scaleHeight()));
        const QColor expected[]
            = { FourColours.topLeft, FourColours.topRight, FourColours.bottomLeft, FourColours.bottomRight };
        for (int q = 0; q < 4; ++q)
            EXPECT_LE(colourDistance(quadrantCentre(picture, q), expected[q]), tolerance) << "quadrant " << q;
        // Corners too: the picture is stretched, never letter-boxed.
        EXPECT_LE(colourDistance(QColor(picture.pixel(0, 0)), FourColours.topLeft), tolerance);
        EXPECT_LE(colourDistance(QColor(picture.pixel(picture.width() - 1, picture.height() - 1)),
                      FourColours.bottomRight),
            tolerance);
    }
};

TEST_F(Preview, LogoScreenFillsABoxOfAnySize)
{
    const QImage logo = quadrants(320, 400).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString file = write("LOGOW.SYS", encodeBmp(logo, 8, BmpLayout::Rle8));
    for (const QSize size : { QSize(112, 89), QSize(640, 800), QSize(33, 400) }) {
        ImageSurface box(size.width(), size.height());
        qint32 width = 0, height = 0;
        qint16 bits = 0;
        DrawPreview(file, box, width, height, bits);
        EXPECT_EQ(width, 320);
        EXPECT_EQ(height, 400);
        EXPECT_EQ(bits, 8);
        expectFilledWithQuadrants(box, 4);
    }
}

TEST_F(Preview, TallBitmapsOfEveryPlainLayoutKeepTheirOrientation)
{
    // Far more rows than the box needs, so only some of them are read.
    const QImage rgb = quadrants(120, 900);
    const QImage eight = rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        { "up8.bmp", encodeBmp(eight, 8) }, { "down8.bmp", encodeBmp(eight, 8, BmpLayout::TopDown) },
        { "up24.bmp", encodeBmp(rgb, 24) }, { "down32.bmp", encodeBmp(rgb, 32, BmpLayout::TopDown) },
        { "rle.bmp", encodeBmp(eight, 8, BmpLayout::Rle8) }, // decoded in full instead
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageSurface box(40, 30);
        qint32 width = 0, height = 0;
        qint16 bits = 0;
        DrawPreview(write(c.name, c.bytes), box, width, height, bits);
        EXPECT_EQ(width, 120);
        EXPECT_EQ(std::abs(height), 900); // the header's own value: negative for top-down rows
        expectFilledWithQuadrants(box, 4);
        // A truncated bitmap is refused by both readers.
        DrawPreview(write(c.name, c.bytes.left(c.bytes.size() - 100)), box, width, height, bits);
        EXPECT_FALSE(box.hasPicture());
    }
}

TEST_F(Preview, GifAndJpegReportFixedBitCounts)
{
    // The bit count comes from the kind of file, not from what it holds.
    const QImage grey = quadrants(90, 60).convertToFormat(QImage::Format_Grayscale8);
    const QString jpeg = write("grey.jpg", encodeJpeg(grey));
    const QString gif = write("two.gif", encodeGif({ quadrants(90, 60) }));
    ImageSurface box(50, 50);
    qint32 width = 0, height = 0;
    qint16 bits = 0;
    DrawPreview(jpeg, box, width, height, bits);
    EXPECT_EQ(bits, 24);
    EXPECT_EQ(width, 90);
    EXPECT_EQ(height, 60);
    EXPECT_TRUE(box.hasPicture());
    DrawPreview(gif, box, width, height, bits);
    EXPECT_EQ(bits, 8);
    expectFilledWithQuadrants(box, 4);
}

TEST_F(Preview, OtherShapesAreDistortedToFill)
{
    const QString file = write("wide.jpg", encodeJpeg(quadrants(1600, 400)));
    ImageSurface box(60, 120);
    qint32 width = 0, height = 0;
    qint16 bits = 0;
    DrawPreview(file, box, width, height, bits);
    EXPECT_EQ(width, 1600);
    expectFilledWithQuadrants(box, 16);
}

TEST_F(Preview, MissingOrUnreadableFilesLeaveAnEmptyBox)
{
    ImageSurface box(40, 40);
    box.setPicture(QImage(40, 40, QImage::Format_RGB32));
    qint32 width = 320, height = 400;
    qint16 bits = 8;
    DrawPreview(dir.filePath("missing.bmp"), box, width, height, bits);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(bits, 8);
    EXPECT_FALSE(box.hasPicture());

    bits = 0;
    DrawPreview(dir.filePath("missing.bmp"), box, width, height, bits);
    EXPECT_EQ(bits, 0);

    // A JPEG under a .BMP name is read as the JPEG it is.
    DrawPreview(write("photo.bmp", encodeJpeg(quadrants(30, 30))), box, width, height, bits);
    EXPECT_TRUE(box.hasPicture());
    EXPECT_EQ(bits, 24);
    DrawPreview(write("broken.gif", QByteArray("GIF89a")), box, width, height, bits);
    EXPECT_FALSE(box.hasPicture());
    EXPECT_EQ(width, 0);
    EXPECT_EQ(bits, 8);
}

TEST_F(Preview, FullPictureKeepsItsNaturalSize)
{
    const QString file = write("LOGO.SYS", encodeBmp(quadrants(320, 400), 24));
    ImageSurface box(10, 10);
    ShowFullPicture(file, box);
    ASSERT_TRUE(box.hasPicture());
    EXPECT_EQ(box.picture().size(), QSize(320, 400));
    EXPECT_EQ(box.scaleWidth(), 10) << "the loader path leaves sizing to the box";

    // Content decides for the general loader: a GIF named .jpg is shown all the same.
    ShowFullPicture(write("really-a-gif.jpg", encodeGif({ quadrants(30, 20) })), box);
    EXPECT_EQ(box.picture().size(), QSize(30, 20));

    ShowFullPicture(dir.filePath("missing.gif"), box);
    EXPECT_FALSE(box.hasPicture());
    EXPECT_EQ(box.scaleWidth(), 0);
    EXPECT_EQ(box.scaleHeight(), 0);
}

} // namespace
