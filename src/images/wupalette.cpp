#include "images/wupalette.h"

#include "images/bothcores.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>
#include <vector>

namespace images
{

namespace
{

// Pixels the histogram takes at most, which bounds its memory; a bigger picture gives every n-th
// row.
constexpr qint64 MostPixels = 1'000'000;
// The least a pixel counts, so that no pixel's colour vanishes from the palette altogether.
constexpr float LeastWeight = 1.0f / 16;
// Distinct colours above which a picture's colours are merged into cells of 2 x 4 x 4 levels. Such
// a picture is mostly texture, where the finer levels gain no structure; the exact levels cost it
// tone there (0.13 dB of blurred PSNR on one photograph) and take more time.
constexpr size_t ManyColours = 60'000;
// Boxes span the levels of each channel.
constexpr int Levels = 256;

enum Axis { Red, Green, Blue };
constexpr Axis Axes[] = { Red, Green, Blue };

// Weighted sums of a set of pixels: their weight, channel levels and squared levels, and how many
// distinct colours they have.
struct Moments {
    double weight = 0, red = 0, green = 0, blue = 0, square = 0;
    int colours = 0;

    void add(const Moments& other)
    {
        weight += other.weight;
        red += other.red;
        green += other.green;
        blue += other.blue;
        square += other.square;
        colours += other.colours;
    }
    Moments minus(const Moments& other) const
    {
        return { weight - other.weight, red - other.red, green - other.green, blue - other.blue,
            square - other.square, colours - other.colours };
    }
    // The squared error the set's mean colour removes: the larger, the better a split.
    double meanTerm() const { return (red * red + green * green + blue * blue) / weight; }
    double variance() const { return colours > 1 ? square - meanTerm() : 0.0; }
};

// One distinct colour of the picture and how much its pixels count together. The histogram keeps
// every level rather than cells of several (unless the picture has very many colours): a sky or a
// wall has too few distinct coarse cells to be split into all the colours it deserves, and a
// 320 x 400 picture has at most 128,000 colours, fewer than the cells of a coarse histogram.
struct Colour {
    std::array<quint8, 3> level;
    float weight;

    // The colour as the sort orders it.
    quint32 packed() const;
    Moments moments() const
    {
        const double w = weight, r = level[Red], g = level[Green], b = level[Blue];
        return { w, w * r, w * g, w * b, w * (r * r + g * g + b * b), 1 };
    }
};

// The order colours are sorted in: by cells of 2 x 4 x 4 levels, then by the levels within, so
// that the colours of a cell lie side by side.
quint32 sortKey(int r, int g, int b)
{
    return quint32(r >> 1) << 17 | quint32(g >> 2) << 11 | quint32(b >> 2) << 5 | quint32(r & 1) << 4
        | quint32(g & 3) << 2 | quint32(b & 3);
}

std::array<quint8, 3> levelsOf(quint32 key)
{
    return { quint8((key >> 16 & 0xfe) | (key >> 4 & 1)), quint8((key >> 9 & 0xfc) | (key >> 2 & 3)),
        quint8((key >> 3 & 0xfc) | (key & 3)) };
}

quint32 Colour::packed() const
{
    return sortKey(level[Red], level[Green], level[Blue]);
}

// Sorts (colour << 32 | anything) values by colour, a byte of it a pass: few enough buckets that
// the writes of each pass stay in the cache.
void sortByColour(std::vector<quint64>& items)
{
    std::array<std::array<quint32, 256>, 3> start {};
    for (const quint64 item : items)
        for (int pass = 0; pass < 3; ++pass)
            ++start[size_t(pass)][size_t(item >> (32 + 8 * pass) & 0xff)];
    std::vector<quint64> sorted(items.size());
    for (int pass = 0; pass < 3; ++pass) {
        quint32 next = 0;
        for (quint32& s : start[size_t(pass)])
            next += std::exchange(s, next);
        for (const quint64 item : items)
            sorted[start[size_t(pass)][size_t(item >> (32 + 8 * pass) & 0xff)]++] = item;
        items.swap(sorted);
    }
}

// The distinct colours of every `rowStep`-th row of [begin, end), in order of colour, each with
// the summed weight of its pixels.
std::vector<Colour> distinctColoursOfRows(
    const QImage& image, std::span<const float> weights, int begin, int end, int rowStep)
{
    const int width = image.width();
    // Each pixel's colour and weight side by side, so that the sort brings them together.
    std::vector<quint64> items;
    items.reserve(size_t(width) * size_t((end - begin + rowStep - 1) / rowStep));
    for (int y = begin; y < end; y += rowStep) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const float* rowWeights = weights.empty() ? nullptr : weights.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            const float weight = rowWeights ? std::max(rowWeights[x], LeastWeight) : 1.0f;
            items.push_back(quint64(sortKey(qRed(row[x]), qGreen(row[x]), qBlue(row[x]))) << 32
                | std::bit_cast<quint32>(weight));
        }
    }
    sortByColour(items);

