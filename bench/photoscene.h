#pragma once

// A synthetic landscape photograph for the benchmark: smooth sky gradients and a sun glow (where
// banding shows), clouds, textured hills with soft ridges, a field of fine grass texture with
// small saturated flowers, hard-edged dark trees, and sensor grain.
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

namespace photoscene
{

inline float hash(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffffff) / float(0xffffff);
}

inline float noise(float x, float y, uint32_t seed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    float fx = x - ix, fy = y - iy;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const float a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed);
    const float c = hash(ix, iy + 1, seed), d = hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

inline float fbm(float x, float y, int octaves, uint32_t seed)
{
    float sum = 0, amplitude = 0.5f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise(x, y, seed + uint32_t(i) * 17);
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / (1.0f - amplitude * 2.0f + 1e-6f);
}

struct Rgb {
    float r, g, b;
};

inline Rgb mix(Rgb a, Rgb b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return { a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t };
}

inline float smooth(float edge, float value, float width)
{
    const float t = std::clamp((value - edge) / width + 0.5f, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

inline Rgb pixel(int x, int y, int width, int height, uint32_t seed)
{
    const float u = float(x) / width, v = float(y) / height;
    const float aspect = float(width) / height;
    const float px = 1.0f / height; // one pixel in v units, for soft edges
    // Sky with a warm glow around the sun.
    Rgb c = mix(Rgb { 235, 205, 170 }, Rgb { 55, 105, 185 }, std::pow(std::max(0.0f, 1.0f - v / 0.5f), 0.8f));
    const float du = (u - 0.68f) * aspect, dv = v - 0.22f;
    const float sun = du * du + dv * dv;
    c = mix(c, Rgb { 255, 236, 190 }, std::exp(-sun / 0.012f) * 0.85f);
    c = mix(c, Rgb { 255, 252, 240 }, smooth(0.0025f, 0.0025f - sun + 0.0025f, 0.0006f));
    const float cloud = fbm(u * 5 * aspect, v * 9, 5, seed);
    c = mix(c, Rgb { 245, 245, 250 }, smooth(0.58f, cloud, 0.12f) * std::max(0.0f, 1.0f - v * 2.2f));
    // Far mountains, then a nearer hill, each with its own texture.
    const float ridge1 = 0.42f + 0.12f * fbm(u * 3 * aspect, 0.5f, 5, seed + 101);
    const float rock = fbm(u * 60 * aspect, v * 60, 3, seed + 202);
    c = mix(c, Rgb { 95 + 40 * rock, 110 + 35 * rock, 140 + 30 * rock }, smooth(ridge1, v, 1.5f * px));
    const float ridge2 = 0.58f + 0.07f * fbm(u * 6 * aspect, 1.5f, 5, seed + 303);
    const float bush = fbm(u * 150 * aspect, v * 150, 3, seed + 404);
    c = mix(c, Rgb { 50 + 60 * bush, 80 + 50 * bush, 35 + 25 * bush }, smooth(ridge2, v, 1.5f * px));
    // Field with fine grass, and flowers.
    const float field = 0.78f + 0.02f * std::sin(u * 9);
    const float grass = noise(u * 700 * aspect, v * 90, seed + 505);
    c = mix(c, Rgb { 95 + 80 * grass, 125 + 70 * grass, 30 + 20 * grass }, smooth(field, v, 1.5f * px));
    if (v > field) {
        const float fx = u * 120 * aspect, fy = v * 120;
        const int cx = int(fx), cy = int(fy);
        const float ox = hash(cx, cy, seed + 606), oy = hash(cx, cy, seed + 707);
        const float d = std::hypot(fx - cx - ox * 0.6f - 0.2f, fy - cy - oy * 0.6f - 0.2f);
        const bool red = hash(cx, cy, seed + 808) > 0.5f;
        c = mix(c, red ? Rgb { 220, 40, 50 } : Rgb { 245, 210, 40 }, smooth(0.0f, 0.12f - d, 0.05f));
    }
    // Two dark trees with hard edges.
    for (const float treeU : { 0.18f, 0.83f }) {
        const float dx = (u - treeU) * aspect, dy = v - 0.52f;
        const float crown = dx * dx / 0.004f + dy * dy / 0.02f + 0.25f * fbm(u * 80, v * 80, 2, seed + 909);
        const float trunk = std::abs(dx) < 0.006f && v > 0.55f && v < field + 0.03f ? 1.0f : 0.0f;
        c = mix(c, Rgb { 25, 45 + 25 * bush, 20 }, smooth(1.0f, 1.25f - crown, 0.02f));
        c = mix(c, Rgb { 60, 40, 25 }, trunk);
    }
    // Sensor grain.
    const float grain = (hash(x, y, seed + 1001) + hash(x, y, seed + 1002) - 1.0f) * 8.0f;
    return { c.r + grain, c.g + grain, c.b + grain };
}

inline QImage render(int width, int height, uint32_t seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    auto rows = [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const Rgb p = pixel(x, y, width, height, seed);
                auto channel = [](float value) { return int(std::clamp(value + 0.5f, 0.0f, 255.0f)); };
                line[x] = qRgb(channel(p.r), channel(p.g), channel(p.b));
            }
        }
    };
    std::thread helper(rows, height / 2, height);
    rows(0, height / 2);
    helper.join();
    return image;
}

} // namespace photoscene
