// The libjpeg decoder: reduced decodes by eighths, and the colour spaces JPEGs come in.
#include "images/jpegdecoder.h"
#include "picturefixtures.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

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
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * 4);
    for (int x = 0; x < width; ++x)
        std::copy(ink, ink + 4, row.begin() + x * 4);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
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

} // namespace