    std::vector<Colour> colours;
    for (size_t i = 0; i < items.size();) {
        const quint64 colour = items[i] >> 32;
        double weight = 0;
        for (; i < items.size() && items[i] >> 32 == colour; ++i)
            weight += std::bit_cast<float>(quint32(items[i]));
        colours.push_back({ levelsOf(quint32(colour)), float(weight) });
    }
    return colours;
}

// Two lists in order of colour as one, the weights of a colour in both summed.
std::vector<Colour> merged(const std::vector<Colour>& a, const std::vector<Colour>& b)
{
    std::vector<Colour> both;
    both.reserve(a.size() + b.size());
    auto i = a.begin(), j = b.begin();
    while (i != a.end() && j != b.end()) {
        const quint32 first = i->packed(), second = j->packed();
        if (first == second) {
            both.push_back({ i->level, i->weight + j->weight });
            ++i, ++j;
        } else {
            both.push_back(first < second ? *i++ : *j++);
        }
    }
    both.insert(both.end(), i, a.end());
    both.insert(both.end(), j, b.end());
    return both;
}

// Each cell of 2 x 4 x 4 levels as one colour, the weighted mean of its colours.
std::vector<Colour> mergedCells(const std::vector<Colour>& colours)
{
    std::vector<Colour> cells;
    for (size_t i = 0; i < colours.size();) {
        const quint32 cell = colours[i].packed() >> 5;
        double weight = 0, r = 0, g = 0, b = 0;
        for (; i < colours.size() && colours[i].packed() >> 5 == cell; ++i) {
            const double w = colours[i].weight;
            weight += w;
            r += w * colours[i].level[Red];
            g += w * colours[i].level[Green];
            b += w * colours[i].level[Blue];
        }
        auto mean = [weight](double sum) { return quint8(sum / weight + 0.5); };
        cells.push_back({ { mean(r), mean(g), mean(b) }, float(weight) });
    }
    return cells;
}

// The picture's distinct colours, each with the summed weight of its pixels; the halves of the
// picture are sorted on both cores.
std::vector<Colour> distinctColours(const QImage& image, std::span<const float> weights)
{
    const int width = image.width(), height = image.height();
    const int rowStep = int(qint64(width) * height / (MostPixels + 1) + 1);
    const int rows = (height + rowStep - 1) / rowStep;
    std::array<std::vector<Colour>, 2> halves;
    splitAcrossCores(rows, qint64(width) * rows >= 20'000, [&](int begin, int end) {
        halves[begin == 0 ? 0 : 1] = distinctColoursOfRows(
            image, weights, begin * rowStep, std::min(end * rowStep, height), rowStep);
    });
    std::vector<Colour> colours = halves[1].empty() ? std::move(halves[0]) : merged(halves[0], halves[1]);
    return colours.size() > ManyColours ? mergedCells(colours) : colours;
}

// A box of the colour cube: levels [low, high) of each channel, holding colours [begin, end) of the
// colour list, with their sums and the sums of each slab of the box one level thick along each
// axis (from which the best split follows).
struct Box {
    std::array<int, 3> low { 0, 0, 0 }, high { Levels, Levels, Levels };
    size_t begin = 0, end = 0;
    Moments sums;
    std::vector<Moments> slabs; // along red, then green, then blue

    size_t size() const { return end - begin; }
    Moments& slab(Axis axis, int level) { return slabs[slabIndex(axis, level)]; }
    const Moments& slab(Axis axis, int level) const { return slabs[slabIndex(axis, level)]; }
    size_t slabIndex(Axis axis, int level) const
    {
        size_t index = size_t(level - low[axis]);
        for (int a = Red; a < axis; ++a)
            index += size_t(high[a] - low[a]);
        return index;
    }

