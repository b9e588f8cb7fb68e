#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <QtGlobal>

#include <span>
#include <vector>

namespace images
{

// The part of a screen that moves: the pixels that hold an animated index and the colours of the
// animated entries. Laid over a picture reduced to `firstAnimated` colours, it makes a screen whose
// entries firstAnimated..255 are used by these pixels and by nothing else.
struct AnimatedLayer {
    int firstAnimated = 0; // 0: nothing moves, the layer is empty
    std::vector<quint8> indices; // one a pixel, row after row; 0 where the picture shows through
    QList<QRgb> colours; // entries firstAnimated..255

    bool isEmpty() const { return firstAnimated == 0; }
    // Writes the layer's pixels over `pictureIndices` and its colours into a palette of blue,
    // green, red, 0 entries.
    void applyTo(std::span<quint8> pictureIndices, std::span<quint8> palette) const;
};

// How many entries a bar may rotate, and how many it rotates unless told otherwise.
constexpr int MinBarColours = 2;
constexpr int MaxBarColours = 64;
constexpr int DefaultBarColours = 20;

// A bar across the bottom of a width x height screen, drawn with `colours` entries at the end of
// the palette as a cyclic gradient: rotated, it runs to the right and loops without a jump.
AnimatedLayer animatedBar(int width, int height, int colours);

// The moving part of an animated 8-bit screen file, stretched to width x height as the conversion
// stretches the picture; an empty layer for a file without animation.
AnimatedLayer keptAnimation(const QString& fileName, int width, int height);

} // namespace images
