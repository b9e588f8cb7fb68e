#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace images
{

// Xiaolin Wu's variance-minimising palette: the colour cube is split, box by box, where the split
// removes the most squared error, until there are `colours` boxes; each box gives its mean colour.
// Fewer colours come back when the picture has fewer distinct (6-bit) colours.
QList<QRgb> wuPalette(const QImage& rgb32, int colours);

} // namespace images