    // Counts the slabs from the box's colours; a big box's on both cores, the upper half of its
    // colours into slabs of their own.
    void countSlabs(const std::vector<Colour>& colours)
    {
        slabs.assign(slabIndex(Blue, high[Blue]), Moments {});
        const bool bothCores = size() >= 20'000;
        std::vector<Moments> upper(bothCores ? slabs.size() : 0);
        splitAcrossCores(int(size()), bothCores, [&](int first, int last) {
            Moments* into = first == 0 ? slabs.data() : upper.data();
            // Where each axis's slabs start, less the box's lowest level.
            const ptrdiff_t start[] = { -low[Red], ptrdiff_t(slabIndex(Green, low[Green])) - low[Green],
                ptrdiff_t(slabIndex(Blue, low[Blue])) - low[Blue] };
            for (size_t i = begin + size_t(first); i < begin + size_t(last); ++i) {
                const Moments sums = colours[i].moments();
                for (const Axis axis : Axes)
                    into[start[axis] + colours[i].level[axis]].add(sums);
            }
        });
        for (size_t i = 0; i < upper.size(); ++i)
            slabs[i].add(upper[i]);
    }
    // The slabs of the part of `whole` that `part` does not hold: cheaper than counting them
    // when `part` is the smaller part.
    void subtractSlabs(const Box& whole, const Box& part)
    {
        slabs.resize(slabIndex(Blue, high[Blue]));
        for (const Axis axis : Axes)
            for (int level = low[axis]; level < high[axis]; ++level) {
                const bool inPart = level >= part.low[axis] && level < part.high[axis];
                slab(axis, level) = inPart ? whole.slab(axis, level).minus(part.slab(axis, level))
                                           : whole.slab(axis, level);
            }
    }
};

struct Split {
    double gain = 0.0;
    Axis axis = Red;
    int position = -1;
    Moments lower; // the sums of the colours below `position`
};

// The face that leaves the box's two halves with the least squared error.
Split bestSplit(const Box& box)
{
    Split best;
    for (const Axis axis : Axes) {
        Moments lower;
        for (int position = box.low[axis] + 1; position < box.high[axis]; ++position) {
            lower.add(box.slab(axis, position - 1));
            if (lower.colours == 0 || lower.colours == box.sums.colours)
                continue;
            const double gain = lower.meanTerm() + box.sums.minus(lower).meanTerm();
            if (gain > best.gain)
                best = { gain, axis, position, lower };
        }
    }
    return best;
}

// Splits `first` where that removes the most error, moving its upper part to `second`; false when
// it holds a single colour. Only the smaller part's colours are counted again.
bool cut(std::vector<Colour>& colours, Box& first, Box& second)
{
    const Split split = bestSplit(first);
    if (split.position < 0)
        return false;
    const Box whole = std::move(first);
    const auto middle
        = std::partition(colours.begin() + ptrdiff_t(whole.begin), colours.begin() + ptrdiff_t(whole.end),
            [&split](const Colour& c) { return c.level[split.axis] < split.position; });
    first = second = Box { whole.low, whole.high, whole.begin, whole.end, split.lower, {} };
    first.high[split.axis] = second.low[split.axis] = split.position;
    first.end = second.begin = size_t(middle - colours.begin());
    second.sums = whole.sums.minus(split.lower);
    Box& smaller = first.size() <= second.size() ? first : second;
    Box& larger = &smaller == &first ? second : first;
    smaller.countSlabs(colours);
    larger.subtractSlabs(whole, smaller);
    return true;
}

} // namespace

QList<QRgb> wuPalette(const QImage& rgb32, int colours, std::span<const float> weights)
{
    std::vector<Colour> distinct = distinctColours(rgb32, weights);
    if (distinct.empty())
        return {};
    std::vector<Box> boxes(size_t(std::max(colours, 1)));
    std::vector<double> variance(boxes.size(), 0.0);
    boxes[0].end = distinct.size();
    for (const Colour& colour : distinct)
        boxes[0].sums.add(colour.moments());
    boxes[0].countSlabs(distinct);
    variance[0] = boxes[0].sums.variance();
    int count = 1;
    for (int next = 0; count < colours && variance[size_t(next)] > 0.0;) {
        if (cut(distinct, boxes[size_t(next)], boxes[size_t(count)])) {
            variance[size_t(next)] = boxes[size_t(next)].sums.variance();
            variance[size_t(count)] = boxes[size_t(count)].sums.variance();
            ++count;
        } else {
            variance[size_t(next)] = 0.0;
        }
        next = int(std::max_element(variance.begin(), variance.begin() + count) - variance.begin());
    }

    QList<QRgb> palette;
    for (int i = 0; i < count; ++i) {
        const Moments& s = boxes[size_t(i)].sums;
        auto mean = [w = s.weight](double sum) { return std::clamp(int(sum / w + 0.5), 0, 255); };
        palette.append(qRgb(mean(s.red), mean(s.green), mean(s.blue)));
    }
    return palette;
}

} // namespace images
