#include "images/resampler.h"

#include "images/bothcores.h"
#include "images/imagelimits.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

namespace images
{

namespace
{

using Pixel = float __attribute__((vector_size(16)));

constexpr double Lobes = 3.0;
// The intermediate rows take 16 bytes a pixel: at most 256 MiB of them.
constexpr qint64 MaxResampleBufferPixels = qint64(16) * 1024 * 1024;

double sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

double lanczos(double x)
{
    return std::abs(x) < Lobes ? sinc(x) * sinc(x / Lobes) : 0.0;
}

// The taps of every output position along one axis: a window of `taps` weights starting at
// `first[i]`, normalised to sum 1, padded with zero weights.
struct Kernel {
    int taps = 0;
    std::vector<int> first;
    std::vector<float> weights;
};

// `extent` (at most `sourceLength`) is the part of the source that the target spans.
Kernel makeKernel(int sourceLength, int targetLength, double extent)
{
    const double scale = extent / targetLength;
    const double stretch = std::max(scale, 1.0);
    const double support = Lobes * stretch;
    Kernel kernel;
    kernel.taps = std::min(int(std::ceil(support)) * 2 + 1, sourceLength);
    kernel.first.resize(targetLength);
    kernel.weights.assign(size_t(targetLength) * kernel.taps, 0.0f);
    std::vector<double> w(kernel.taps);
    for (int i = 0; i < targetLength; ++i) {
        const double center = (i + 0.5) * scale;
        int start = std::max(int(center - support + 0.5), 0);
        const int stop = std::min(int(center + support + 0.5), sourceLength);
        start = std::max(std::min(start, stop - kernel.taps), 0);
        double sum = 0.0;
        for (int k = 0; k < kernel.taps; ++k) {
            const int j = start + k;
            w[k] = j < stop ? lanczos((j + 0.5 - center) / stretch) : 0.0;
            sum += w[k];
        }
        kernel.first[i] = start;
        for (int k = 0; k < kernel.taps; ++k)
            kernel.weights[size_t(i) * kernel.taps + k] = float(sum != 0.0 ? w[k] / sum : 0.0);
    }
    return kernel;
}

Pixel toPixel(QRgb rgb)
{
    return Pixel { float(qRed(rgb)), float(qGreen(rgb)), float(qBlue(rgb)), 0.0f };
}

QRgb toRgb(Pixel p)
{
    auto channel = [](float v) { return int(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    return qRgb(channel(p[0]), channel(p[1]), channel(p[2]));
}

// Runs body(begin, end) over [0, count) on both cores when the work is big enough to pay.
template <typename Body> void forRows(int count, qint64 work, Body body)
{
    splitAcrossCores(count, work >= 2'000'000, body);
}

// Outputs filtered together along a row. Each output's sum is a chain of dependent additions;
// interleaving independent chains keeps the adder busy, and each sum still adds its taps in the
// same order, so the result does not change.
constexpr int Interleaved = 4;

// Outputs [x, x + count) of one row.
template <int count> void filterAcross(const Pixel* row, const Kernel& kernel, int x, Pixel* target)
{
    const Pixel* taps[count];
    const float* w[count];
    Pixel sum[count] {};
#pragma GCC unroll 4
    for (int i = 0; i < count; ++i) {
        taps[i] = row + kernel.first[x + i];
        w[i] = kernel.weights.data() + size_t(x + i) * kernel.taps;
    }
    for (int k = 0; k < kernel.taps; ++k)
#pragma GCC unroll 4
        for (int i = 0; i < count; ++i)
            sum[i] += taps[i][k] * w[i][k];
    for (int i = 0; i < count; ++i)
        target[x + i] = sum[i];
}

// One source row, widened to float pixels in `scratch` (its width), filtered into `kernel`'s outputs.
void filterRow(const QRgb* in, std::span<Pixel> scratch, const Kernel& kernel, Pixel* target)
{
    for (size_t x = 0; x < scratch.size(); ++x)
        scratch[x] = toPixel(in[x]);
    const int targetWidth = int(kernel.first.size());
    int x = 0;
    for (; x + Interleaved <= targetWidth; x += Interleaved)
        filterAcross<Interleaved>(scratch.data(), kernel, x, target);
    for (; x < targetWidth; ++x)
        filterAcross<1>(scratch.data(), kernel, x, target);
}

// Output row y of the vertical pass; rowAt(k) gives the k-th of the row's taps, already filtered
// across. `sum` is scratch of the target's width.
template <typename RowAt>
void blendRows(const Kernel& kernel, int y, RowAt rowAt, std::span<Pixel> sum, QRgb* out)
{
    std::fill(sum.begin(), sum.end(), Pixel {});
    const float* w = kernel.weights.data() + size_t(y) * kernel.taps;
    for (int k = 0; k < kernel.taps; ++k) {
        const float weight = w[k];
        if (weight == 0.0f)
            continue;
        const Pixel* row = rowAt(k);
        for (size_t x = 0; x < sum.size(); ++x)
            sum[x] += row[x] * weight;
    }
    for (size_t x = 0; x < sum.size(); ++x)
        out[x] = toRgb(sum[x]);
}

// Horizontal pass: each source row becomes a row of `kernel` outputs.
void horizontal(const QImage& source, const Kernel& kernel, std::vector<Pixel>& out, int targetWidth)
{
    const int sourceWidth = source.width();
    forRows(source.height(), qint64(source.height()) * targetWidth * kernel.taps, [&](int begin, int end) {
        std::vector<Pixel> row(sourceWidth);
        for (int y = begin; y < end; ++y)
            filterRow(reinterpret_cast<const QRgb*>(source.constScanLine(y)), row, kernel,
                out.data() + size_t(y) * targetWidth);
    });
}

// Vertical pass over rows of already-resampled pixels, written out as 32-bit RGB.
void vertical(const std::vector<Pixel>& in, int width, const Kernel& kernel, QImage& target)
{
    forRows(target.height(), qint64(target.height()) * width * kernel.taps, [&](int begin, int end) {
        std::vector<Pixel> sum(width);
        for (int y = begin; y < end; ++y) {
            auto rowAt = [&](int k) { return in.data() + size_t(kernel.first[y] + k) * width; };
            blendRows(kernel, y, rowAt, sum, reinterpret_cast<QRgb*>(target.scanLine(y)));
        }
    });
}

double spanned(double part, int whole)
{
    return part > 0 && part <= whole ? part : double(whole);
}

} // namespace

QImage resampleLanczos(const QImage& source, int width, int height, QSizeF extent)
{
    if (source.isNull() || !sizeAllowed(width, height))
        return {};
    const QImage rgb
        = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage target(width, height, QImage::Format_RGB32);
    if (rgb.isNull() || target.isNull())
        return {};

    // Horizontal first keeps every source row; its buffer is source height x target width.
    if (qint64(rgb.height()) * width > MaxResampleBufferPixels)
        return {};
    const Kernel across = makeKernel(rgb.width(), width, spanned(extent.width(), rgb.width()));
    const Kernel down = makeKernel(rgb.height(), height, spanned(extent.height(), rgb.height()));
    std::vector<Pixel> rows(size_t(rgb.height()) * width);
    horizontal(rgb, across, rows, width);
    vertical(rows, width, down, target);
    return target;
}

struct RowResampler::Rows {
    Kernel across, down;
    std::vector<Pixel> widened; // the source row being filtered
    std::vector<Pixel> filtered; // the last down.taps rows filtered across; row r at r % down.taps
    std::vector<Pixel> sum;
    QImage target;
    int sourceHeight = 0;
    int added = 0, written = 0;

    Pixel* filteredRow(int row) { return filtered.data() + size_t(row % down.taps) * target.width(); }
};

RowResampler::RowResampler(QSize source, QSize target, QSizeF extent)
{
    if (source.isEmpty() || !sizeAllowed(source.width(), source.height())
        || !sizeAllowed(target.width(), target.height()))
        return;
    try {
        auto rows = std::make_unique<Rows>();
        rows->target = QImage(target, QImage::Format_RGB32);
        if (rows->target.isNull())
            return;
        rows->across = makeKernel(source.width(), target.width(), spanned(extent.width(), source.width()));
        rows->down = makeKernel(source.height(), target.height(), spanned(extent.height(), source.height()));
        rows->widened.resize(source.width());
        rows->filtered.resize(size_t(rows->down.taps) * target.width());
        rows->sum.resize(target.width());
        rows->sourceHeight = source.height();
        m_rows = std::move(rows);
    } catch (const std::bad_alloc&) {
    }
}

RowResampler::~RowResampler() = default;

void RowResampler::addRow(const QRgb* row)
{
    if (!m_rows || m_rows->added == m_rows->sourceHeight)
        return;
    Rows& r = *m_rows;
    filterRow(row, r.widened, r.across, r.filteredRow(r.added));
    ++r.added;
    // Output rows start at non-decreasing source rows: each is written as soon as its last tap is in.
    while (r.written < r.target.height() && r.down.first[r.written] + r.down.taps <= r.added) {
        const int first = r.down.first[r.written];
        auto rowAt = [&](int k) { return r.filteredRow(first + k); };
        blendRows(r.down, r.written, rowAt, r.sum, reinterpret_cast<QRgb*>(r.target.scanLine(r.written)));
        ++r.written;
    }
}

QImage RowResampler::result() const
{
    return m_rows && m_rows->written == m_rows->target.height() ? m_rows->target : QImage();
}

} // namespace images
