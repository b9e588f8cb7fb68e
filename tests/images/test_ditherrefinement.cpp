// The search that refines a dithered result: tone kept, grain lowered where the picture is flat.
#include "images/colourquantizer.h"
#include "images/ditherrefinement.h"

#include <gtest/gtest.h>

#include <random>

namespace
{

constexpr int CellSize = 8;

struct CellErrors {
    double worstBias = 0; // largest mean error of a cell, in levels
    double rmsBias = 0; // over all cells
    double grain = 0; // mean squared deviation of the error from its cell's mean
};

// The error of `out` against `source`, channel by channel, per 8 x 8 cell: what a viewer sees from
// a little distance (bias) and the grain within.
CellErrors cellErrors(const QImage& out, const QImage& source)
{
    CellErrors result;
    int cells = 0;
    for (int cy = 0; cy + CellSize <= source.height(); cy += CellSize)
        for (int cx = 0; cx + CellSize <= source.width(); cx += CellSize)
            for (int channel = 0; channel < 3; ++channel) {
                double sum = 0, squares = 0;
                for (int y = cy; y < cy + CellSize; ++y)
                    for (int x = cx; x < cx + CellSize; ++x) {
                        const int shift = 16 - 8 * channel;
                        const double e
                            = int(out.pixel(x, y) >> shift & 0xff) - int(source.pixel(x, y) >> shift & 0xff);
                        sum += e;
                        squares += e * e;
                    }
                const double mean = sum / (CellSize * CellSize);
                result.worstBias = std::max(result.worstBias, std::abs(mean));
                result.rmsBias += mean * mean;
                result.grain += squares / (CellSize * CellSize) - mean * mean;
                ++cells;
            }
    result.rmsBias = std::sqrt(result.rmsBias / cells);
    result.grain /= cells;
    return result;
}

QImage expanded(const std::vector<quint8>& indices, const QList<QRgb>& palette, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, palette[indices[size_t(y) * size.width() + x]]);
    return image;
}

// A flat grey between two entries, large enough to be searched on both cores, starting from white
// noise of the right proportion: the search brings the tone closer and uses no other entries;
// weighed towards grain it gives up tone for less grain, but never beyond the nearest entry alone;
// the result does not depend on the threads' timing.
TEST(DitherRefinement, FlatGreyBetweenTwoEntriesTradesToneForGrainAsWeighed)
{
    const QSize size(160, 160);
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(qRgb(103, 103, 103));
    const QList<QRgb> palette { qRgb(0, 0, 0), qRgb(100, 100, 100), qRgb(110, 110, 110),
        qRgb(255, 255, 255) };
    std::vector<quint8> noise(size_t(size.width()) * size.height());
    std::mt19937 random(7);
    std::bernoulli_distribution light(0.3);
    for (quint8& index : noise)
        index = light(random) ? 2 : 1;
    const std::vector<float> flat(noise.size(), 1.0f);
    auto refined = [&](float grainWeight) {
        std::vector<quint8> indices = noise;
        images::refineDithering(grey, palette, indices, flat, grainWeight, 2);
        return indices;
    };

    const CellErrors start = cellErrors(expanded(noise, palette, size), grey);
    const std::vector<quint8> toneOnly = refined(0.0f);
    const CellErrors tone = cellErrors(expanded(toneOnly, palette, size), grey);
    EXPECT_LT(tone.rmsBias, start.rmsBias * 0.7);
    EXPECT_LT(tone.worstBias, start.worstBias * 0.6);
    for (const quint8 index : toneOnly)
        ASSERT_TRUE(index == 1 || index == 2) << "only the two entries around the grey";
    EXPECT_EQ(refined(0.0f), toneOnly);

    const CellErrors balanced = cellErrors(expanded(refined(2.0f), palette, size), grey);
    const CellErrors smooth = cellErrors(expanded(refined(50.0f), palette, size), grey);
    EXPECT_LT(balanced.grain, tone.grain);
    EXPECT_LT(smooth.grain, balanced.grain / 2);
    EXPECT_LT(smooth.rmsBias, 3.01) << "never worse than the nearest entry alone";
}

// A smooth sky of more than 256 colours, reduced whole at the same diffusion strength: the search
// brings the tone seen from a little distance closer for little more grain, and weighed towards
// grain it gives less grain than diffusion alone.
TEST(DitherRefinement, SkyGainsToneOrLosesGrainAsWeighed)
{
    const QSize size(320, 200);
    QImage sky(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            sky.setPixel(x, y, qRgb(60 + x * 140 / 319, 120 + y / 2, 150 + (x + y) / 4));
    auto reduced = [&](int searchPasses, float grainWeight) {
        images::QuantizerSettings settings;
        settings.searchPasses = searchPasses;
        settings.grainWeight = grainWeight;
        std::vector<quint8> indices(size_t(size.width()) * size.height());
        QList<QRgb> palette;
        EXPECT_TRUE(images::quantizeColours(sky, 256, indices, palette, settings));
        return cellErrors(expanded(indices, palette, size), sky);
    };
    const images::QuantizerSettings defaults;
    const CellErrors plain = reduced(0, 0), searched = reduced(defaults.searchPasses, defaults.grainWeight),
                     smooth = reduced(defaults.searchPasses, 16);
    EXPECT_LT(searched.rmsBias, plain.rmsBias * 0.85) << searched.rmsBias << " against " << plain.rmsBias;
    EXPECT_LT(searched.grain, plain.grain * 1.25) << searched.grain << " against " << plain.grain;
    EXPECT_LT(smooth.grain, plain.grain * 0.8) << smooth.grain << " against " << plain.grain;
}

} // namespace
