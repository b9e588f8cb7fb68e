#include "images/bootpreview.h"

#include "images/gifwriter.h"
#include "images/paletteanimation.h"

#include <QRect>

#include <algorithm>

namespace images
{

namespace
{

// The indices stretched to the boot view by nearest pixel, so that they stay palette indices.
std::vector<quint8> bootViewIndices(const QImage& indexed)
{
    std::vector<quint8> out(size_t(BootViewWidth) * BootViewHeight);
    const qint64 width = indexed.width(), height = indexed.height();
    for (int y = 0; y < BootViewHeight; ++y) {
        const uchar* row = indexed.constScanLine(int(y * height / BootViewHeight));
        quint8* target = out.data() + size_t(y) * BootViewWidth;
        for (int x = 0; x < BootViewWidth; ++x)
            target[x] = row[x * width / BootViewWidth];
    }
    return out;
}

// The smallest rectangle holding every pixel whose colour turns; one pixel when none does.
QRect turningArea(const std::vector<quint8>& indices, int firstAnimated)
{
    int left = BootViewWidth, right = -1, top = BootViewHeight, bottom = -1;
    for (int y = 0; y < BootViewHeight; ++y) {
        const quint8* row = indices.data() + size_t(y) * BootViewWidth;
        for (int x = 0; x < BootViewWidth; ++x) {
            if (row[x] < firstAnimated)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    return right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

GifFrame cutFrame(const std::vector<quint8>& indices, const QRect& area)
{
    GifFrame frame(area.width(), area.height(), {});
    frame.left = area.left();
    frame.top = area.top();
    frame.delayCentiseconds = AnimationStepMillis / 10;
    frame.indices.reserve(size_t(area.width()) * area.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto row = indices.begin() + qsizetype(y) * BootViewWidth;
        frame.indices.insert(frame.indices.end(), row + area.left(), row + area.right() + 1);
    }
    return frame;
}

} // namespace

QByteArray bootPreviewGif(const IndexedScreen& screen)
{
    if (screen.isNull())
        return {};
    const QList<QRgb> palette = screen.indices.colorTable();
    const std::vector<quint8> indices = bootViewIndices(screen.indices);
    const int period = animationPeriod(screen.firstAnimated);
    QList<GifFrame> frames { cutFrame(indices, QRect(0, 0, BootViewWidth, BootViewHeight)) };
    // Every later frame repaints only the turning pixels, with that step's palette as its own.
    const QRect turning = period > 0 ? turningArea(indices, screen.firstAnimated) : QRect();
    for (int step = 1; step < period; ++step) {
        GifFrame frame = cutFrame(indices, turning);
        frame.palette = shownPalette(palette, screen.firstAnimated, step);
        frames.append(std::move(frame));
    }
    return encodeGif(frames, shownPalette(palette, screen.firstAnimated, 0));
}

} // namespace images
