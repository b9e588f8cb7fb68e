#include "images/wupalette.h"

#include "images/bothcores.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

namespace images
{

namespace
{

// At five bits a channel, a smooth picture of few hues (a grey wall, a sky) fills too few cells of
// the histogram to be split into all the colours it may have. Seven bits for red gave less
// structural error on smooth photographs than seven for green or blue, for twice the memory of
// six; seven for all three did better still but costs eight times, more than the rest of the
// reduction takes.
constexpr int RedBits = 7, GreenBits = 6, BlueBits = 6;
constexpr int WeightUnit = 16; // a pixel of weight 1
// Pixels the histogram takes at most, so that every sum of weights and of weighted levels fits in
// 32 bits (255 * WeightUnit each); a bigger picture gives every n-th row.
constexpr qint64 MostPixels = 1'000'000;
// The levels of each channel, plus the zero plane the cumulative sums need.
constexpr int RedSide = (1 << RedBits) + 1, GreenSide = (1 << GreenBits) + 1, BlueSide = (1 << BlueBits) + 1;

constexpr int index(int r, int g, int b)
{
    return (r * GreenSide + g) * BlueSide + b;
}

struct Box {
    int r0 = 0, r1 = 0, g0 = 0, g1 = 0, b0 = 0, b1 = 0;
    int volume() const { return (r1 - r0) * (g1 - g0) * (b1 - b0); }
};

enum Axis { Red, Green, Blue };

// Cumulative moments of the histogram: the sums of any box come from eight corners. The counts and
// channel sums are kept in 32 bits, which halves the memory a conversion must touch: a box's sum is
// exact in unsigned arithmetic even where the corners' terms wrap, as the whole never passes 2^32.
using Sum = quint32;

// One cell's moments side by side, so that reading a corner costs one cache line, not five.
struct Cell {
    Sum weight, red, green, blue;
    double square; // whole numbers far below 2^53: exact in any order of summing

    void add(const Cell& other)
    {
        weight += other.weight;
        red += other.red;
        green += other.green;
        blue += other.blue;
        square += other.square;
    }
};

class Moments
{
public:
    Moments(const QImage& image, std::span<const float> weights);
    template <typename T> T volume(const Box& c, T Cell::*m) const
    {
        return at(c.r1, c.g1, c.b1).*m - at(c.r1, c.g1, c.b0).*m - at(c.r1, c.g0, c.b1).*m
            + at(c.r1, c.g0, c.b0).*m - at(c.r0, c.g1, c.b1).*m + at(c.r0, c.g1, c.b0).*m
            + at(c.r0, c.g0, c.b1).*m - at(c.r0, c.g0, c.b0).*m;
    }
    // The part of the box's sum that lies on the lower side of its `axis` face (the terms that
    // do not depend on where that face sits)...
    Sum bottom(const Box& c, Axis axis, Sum Cell::*m) const;
    // ... and the part that moves with the face when it is placed at `position`.
    Sum top(const Box& c, Axis axis, int position, Sum Cell::*m) const;
    double variance(const Box& c) const;

private:
    Cell& at(int r, int g, int b) const { return m_cells.get()[index(r, g, b)]; }
    void count(const QImage& image, std::span<const float> weights);
    void sumPlane(int r);
    void accumulate();

    // calloc clears only memory that was used before, and takes it from the heap (whose pages the
    // picture commands have faulted in already); a mapping of its own would cost fresh page faults
    // and, once unmapped, a flush of the other core's address translations.
    std::unique_ptr<Cell, decltype(&std::free)> m_cells;
};

Moments::Moments(const QImage& image, std::span<const float> weights)
    : m_cells(
        static_cast<Cell*>(std::calloc(size_t(RedSide) * GreenSide * BlueSide, sizeof(Cell))), &std::free)
{
    if (!m_cells)
        throw std::bad_alloc();
    count(image, weights);
    accumulate();
}

void Moments::count(const QImage& image, std::span<const float> weights)
{
    const int width = image.width(), height = image.height();
    const int rowStep = int(qint64(width) * height / (MostPixels + 1) + 1);
    for (int y = 0; y < height; y += rowStep) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            Cell& cell = at((r >> (8 - RedBits)) + 1, (g >> (8 - GreenBits)) + 1, (b >> (8 - BlueBits)) + 1);
            // Whole-number weights keep the cumulative sums exact.
            const int w
                = weights.empty() ? 1 : std::max(int(weights[size_t(y) * width + x] * WeightUnit + 0.5f), 1);
            cell.add(
                { Sum(w), Sum(w * r), Sum(w * g), Sum(w * b), double(w) * double(r * r + g * g + b * b) });
        }
    }
}

// Sums one red plane over green and blue.
void Moments::sumPlane(int r)
{
    for (int g = 1; g < GreenSide; ++g) {
        Cell line {};
        for (int b = 1; b < BlueSide; ++b) {
            Cell& cell = at(r, g, b);
            line.add(cell);
            cell = line;
            cell.add(at(r, g - 1, b));
        }
    }
}

// The planes are independent, and so are the green rows once the planes are summed; exact sums
// make the result the same whichever core does which part.
void Moments::accumulate()
{
    splitAcrossCores(RedSide - 1, true, [this](int begin, int end) {
        for (int r = begin + 1; r <= end; ++r)
            sumPlane(r);
    });
    splitAcrossCores(GreenSide - 1, true, [this](int begin, int end) {
        for (int r = 2; r < RedSide; ++r)
            for (int g = begin + 1; g <= end; ++g)
                for (int b = 1; b < BlueSide; ++b)
                    at(r, g, b).add(at(r - 1, g, b));
    });
}

