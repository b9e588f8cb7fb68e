// Wu's palette: faithful on big pictures, exact and finely spaced on smooth ones.
#include "images/wupalette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace
{

// A bright picture of 1.5 million pixels, whose weighted channel sums pass 2^32: a palette of one
// entry is its mean colour, and every colour lies near an entry of a palette of 64.
TEST(WuPalette, PicturesOfMillionsOfPixelsGetAFaithfulPalette)
{
    const int width = 1500, height = 1000;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(192 + x * 63 / (width - 1), 192 + y * 63 / (height - 1), 250));
    const std::vector<float> fullWeight(size_t(width) * height, 1.0f);
    const QList<QRgb> mean = images::wuPalette(image, 1, fullWeight);
    ASSERT_EQ(mean.size(), 1);
    EXPECT_NEAR(qRed(mean[0]), 223, 1);
    EXPECT_NEAR(qGreen(mean[0]), 223, 1);
    EXPECT_NEAR(qBlue(mean[0]), 250, 1);
    const QList<QRgb> palette = images::wuPalette(image, 64, fullWeight);
    ASSERT_FALSE(palette.isEmpty());
    for (const QRgb entry : palette) {
        EXPECT_GE(qRed(entry), 192);
        EXPECT_GE(qGreen(entry), 192);
        EXPECT_NEAR(qBlue(entry), 250, 2);
    }
    int worst = 0;
    for (int y = 0; y < height; y += 37)
        for (int x = 0; x < width; x += 41) {
            const QRgb c = image.pixel(x, y);
            int nearest = 1 << 30;
            for (const QRgb entry : palette)
                nearest = std::min(nearest,
                    std::max({ std::abs(qRed(entry) - qRed(c)), std::abs(qGreen(entry) - qGreen(c)),
                        std::abs(qBlue(entry) - qBlue(c)) }));
            worst = std::max(worst, nearest);
        }
    EXPECT_LE(worst, 8);
}

// A smooth ramp of one hue (a sky, a wall) covers few cells of the histogram, and a cell is never
// split: the ramp must still get an entry for every second level of red.
TEST(WuPalette, ASmoothRampOfOneHueGetsFineSteps)
{
    const int width = 256, height = 16;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(100 + x / 4, 150, 200));
    const std::vector<float> fullWeight(size_t(width) * height, 1.0f);
    const QList<QRgb> palette = images::wuPalette(image, 256, fullWeight);
    EXPECT_GE(palette.size(), 32);
    for (int red = 100; red < 164; ++red) {
        const auto nearest = std::min_element(palette.begin(), palette.end(),
            [red](QRgb a, QRgb b) { return std::abs(qRed(a) - red) < std::abs(qRed(b) - red); });
        EXPECT_LE(std::abs(qRed(*nearest) - red), 1) << red;
    }
}

// A smooth ramp of 200 colours one level apart in green and blue (a sky whose steps would show):
// a palette of 256 gives every one of them its own entry, none merged with its neighbours.
TEST(WuPalette, ARampOfFewerColoursThanEntriesKeepsEveryLevel)
{
    const int width = 200, height = 8;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + x / 50, 20 + x, 255 - x));
    const std::vector<float> weights(size_t(width) * height, 1.0f);
    QList<QRgb> palette = images::wuPalette(image, 256, weights);
    std::sort(palette.begin(), palette.end(), [](QRgb a, QRgb b) { return qGreen(a) < qGreen(b); });
    ASSERT_EQ(palette.size(), width);
    for (int x = 0; x < width; ++x)
        EXPECT_EQ(palette[x], image.pixel(x, 0)) << x;
}

// Two grey ramps of equal size, the dark one counting ten times the light one: most entries go to
// the dark ramp, which is what lets flat areas take the palette from texture.
TEST(WuPalette, EntriesFollowThePixelsWeights)
{
    const int width = 256, height = 64;
    QImage image(width, height, QImage::Format_RGB32);
    std::vector<float> weights(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool dark = x < width / 2;
            const int grey = dark ? x / 2 : 128 + (x - width / 2) / 2;
            image.setPixel(x, y, qRgb(grey, grey, grey));
            weights[size_t(y) * width + x] = dark ? 1.0f : 0.1f;
        }
    const QList<QRgb> palette = images::wuPalette(image, 16, weights);
    ASSERT_EQ(palette.size(), 16);
    const auto darkEntries
        = std::count_if(palette.begin(), palette.end(), [](QRgb c) { return qGreen(c) < 64; });
    EXPECT_GE(darkEntries, 10) << darkEntries << " of 16";
}

// Noise of more distinct colours than the palette looks at one by one: a palette of one entry is
// still its mean colour, and every entry of a full palette lies within the noise's levels.
TEST(WuPalette, NoiseOfManyColoursGetsAFaithfulPalette)
{
    const int width = 400, height = 400;
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> level(100, 163);
    double sum[3] = {};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = level(random), g = level(random), b = level(random);
            image.setPixel(x, y, qRgb(r, g, b));
            sum[0] += r, sum[1] += g, sum[2] += b;
        }
    const std::vector<float> weights(size_t(width) * height, 1.0f);
    const QList<QRgb> mean = images::wuPalette(image, 1, weights);
    ASSERT_EQ(mean.size(), 1);
    const double pixels = double(width) * height;
    EXPECT_NEAR(qRed(mean[0]), sum[0] / pixels, 1.0);
    EXPECT_NEAR(qGreen(mean[0]), sum[1] / pixels, 1.0);
    EXPECT_NEAR(qBlue(mean[0]), sum[2] / pixels, 1.0);
    const QList<QRgb> palette = images::wuPalette(image, 256, weights);
    EXPECT_EQ(palette.size(), 256);
    for (const QRgb entry : palette)
        for (const int channel : { qRed(entry), qGreen(entry), qBlue(entry) }) {
            EXPECT_GE(channel, 100);
            EXPECT_LE(channel, 163);
        }
}

} // namespace
