#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <span>

namespace images
{

// Xiaolin Wu's variance-minimising palette: the colour cube is split, box by box, where the split
// removes the most squared error, until there are `colours` boxes; each box gives its mean colour.
// Fewer colours come back when the picture has fewer distinct colours. `weights`, when
// given, says how much each pixel (row after row, 0 to 1) counts.
QList<QRgb> wuPalette(const QImage& rgb32, int colours, std::span<const float> weights = {});

} // namespace images
