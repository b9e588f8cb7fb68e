#pragma once

#include <QImage>

namespace images
{

// Resamples a 32-bit RGB picture to exactly width x height (the aspect ratio is not kept) with a
// three-lobe Lanczos filter widened by the reduction factor, as photo editors do, so that a
// reduced picture keeps its detail without aliasing. Returns an empty picture for a bad size.
QImage resampleLanczos(const QImage& source, int width, int height);

} // namespace images
