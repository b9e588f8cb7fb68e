#include "images/ditherrefinement.h"

#include "images/bothcores.h"
#include "images/nearestcolour.h"
#include "images/rgblanes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace images
{

namespace
{

// The blur's kernels reach this far each way; twice blurred, 1.8 % of the peak is left there.
constexpr int Radius = 4;
constexpr int Span = 2 * Radius + 1;
using Taps = std::array<float, Span>;

// Pictures this small are not worth a second thread.
constexpr qint64 ThreadedPixels = 20'000;

Taps gaussian(double sigma)
{
    Taps taps {};
    double sum = 0;
    for (int k = -Radius; k <= Radius; ++k)
        sum += taps[size_t(k + Radius)] = float(std::exp(-k * k / (2 * sigma * sigma)));
    for (float& tap : taps)
        tap = float(tap / sum);
    return taps;
}

// The blur of sigma 1 applied twice, cut at Radius: a change of one pixel's error by d changes
// the energy of the blurred error by 2 d (error blurred twice, there) + d^2 (this at its centre).
Taps blurredTwice()
{
    const Taps once = gaussian(1.0);
    Taps twice {};
    for (int k = -Radius; k <= Radius; ++k)
        for (int j = std::max(-Radius, -Radius - k); j <= std::min(Radius, Radius - k); ++j)
            twice[size_t(k + Radius)] += once[size_t(j + Radius)] * once[size_t(j + k + Radius)];
    return twice;
}

// Separable convolution of a width x height field that is zero outside, row after row on both
// cores: each row gathers its column sums first, then blurs them along the row.
std::vector<RgbLanes> convolved(const std::vector<RgbLanes>& field, int width, int height, const Taps& taps)
{
    std::vector<RgbLanes> result(field.size());
    splitAcrossCores(height, qint64(width) * height >= ThreadedPixels, [&](int begin, int end) {
        std::vector<RgbLanes> columns(size_t(width + 2 * Radius), RgbLanes {});
        for (int y = begin; y < end; ++y) {
            RgbLanes* sums = columns.data() + Radius;
            std::fill_n(sums, width, RgbLanes {});
            for (int from = std::max(0, y - Radius); from <= std::min(height - 1, y + Radius); ++from) {
                const RgbLanes* row = field.data() + size_t(from) * width;
                const float tap = taps[size_t(from - y + Radius)];
                for (int x = 0; x < width; ++x)
                    sums[x] += row[x] * tap;
            }
            RgbLanes* out = result.data() + size_t(y) * width;
            for (int x = 0; x < width; ++x) {
                RgbLanes sum {};
                for (int k = 0; k < Span; ++k)
                    sum += sums[x + k - Radius] * taps[size_t(k)];
                out[x] = sum;
            }
        }
    });
    return result;
}

// Per entry: its eight nearest other entries, red, green and blue four at a time, so that a
// colour can be checked quickly to be nearer to the entry than to any of them.
struct Neighbours {
    RgbLanes r[2], g[2], b[2];
};

std::vector<Neighbours> neighboursOf(const std::vector<RgbLanes>& entries)
{
    const size_t n = entries.size();
    std::vector<Neighbours> result(n);
    std::vector<std::pair<float, size_t>> order(n);
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b) {
            const RgbLanes d = entries[a] - entries[b];
            order[b]
                = { b == a ? std::numeric_limits<float>::max() : d[0] * d[0] + d[1] * d[1] + d[2] * d[2], b };
        }
        const size_t count = std::min<size_t>(8, n);
        std::partial_sort(order.begin(), order.begin() + qsizetype(count), order.end());
        for (size_t k = 0; k < 8; ++k) {
            // A short list repeats its last entry (or, for a palette of one, the entry itself).
            const RgbLanes& entry = entries[order[std::min(k, count - 1)].second];
            result[a].r[k / 4][k % 4] = entry[0];
            result[a].g[k / 4][k % 4] = entry[1];
            result[a].b[k / 4][k % 4] = entry[2];
        }
    }
    return result;
}

// The search's picture of the current result: each pixel's error against the source and that
// error blurred twice, kept up to date as pixels change.
class Search
{
public:
    Search(const QImage& rgb32, const QList<QRgb>& palette, std::span<quint8> indices,
        std::span<const float> flatness, float grainWeight)
        : m_indices(indices)
        , m_width(rgb32.width())
        , m_height(rgb32.height())
        , m_entries(size_t(palette.size()))
        , m_lookups { NearestColour(palette), NearestColour(palette) }
    {
        std::transform(palette.begin(), palette.end(), m_entries.begin(), rgbLanesOf);
        m_neighbours = neighboursOf(m_entries);
        m_grain.assign(flatness.begin(), flatness.begin() + qsizetype(m_width) * m_height);
        m_error.resize(m_grain.size());
        for (int y = 0; y < m_height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
            for (int x = 0; x < m_width; ++x) {
                const size_t i = size_t(y) * m_width + x;
                m_error[i] = m_entries[m_indices[i]] - rgbLanesOf(row[x]);
            }
        }
        const Taps twice = blurredTwice();
        m_seen = convolved(m_error, m_width, m_height, twice);
        balanceGrain(grainWeight);
        for (int dy = 0; dy < Span; ++dy)
            for (int dx = 0; dx < Span; ++dx)
                m_spread[size_t(dy * Span + dx)] = twice[size_t(dy)] * twice[size_t(dx)];
        m_centre = m_spread[size_t(Radius * Span + Radius)];
    }

