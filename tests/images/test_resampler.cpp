// The Lanczos resampler on pictures whose right answer is known without it.
#include "images/resampler.h"

#include <gtest/gtest.h>

namespace
{

QImage columns(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 6, 255 - x * 5, (x * 37 + y * 11) % 256));
    return image;
}

} // namespace

// At the same size every output sits on a source pixel and every other tap weighs nothing, so each
// pixel must come back as it was, whatever the width's remainder when outputs are filtered in groups.
TEST(Resampler, SameSizeGivesThePictureBack)
{
    for (int width = 37; width <= 41; ++width) {
        const QImage source = columns(width, 9);
        const QImage result = images::resampleLanczos(source, width, 9, {});
        ASSERT_EQ(result.size(), source.size());
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(result.pixel(x, y), source.pixel(x, y)) << width << " wide, at " << x << "," << y;
    }
}

// A flat picture stays flat at every reduced width, first and last columns included.
TEST(Resampler, FlatPictureStaysFlatAtEveryWidth)
{
    QImage source(203, 31, QImage::Format_RGB32);
    source.fill(qRgb(200, 120, 7));
    for (int width = 1; width <= 9; ++width) {
        const QImage result = images::resampleLanczos(source, width, 5, {});
        ASSERT_EQ(result.width(), width);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(result.pixel(x, y), qRgb(200, 120, 7)) << width << " wide, at " << x << "," << y;
    }
}
