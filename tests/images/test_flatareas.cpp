// Palette weights that favour flat areas, and what they do to the palette.
#include "images/colourquantizer.h"
#include "images/flatareas.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace
{

// Top half: a smooth sky of two hues; bottom half: loud colour noise.
QImage skyOverNoise()
{
    QImage image(320, 400, QImage::Format_RGB32);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> level(0, 255);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 320; ++x)
            image.setPixel(x, y,
                y < 200 ? qRgb(60 + x * 140 / 319, 120 + y / 4, 150 + y / 2)
                        : qRgb(level(random), level(random), level(random)));
    return image;
}

TEST(FlatAreas, FlatCountsFullyTextureLessAndAnEdgeOnlyBesideIt)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    for (int y = 0; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, y < 20 ? qRgb(200, 200, 200) : qRgb((x + y) % 2 * 255, 0, 255));
    const std::vector<float> weights = images::flatAreaWeights(image, 0.8f);
    auto at = [&](int x, int y) { return weights[size_t(y) * 40 + x]; };
    EXPECT_FLOAT_EQ(at(5, 5), 1.0f);
    EXPECT_FLOAT_EQ(at(17, 5), 1.0f) << "two pixels from the edge";
    EXPECT_FLOAT_EQ(at(30, 5), 1.0f);
    EXPECT_LT(at(19, 5), 1.0f);
    EXPECT_LT(at(20, 5), 1.0f);
    EXPECT_NEAR(at(30, 30), 0.2f, 1e-6) << "texture counts a fifth";
    EXPECT_FLOAT_EQ(images::flatAreaWeights(image, 0.0f)[size_t(30) * 40 + 30], 1.0f);
}

// The sky gets more of the palette when texture counts less, so its steps and grain shrink.
TEST(FlatAreas, FlatPartOfAPictureGetsMoreOfThePalette)
{
    const QImage image = skyOverNoise();
    auto skyEntries = [&](float textureDiscount) {
        std::vector<quint8> indices(320 * 400);
        QList<QRgb> palette;
        images::QuantizerSettings settings;
        settings.textureDiscount = textureDiscount;
        settings.searchPasses = 0; // the entries diffusion uses, before the search picks among them
        EXPECT_TRUE(images::quantizeColours(image, 256, indices, palette, settings));
        return std::set<quint8>(indices.begin(), indices.begin() + 320 * 200).size();
    };
    const size_t weighted = skyEntries(0.8f), plain = skyEntries(0.0f);
    EXPECT_GT(weighted, plain + plain / 4) << weighted << " entries in the sky against " << plain;
}

// Two flat areas of nearly the same colour beside a colourful gradient: each flat colour gets an
// entry of its own, so both come out as one index each, without dither grain.
TEST(FlatAreas, NeighbouringFlatColoursComeOutWithoutGrain)
{
    const QRgb left = qRgb(97, 163, 45), middle = qRgb(97, 161, 45);
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            image.setPixel(x, y, x < 100 ? left : x < 200 ? middle : qRgb(x, y, (x * y) % 256));
    std::vector<quint8> indices(300 * 200);
    QList<QRgb> palette;
    ASSERT_TRUE(images::quantizeColours(image, 256, indices, palette));
    // Away from the gradient, whose diffused error may reach a few pixels in.
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 190; ++x)
            ASSERT_EQ(palette[indices[size_t(y) * 300 + x]], x < 100 ? left : middle) << x << ", " << y;
}

} // namespace
