#pragma once

#include <QImage>
#include <QSizeF>

namespace images
{

// Resamples a 32-bit RGB picture to exactly width x height (the aspect ratio is not kept) with a
// three-lobe Lanczos filter widened by the reduction factor, as photo editors do, so that a
// reduced picture keeps its detail without aliasing. Returns an empty picture for a bad size.
// `extent` is how much of the source, from its top-left corner, the picture covers, when its last
// row or column stands for less than a whole pixel (a JPEG reduced while decoding); by default
// the whole source.
QImage resampleLanczos(const QImage& source, int width, int height, QSizeF extent = {});

} // namespace images
