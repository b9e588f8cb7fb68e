#pragma once

// Fidelity figures of a converted picture against a reference of the same size.
#include <QImage>

#include <cmath>
#include <vector>

namespace metrics
{

using Plane = std::vector<float>;

inline Plane channel(const QImage& image, int c)
{
    Plane plane(size_t(image.width()) * image.height());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            plane[size_t(y) * rgb.width() + x] = float(c == 0 ? qRed(row[x])
                    : c == 1                                  ? qGreen(row[x])
                                                              : qBlue(row[x]));
    }
    return plane;
}

// Separable Gaussian blur with edges clamped, radius three sigmas.
inline Plane gaussian(const Plane& in, int width, int height, double sigma)
{
    const int radius = int(std::ceil(3 * sigma));
    std::vector<float> k(size_t(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += k[size_t(i + radius)] = float(std::exp(-i * i / (2 * sigma * sigma)));
    for (float& w : k)
        w = float(w / sum);
    Plane across(in.size()), out(in.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float s = 0;
            for (int i = -radius; i <= radius; ++i)
                s += k[size_t(i + radius)] * in[size_t(y) * width + std::clamp(x + i, 0, width - 1)];
            across[size_t(y) * width + x] = s;
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float s = 0;
            for (int i = -radius; i <= radius; ++i)
                s += k[size_t(i + radius)] * across[size_t(std::clamp(y + i, 0, height - 1)) * width + x];
            out[size_t(y) * width + x] = s;
        }
    return out;
}

// PSNR over the three channels after blurring both pictures with a Gaussian of sigma 1: tone and
// colour as seen from a little distance.
inline double blurredPsnr(const QImage& picture, const QImage& reference)
{
    double squared = 0;
    const int w = reference.width(), h = reference.height();
    for (int c = 0; c < 3; ++c) {
        const Plane a = gaussian(channel(picture, c), w, h, 1.0),
                    b = gaussian(channel(reference, c), w, h, 1.0);
        for (size_t i = 0; i < a.size(); ++i)
            squared += double(a[i] - b[i]) * (a[i] - b[i]);
    }
    const double mse = squared / (3.0 * w * h);
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// Mean SSIM of the three channels, Gaussian window of sigma 1.5.
inline double ssim(const QImage& picture, const QImage& reference)
{
    const int w = reference.width(), h = reference.height();
    const double c1 = (0.01 * 255) * (0.01 * 255), c2 = (0.03 * 255) * (0.03 * 255);
    double total = 0;
    for (int c = 0; c < 3; ++c) {
        const Plane x = channel(picture, c), y = channel(reference, c);
        Plane xx(x.size()), yy(x.size()), xy(x.size());
        for (size_t i = 0; i < x.size(); ++i) {
            xx[i] = x[i] * x[i];
            yy[i] = y[i] * y[i];
            xy[i] = x[i] * y[i];
        }
        const Plane mx = gaussian(x, w, h, 1.5), my = gaussian(y, w, h, 1.5);
        const Plane sxx = gaussian(xx, w, h, 1.5), syy = gaussian(yy, w, h, 1.5),
                    sxy = gaussian(xy, w, h, 1.5);
        double sum = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            const double vx = sxx[i] - double(mx[i]) * mx[i], vy = syy[i] - double(my[i]) * my[i];
            const double cov = sxy[i] - double(mx[i]) * my[i];
            sum += ((2 * mx[i] * my[i] + c1) * (2 * cov + c2))
                / ((double(mx[i]) * mx[i] + double(my[i]) * my[i] + c1) * (vx + vy + c2));
        }
        total += sum / double(x.size());
    }
    return total / 3;
}

} // namespace metrics
