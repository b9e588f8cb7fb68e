#pragma once

// Fixture pictures in GIF go through the program's own encoder: Qt reads GIF but cannot write it.
#include "images/gifwriter.h"

namespace gif
{

using Frame = images::GifFrame;

inline QByteArray encode(const QList<Frame>& frames, const QList<QRgb>& palette)
{
    return images::encodeGif(frames, palette);
}

} // namespace gif