Sum Moments::bottom(const Box& c, Axis axis, Sum Cell::*m) const
{
    switch (axis) {
    case Red:
        return -(at(c.r0, c.g1, c.b1).*m) + at(c.r0, c.g1, c.b0).*m + at(c.r0, c.g0, c.b1).*m
            - at(c.r0, c.g0, c.b0).*m;
    case Green:
        return -(at(c.r1, c.g0, c.b1).*m) + at(c.r1, c.g0, c.b0).*m + at(c.r0, c.g0, c.b1).*m
            - at(c.r0, c.g0, c.b0).*m;
    case Blue:
        return -(at(c.r1, c.g1, c.b0).*m) + at(c.r1, c.g0, c.b0).*m + at(c.r0, c.g1, c.b0).*m
            - at(c.r0, c.g0, c.b0).*m;
    }
    return 0;
}

Sum Moments::top(const Box& c, Axis axis, int p, Sum Cell::*m) const
{
    switch (axis) {
    case Red:
        return at(p, c.g1, c.b1).*m - at(p, c.g1, c.b0).*m - at(p, c.g0, c.b1).*m + at(p, c.g0, c.b0).*m;
    case Green:
        return at(c.r1, p, c.b1).*m - at(c.r1, p, c.b0).*m - at(c.r0, p, c.b1).*m + at(c.r0, p, c.b0).*m;
    case Blue:
        return at(c.r1, c.g1, p).*m - at(c.r1, c.g0, p).*m - at(c.r0, c.g1, p).*m + at(c.r0, c.g0, p).*m;
    }
    return 0;
}

double Moments::variance(const Box& c) const
{
    const double r = double(volume(c, &Cell::red)), g = double(volume(c, &Cell::green));
    const double b = double(volume(c, &Cell::blue));
    return volume(c, &Cell::square) - (r * r + g * g + b * b) / double(volume(c, &Cell::weight));
}

struct Split {
    double gain = 0.0;
    int position = -1;
};

// The face position along `axis` that leaves the two halves with the largest sum of
// squared-mean terms, i.e. the least remaining error.
Split bestSplit(const Moments& m, const Box& c, Axis axis, int first, int last)
{
    const Sum baseR = m.bottom(c, axis, &Cell::red), baseG = m.bottom(c, axis, &Cell::green);
    const Sum baseB = m.bottom(c, axis, &Cell::blue), baseW = m.bottom(c, axis, &Cell::weight);
    const double wholeR = m.volume(c, &Cell::red), wholeG = m.volume(c, &Cell::green);
    const double wholeB = m.volume(c, &Cell::blue);
    const Sum wholeW = m.volume(c, &Cell::weight);
    Split best;
    for (int i = first; i < last; ++i) {
        const Sum halfW = baseW + m.top(c, axis, i, &Cell::weight);
        if (halfW == 0 || halfW == wholeW)
            continue;
        const double r = Sum(baseR + m.top(c, axis, i, &Cell::red));
        const double g = Sum(baseG + m.top(c, axis, i, &Cell::green));
        const double b = Sum(baseB + m.top(c, axis, i, &Cell::blue));
        double gain = (r * r + g * g + b * b) / double(halfW);
        const double r2 = double(wholeR) - r, g2 = double(wholeG) - g, b2 = double(wholeB) - b;
        gain += (r2 * r2 + g2 * g2 + b2 * b2) / double(wholeW - halfW);
        if (gain > best.gain) {
            best.gain = gain;
            best.position = i;
        }
    }
    return best;
}

bool cut(const Moments& m, Box& first, Box& second)
{
    const Split r = bestSplit(m, first, Red, first.r0 + 1, first.r1);
    const Split g = bestSplit(m, first, Green, first.g0 + 1, first.g1);
    const Split b = bestSplit(m, first, Blue, first.b0 + 1, first.b1);
    second = first;
    if (r.gain >= g.gain && r.gain >= b.gain) {
        if (r.position < 0)
            return false;
        first.r1 = second.r0 = r.position;
    } else if (g.gain >= b.gain) {
        first.g1 = second.g0 = g.position;
    } else {
        first.b1 = second.b0 = b.position;
    }
    return true;
}

} // namespace

QList<QRgb> wuPalette(const QImage& rgb32, int colours, std::span<const float> weights)
{
    const Moments m(rgb32, weights);
    std::vector<Box> boxes(size_t(std::max(colours, 1)));
    std::vector<double> variance(boxes.size(), 0.0);
    boxes[0] = Box { 0, RedSide - 1, 0, GreenSide - 1, 0, BlueSide - 1 };
    int count = 1;
    int next = 0;
    while (count < colours) {
        if (cut(m, boxes[next], boxes[count])) {
            variance[next] = boxes[next].volume() > 1 ? m.variance(boxes[next]) : 0.0;
            variance[count] = boxes[count].volume() > 1 ? m.variance(boxes[count]) : 0.0;
            ++count;
        } else {
            variance[next] = 0.0;
        }
        next = 0;
        for (int i = 1; i < count; ++i)
            if (variance[i] > variance[next])
                next = i;
        if (variance[next] <= 0.0)
            break;
    }

    QList<QRgb> palette;
    for (int i = 0; i < count; ++i) {
        const qint64 w = m.volume(boxes[i], &Cell::weight);
        if (w == 0)
            continue;
        auto mean = [w](Sum sum) { return int((qint64(sum) + w / 2) / w); };
        palette.append(qRgb(mean(m.volume(boxes[i], &Cell::red)), mean(m.volume(boxes[i], &Cell::green)),
            mean(m.volume(boxes[i], &Cell::blue))));
    }
    return palette;
}

} // namespace images
