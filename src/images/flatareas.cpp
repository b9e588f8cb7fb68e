#include "images/flatareas.h"

#include <algorithm>
#include <cmath>

namespace images
{

namespace
{

// The standard deviation of brightness, in levels, at which a neighbourhood counts as texture.
constexpr float TextureDeviation = 4.0f;

float brightness(QRgb pixel)
{
    return float(2 * qRed(pixel) + 3 * qGreen(pixel) + qBlue(pixel)) / 6.0f;
}

// How far from flat the 3 x 3 neighbourhood is, 0 to 1: its three rows, at the columns left, centre
// and right of the pixel (repeating the edge at the picture's border).
float texture(const float* const (&rows)[3], int left, int centre, int right)
{
    float sum = 0, squares = 0;
    for (const float* row : rows)
        for (const int x : { left, centre, right }) {
            const float v = row[x];
            sum += v;
            squares += v * v;
        }
    const float mean = sum / 9, variance = std::max(squares / 9 - mean * mean, 0.0f);
    return std::min(std::sqrt(variance) / TextureDeviation, 1.0f);
}

} // namespace

std::vector<float> flatAreaWeights(const QImage& rgb32, float textureDiscount)
{
    const int width = rgb32.width(), height = rgb32.height();
    std::vector<float> level(size_t(width) * height), weights(level.size());
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < width; ++x)
            level[size_t(y) * width + x] = brightness(row[x]);
    }
    for (int y = 0; y < height; ++y) {
        const float* rows[3] = { level.data() + size_t(std::max(y - 1, 0)) * width,
            level.data() + size_t(y) * width, level.data() + size_t(std::min(y + 1, height - 1)) * width };
        float* out = weights.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x)
            out[x]
                = 1.0f - textureDiscount * texture(rows, std::max(x - 1, 0), x, std::min(x + 1, width - 1));
    }
    return weights;
}

} // namespace images
