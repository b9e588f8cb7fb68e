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
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float sum = 0, squares = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const float v = level[size_t(std::clamp(y + dy, 0, height - 1)) * width
                        + size_t(std::clamp(x + dx, 0, width - 1))];
                    sum += v;
                    squares += v * v;
                }
            const float mean = sum / 9, variance = std::max(squares / 9 - mean * mean, 0.0f);
            const float texture = std::min(std::sqrt(variance) / TextureDeviation, 1.0f);
            weights[size_t(y) * width + x] = 1.0f - textureDiscount * texture;
        }
    return weights;
}

} // namespace images
