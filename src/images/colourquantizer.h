#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <span>

namespace images
{

struct QuantizerSettings {
    // How much less a pixel in texture counts than one in a flat area when the palette is chosen
    // (Wu's boxes and the Lloyd passes). Grain and steps show in flat areas; measured on
    // photographs, 0.8 to 0.85 lowers the structural error by a sixth at little cost in tone.
    float textureDiscount = 0.85f;
    // Lloyd passes that move the palette to the means of the pixels each entry takes.
    int refinePasses = 2;
    // The Lloyd passes look at every n-th pixel of every n-th row: the means hardly move (within
    // 0.1 dB on photographs at 2) for a quarter of the lookups.
    int refineStride = 2;
    // Passes that then move each entry to the mean of the colours error diffusion asked of it. The
    // Lloyd means pull the palette inwards, so diffusion runs out of colours near the picture's
    // extremes; the diffused means push it back out. One pass is what helps: a second overshoots.
    int ditheredRefinePasses = 1;
    // Share of the error that error diffusion passes on: full strength shows as dither noise,
    // none as banding; in between keeps tone and structure. More strength gains tone at a growing
    // cost in structure; with the search below, 0.6 is where photographs keep both well ahead of
    // plain quantisers.
    float ditherStrength = 0.6f;
    // The local search that then improves the dithered result (images/ditherrefinement): its
    // passes, and how much grain in flat areas weighs against the blurred error, relative to how
    // much of each the diffusion left. More weight gives less grain for less tone. On photographs
    // 2.15 lowers the structural error of 0.68 strength without the search at no loss of tone.
    int searchPasses = 2;
    float grainWeight = 2.15f;
};

// Reduces a 32-bit RGB picture to at most `colours` colours: `indices` gets one palette index per
// pixel (row after row) and `palette` the colours. A picture that already has few enough colours
// keeps them exactly. Returns false for bad arguments.
bool quantizeColours(const QImage& rgb32, int colours, std::span<quint8> indices, QList<QRgb>& palette,
    const QuantizerSettings& settings = {});

} // namespace images
