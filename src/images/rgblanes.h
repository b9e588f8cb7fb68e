#pragma once

#include <QRgb>

namespace images
{

// A colour's red, green and blue in the lanes of one vector (the fourth unused), so that the
// diffusion and the dithering search work on the three channels side by side.
using RgbLanes = float __attribute__((vector_size(16)));

inline RgbLanes rgbLanesOf(QRgb rgb)
{
    return RgbLanes { float(qRed(rgb)), float(qGreen(rgb)), float(qBlue(rgb)), 0.0f };
}

} // namespace images
