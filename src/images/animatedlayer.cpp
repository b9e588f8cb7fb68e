#include "images/animatedlayer.h"

#include "images/paletteanimation.h"
#include "images/screenanimation.h"

#include <algorithm>
#include <cmath>

namespace images
{

namespace
{

// Close to Windows' own bar: a band along the bottom edge, blue deepening and brightening.
constexpr int BarRows = 12;
constexpr QRgb BarDark = qRgb(0, 16, 88);
constexpr QRgb BarBright = qRgb(96, 176, 255);

int mix(int from, int to, double share)
{
    return int(std::lround(from + (to - from) * share));
}

// A triangle wave over the cycle: dark at both ends, bright in the middle, so entry 255 leads
// back into entry S as smoothly as any two neighbours.
QRgb gradientColour(int entry, int colours)
{
    const double share = 1.0 - std::abs(2.0 * entry / colours - 1.0);
    return qRgb(mix(qRed(BarDark), qRed(BarBright), share), mix(qGreen(BarDark), qGreen(BarBright), share),
        mix(qBlue(BarDark), qBlue(BarBright), share));
}

} // namespace

void AnimatedLayer::applyTo(std::span<quint8> pictureIndices, std::span<quint8> palette) const
{
    if (isEmpty())
        return;
    const size_t pixels = std::min(pictureIndices.size(), indices.size());
    for (size_t i = 0; i < pixels; ++i)
        if (indices[i] != 0)
            pictureIndices[i] = indices[i];
    for (int i = 0; i < colours.size() && (firstAnimated + i) * 4 + 3 < int(palette.size()); ++i) {
        quint8* entry = palette.data() + size_t(firstAnimated + i) * 4;
        entry[0] = quint8(qBlue(colours[i]));
        entry[1] = quint8(qGreen(colours[i]));
        entry[2] = quint8(qRed(colours[i]));
        entry[3] = 0;
    }
}

AnimatedLayer animatedBar(int width, int height, int colours)
{
    if (width <= 0 || height <= 0 || colours < MinBarColours || colours > MaxBarColours)
        return {};
    AnimatedLayer layer;
    layer.firstAnimated = PaletteEntries - colours;
    for (int entry = 0; entry < colours; ++entry)
        layer.colours.append(gradientColour(entry, colours));
    layer.indices.assign(size_t(width) * height, 0);
    const int top = std::max(0, height - BarRows);
    for (int x = 0; x < width; ++x) {
        // Entries fall from left to right, and the rotation hands each colour to the entry below,
        // so the gradient moves right.
        const auto index = quint8(PaletteEntries - 1 - qint64(x) * colours / width);
        for (int y = top; y < height; ++y)
            layer.indices[size_t(y) * width + x] = index;
    }
    return layer;
}

AnimatedLayer keptAnimation(const QString& fileName, int width, int height)
{
    if (width <= 0 || height <= 0 || readFirstAnimatedIndex(fileName) == 0)
        return {};
    const IndexedScreen screen = readIndexedScreen(fileName);
    if (screen.isNull() || screen.firstAnimated == 0)
        return {};
    AnimatedLayer layer;
    layer.firstAnimated = screen.firstAnimated;
    layer.colours = screen.indices.colorTable().mid(screen.firstAnimated);
    layer.indices.assign(size_t(width) * height, 0);
    const qint64 sourceWidth = screen.indices.width(), sourceHeight = screen.indices.height();
    for (int y = 0; y < height; ++y) {
        // The source pixel under each target pixel's centre, as a nearest-neighbour stretch.
        const uchar* row = screen.indices.constScanLine(int((2 * y + 1) * sourceHeight / (2 * height)));
        quint8* out = layer.indices.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            const quint8 index = row[(2 * x + 1) * sourceWidth / (2 * width)];
            out[x] = index >= screen.firstAnimated ? index : 0;
        }
    }
    return layer;
}

} // namespace images
