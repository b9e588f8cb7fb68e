#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <span>

namespace images
{

// Improves a dithered reduction of a 32-bit RGB picture (`indices` into `palette`, row after row)
// by a local search: pixel after pixel takes the palette entry that most lowers
//   the error seen from a little distance (blurred by a Gaussian of sigma 1), which keeps tone,
//   plus `grainWeight` times the pixel's own squared error times its `flatness` (one weight a
//   pixel, as from flatAreaWeights), since grain shows in flat areas and hides in texture.
// `passes` sweeps over the picture.
void refineDithering(const QImage& rgb32, const QList<QRgb>& palette, std::span<quint8> indices,
    std::span<const float> flatness, float grainWeight, int passes);

} // namespace images
