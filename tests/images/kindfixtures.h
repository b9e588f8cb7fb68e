#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Fixture pictures of the kinds read through Qt's plugins. PNGs are written here byte by byte, so
// that every colour type, 16 bits and interlacing can be had; WebP and TIFF come from Qt's writers,
// an animated WebP is put together from still ones.
namespace fixtures
{

enum class PngColour { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

// `image` must be indexed (at most 256 colours) for Palette; its alpha goes into the palette.
QByteArray encodePng(const QImage& image, PngColour colour, int bitDepth = 8, bool interlaced = false);
// A PNG whose header declares width x height over a single row of data.
QByteArray pngDeclaring(int width, int height, int bitDepth);

QByteArray encodeWebp(const QImage& image, bool lossless);
// An animation of the frames, each shown for a tenth of a second.
QByteArray encodeAnimatedWebp(const QList<QImage>& frames);
QByteArray encodeTiff(const QImage& image);

} // namespace fixtures