    // One pass over every pixel. The halves go to both cores; a pixel's change reaches Radius
    // rows, so the rows that close to the middle are searched afterwards, once both are done.
    void sweep()
    {
        const int middle = m_height / 2;
        if (qint64(m_width) * m_height < ThreadedPixels || m_height < 4 * Radius) {
            searchRows(0, m_height, m_lookups[0]);
            return;
        }
        splitAcrossCores(2, true, [&](int begin, int end) {
            for (int half = begin; half < end; ++half)
                half == 0 ? searchRows(0, middle - Radius, m_lookups[0])
                          : searchRows(middle + Radius, m_height, m_lookups[1]);
        });
        searchRows(middle - Radius, middle + Radius, m_lookups[0]);
    }

private:
    // Both errors are weighed as shares of what the diffusion left of them, as decibels and ratios
    // judge them, so that a smooth picture and one full of texture trade tone for grain alike.
    void balanceGrain(float grainWeight)
    {
        double blurredEnergy = 0, grainEnergy = 0;
        for (size_t i = 0; i < m_error.size(); ++i) {
            const RgbLanes blurred = m_error[i] * m_seen[i], grain = m_error[i] * m_error[i] * m_grain[i];
            blurredEnergy += blurred[0] + blurred[1] + blurred[2];
            grainEnergy += grain[0] + grain[1] + grain[2];
        }
        const float scale = grainEnergy > 0 ? float(grainWeight * blurredEnergy / grainEnergy) : 0.0f;
        for (float& weight : m_grain)
            weight *= scale;
    }

    void searchRows(int begin, int end, NearestColour& nearest)
    {
        const RgbLanes zero {}, top = { 255.0f, 255.0f, 255.0f, 0.0f };
        for (int y = begin; y < end; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const size_t i = size_t(y) * m_width + x;
                const RgbLanes error = m_error[i], seen = m_seen[i], current = m_entries[m_indices[i]];
                const float grain = m_grain[i];
                // The colour that would lower the cost most if any colour could be had.
                RgbLanes best = current - (seen + error * grain) / (m_centre + grain);
                best = best < zero ? zero : best;
                best = top < best ? top : best;
                const RgbLanes away = best - current;
                const float distance = away[0] * away[0] + away[1] * away[1] + away[2] * away[2];
                if (4 * distance < float(nearest.clearance(m_indices[i]))
                    || nearerThanNeighbours(m_indices[i], best, distance))
                    continue;
                const int index = nearest.find(int(best[0] + 0.5f), int(best[1] + 0.5f), int(best[2] + 0.5f));
                if (index == m_indices[i])
                    continue;
                const RgbLanes delta = m_entries[size_t(index)] - current;
                const RgbLanes change = delta * (seen * 2 + delta * m_centre)
                    + ((error + delta) * (error + delta) - error * error) * grain;
                if (change[0] + change[1] + change[2] >= 0)
                    continue;
                m_indices[i] = quint8(index);
                m_error[i] = error + delta;
                spread(x, y, delta);
            }
        }
    }

    bool nearerThanNeighbours(int entry, RgbLanes colour, float distance) const
    {
        const Neighbours& near = m_neighbours[size_t(entry)];
        for (int group = 0; group < 2; ++group) {
            const RgbLanes dr = near.r[group] - colour[0], dg = near.g[group] - colour[1],
                           db = near.b[group] - colour[2];
            const auto closer = dr * dr + dg * dg + db * db <= distance;
            if (closer[0] | closer[1] | closer[2] | closer[3])
                return false;
        }
        return true;
    }

    void spread(int x, int y, RgbLanes delta)
    {
        const int left = std::max(0, x - Radius), right = std::min(m_width - 1, x + Radius);
        for (int row = std::max(0, y - Radius); row <= std::min(m_height - 1, y + Radius); ++row) {
            const float* taps = m_spread.data() + size_t(row - y + Radius) * Span + (left - x + Radius);
            RgbLanes* seen = m_seen.data() + size_t(row) * m_width;
            for (int column = left; column <= right; ++column)
                seen[column] += delta * taps[column - left];
        }
    }

    std::span<quint8> m_indices;
    const int m_width, m_height;
    std::vector<RgbLanes> m_entries;
    std::array<NearestColour, 2> m_lookups; // one for each core
    std::vector<Neighbours> m_neighbours;
    std::vector<float> m_grain;
    std::vector<RgbLanes> m_error; // result minus source
    std::vector<RgbLanes> m_seen; // the error blurred twice
    std::array<float, Span * Span> m_spread {};
    float m_centre = 0;
};

} // namespace

void refineDithering(const QImage& rgb32, const QList<QRgb>& palette, std::span<quint8> indices,
    std::span<const float> flatness, float grainWeight, int passes)
{
    const size_t pixels = size_t(rgb32.width()) * size_t(rgb32.height());
    if (passes <= 0 || palette.isEmpty() || indices.size() < pixels || flatness.size() < pixels)
        return;
    Search search(rgb32, palette, indices, flatness, grainWeight);
    for (int pass = 0; pass < passes; ++pass)
        search.sweep();
}

} // namespace images
