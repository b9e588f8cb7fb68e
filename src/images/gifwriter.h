#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <vector>

namespace images
{

struct GifFrame {
    GifFrame() = default;
    GifFrame(int width, int height, std::vector<quint8> indices, bool interlaced = false)
        : width(width)
        , height(height)
        , indices(std::move(indices))
        , interlaced(interlaced)
    {
    }

    int width = 0, height = 0;
    std::vector<quint8> indices; // row after row
    bool interlaced = false;
    int left = 0, top = 0; // where the frame lies on the picture
    QList<QRgb> palette; // the frame's own colours; empty for the picture's palette
    int delayCentiseconds = 10; // how long an animation shows the frame
};

// A GIF89a of the frames over one picture the size of the first frame, with `palette` (at most 256
// colours) as the picture's palette. More than one frame makes an animation that loops for ever;
// each frame is left in place under the next, so a frame need only cover what changes.
QByteArray encodeGif(const QList<GifFrame>& frames, const QList<QRgb>& palette);

} // namespace images
