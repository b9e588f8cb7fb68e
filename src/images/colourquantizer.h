#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <span>

namespace images
{

struct QuantizerSettings {
    // Lloyd passes that move the palette to the means of the pixels each entry takes.
    int refinePasses = 3;
    // Share of the error that error diffusion passes on: full strength shows as dither noise,
    // none as banding; in between keeps tone and structure. Measured on photographs, tone (blurred
    // error) improves up to about 0.9 and falls off beyond, while structural error grows all the
    // way; 0.85 keeps both.
    float ditherStrength = 0.85f;
};

// Reduces a 32-bit RGB picture to at most `colours` colours: `indices` gets one palette index per
// pixel (row after row) and `palette` the colours. A picture that already has few enough colours
// keeps them exactly. Returns false for bad arguments.
bool quantizeColours(const QImage& rgb32, int colours, std::span<quint8> indices, QList<QRgb>& palette,
    const QuantizerSettings& settings = {});

} // namespace images
