#pragma once

#include <QImage>

#include <vector>

namespace images
{

// How much each pixel of a 32-bit RGB picture (row after row) should count when a palette is
// chosen for it: 1 where its 3 x 3 neighbourhood is flat, down to 1 - `textureDiscount` in
// texture and noise. Steps between palette colours and dither grain show in flat areas (a sky, a
// wall) and hide in texture, so flat areas deserve the closer colours.
std::vector<float> flatAreaWeights(const QImage& rgb32, float textureDiscount);

} // namespace images
