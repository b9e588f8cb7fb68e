#include "images/colourquantizer.h"

#include "images/bothcores.h"
#include "images/ditherrefinement.h"
#include "images/flatareas.h"
#include "images/nearestcolour.h"
#include "images/rgblanes.h"
#include "images/wupalette.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace images
{

namespace
{

// The picture's colours when there are no more than `limit` of them, else empty.
QList<QRgb> fewColours(const QImage& image, int limit)
{
    QSet<QRgb> seen;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            seen.insert(row[x] | 0xff000000u);
            if (seen.size() > limit)
                return {};
        }
    }
    QList<QRgb> colours(seen.begin(), seen.end());
    std::sort(colours.begin(), colours.end());
    return colours;
}

// The colours each palette entry was chosen for, summed so that the entries can move to their means.
class EntryMeans
{
public:
    explicit EntryMeans(qsizetype entries)
        : m_sums(size_t(entries) * 4, 0.0)
    {
    }
    void add(int index, double r, double g, double b, double weight = 1.0)
    {
        double* s = m_sums.data() + size_t(index) * 4;
        s[0] += r * weight;
        s[1] += g * weight;
        s[2] += b * weight;
        s[3] += weight;
    }
    void add(const EntryMeans& other)
    {
        for (size_t i = 0; i < m_sums.size(); ++i)
            m_sums[i] += other.m_sums[i];
    }
    // Entries nothing was chosen for stay where they are.
    void moveEntries(QList<QRgb>& palette) const
    {
        for (int i = 0; i < palette.size(); ++i) {
            const double* s = m_sums.data() + size_t(i) * 4;
            if (s[3] == 0)
                continue;
            auto mean = [n = s[3]](double sum) { return int(sum / n + 0.5); };
            palette[i] = qRgb(mean(s[0]), mean(s[1]), mean(s[2]));
        }
    }

private:
    std::vector<double> m_sums; // red, green, blue and count of each entry
};

// One Lloyd pass: every entry moves to the mean of the pixels nearest to it, each pixel counting
// as much as `weights` says. Every `stride`-th pixel of every `stride`-th row stands for its
// neighbours. The picture's halves are searched on both cores, each with a lookup of its own.
void refine(const QImage& image, QList<QRgb>& palette, const std::vector<float>& weights, int stride)
{
    EntryMeans top(palette.size()), bottom(palette.size());
    const int width = image.width(), height = image.height();
    const int rows = (height + stride - 1) / stride;
    splitAcrossCores(rows, qint64(width) * height / (stride * stride) >= 20'000, [&](int begin, int end) {
        NearestColour nearest(palette);
        EntryMeans& means = begin == 0 ? top : bottom;
        for (int y = begin * stride; y < std::min(end * stride, height); y += stride) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width; x += stride) {
                const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
                means.add(nearest.find(r, g, b), r, g, b, weights[size_t(y) * width + x]);
            }
        }
    });
    top.add(bottom);
    top.moveEntries(palette);
}

void mapExactly(const QImage& image, const QList<QRgb>& palette, std::span<quint8> indices)
{
    NearestColour nearest(palette);
    quint8* out = indices.data();
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            *out++ = quint8(nearest.find(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
    }
}

// Floyd-Steinberg error diffusion of rows [begin, end) along a serpentine path (alternate rows
// run backwards, so the error does not drift to one side), passing on `strength` of each pixel's
// error. `wanted`, when given, collects the colours (pixel plus error) each entry was chosen for.
// The three channels are worked on side by side, each with the same steps as alone.
void diffuseRows(const QImage& image, const QList<QRgb>& palette, float strength, std::span<quint8> indices,
    int begin, int end, EntryMeans* wanted)
{
    NearestColour nearest(palette);
    std::vector<RgbLanes> entries(size_t(palette.size()));
    std::transform(palette.begin(), palette.end(), entries.begin(), rgbLanesOf);
    const int width = image.width();
    // Error rows with one spare pixel at each end.
    std::vector<RgbLanes> current(size_t(width + 2), RgbLanes {}), next(current.size(), RgbLanes {});
    const RgbLanes zero {}, top = { 255.0f, 255.0f, 255.0f, 255.0f };
    for (int y = begin; y < end; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        quint8* out = indices.data() + size_t(y) * width;
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        std::fill(next.begin(), next.end(), RgbLanes {});
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            RgbLanes want = rgbLanesOf(row[x]) + current[size_t(x + 1)];
            want = want < zero ? zero : want;
            want = top < want ? top : want;
            const int index = nearest.find(int(want[0] + 0.5f), int(want[1] + 0.5f), int(want[2] + 0.5f));
            out[x] = quint8(index);
            if (wanted)
                wanted->add(index, want[0], want[1], want[2]);
            const RgbLanes error = (want - entries[size_t(index)]) * strength;
            current[size_t(x + 1 + step)] += error * (7.0f / 16);
            RgbLanes* below = next.data() + x + 1;
            below[-step] += error * (3.0f / 16);
            below[0] += error * (5.0f / 16);
            below[step] += error * (1.0f / 16);
        }
        std::swap(current, next);
    }
}

// Diffuses the picture's two halves on both cores. The lower half starts without the error of
// the row above it; at partial strength that error fades within a few rows, which leaves no seam
// that the fidelity figures can find.
void diffuse(const QImage& image, const QList<QRgb>& palette, float strength, std::span<quint8> indices,
    EntryMeans* wanted = nullptr)
{
    EntryMeans lowerWanted(palette.size());
    splitAcrossCores(
        image.height(), qint64(image.width()) * image.height() >= 20'000, [&](int begin, int end) {
            diffuseRows(
                image, palette, strength, indices, begin, end, begin == 0 || !wanted ? wanted : &lowerWanted);
        });
    if (wanted)
        wanted->add(lowerWanted);
}

} // namespace

bool quantizeColours(const QImage& rgb32, int colours, std::span<quint8> indices, QList<QRgb>& palette,
    const QuantizerSettings& settings)
{
    if (rgb32.isNull() || rgb32.format() != QImage::Format_RGB32 || colours < 2 || colours > 256
        || indices.size() < size_t(rgb32.width()) * size_t(rgb32.height()))
        return false;

    palette = fewColours(rgb32, colours);
    if (!palette.isEmpty()) {
        mapExactly(rgb32, palette, indices);
        return true;
    }
    const std::vector<float> weights = flatAreaWeights(rgb32, settings.textureDiscount);
    palette = wuPalette(rgb32, colours, weights);
    for (int pass = 0; pass < settings.refinePasses; ++pass)
        refine(rgb32, palette, weights, settings.refineStride);
    for (int pass = 0; pass < settings.ditheredRefinePasses; ++pass) {
        EntryMeans wanted(palette.size());
        diffuse(rgb32, palette, settings.ditherStrength, indices, &wanted);
        wanted.moveEntries(palette);
    }
    diffuse(rgb32, palette, settings.ditherStrength, indices);
    refineDithering(rgb32, palette, indices, weights, settings.grainWeight, settings.searchPasses);
    return true;
}

} // namespace images
