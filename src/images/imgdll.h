#pragma once

#include "images/pixelblock.h"

#include <QSize>
#include <QString>

#include <span>

class QPainter;

// The imaging entries every picture routine goes through. File names are Windows paths of the
// current machine or absolute host paths. Pictures wider or higher than 32767 pixels, or with more
// pixels than images::MaxPixels (imagelimits.h), are refused: the readers return an empty block.

// Prepares the decoders; safe to call more than once, and the entries work without it. Returns 1.
qint32 ImgDLLStringInitDLL(const QString& initString);

// Each reader decodes only its own format and returns an empty block (and sizes 0) when the file
// cannot be read. `width` and `height` receive the picture's size in the file. With `neededSize`
// a reader may keep the pixels at a reduced resolution that still has detail enough for a picture
// of that size.
PixelBlock ImgDLLReadRGBFromBMP(
    const QString& fileName, qint16& width, qint16& height, QSize neededSize = {});
PixelBlock ImgDLLReadRGBFromGIF(
    const QString& fileName, qint16& width, qint16& height, QSize neededSize = {});
PixelBlock ImgDLLReadRGBFromJPG(
    const QString& fileName, qint16& width, qint16& height, QSize neededSize = {});
// Reads a picture of any kind the readers know (BMP, GIF, JPEG, PNG, WebP, TIFF), found from its
// first bytes; the name counts only for a file too short to tell.
PixelBlock ImgDLLReadRGBFromFile(
    const QString& fileName, qint16& width, qint16& height, QSize neededSize = {});

// ImgDLLReadRGBFromFile and ImgDLLResizeRGB in one: the same pixels, exactly `newSize`, but a JPEG
// is resampled while it is decoded, without ever holding its decoded pixels whole. An empty
// `newSize` gives an empty block, but still the picture's size.
PixelBlock ImgDLLReadResizedRGBFromFile(
    const QString& fileName, qint16& width, qint16& height, QSize newSize);

// A new block resampled from the whole of `block` to exactly newWidth x newHeight; `width` and
// `height` are the picture's size as the reader reported it. Empty for an empty block or a bad size.
PixelBlock ImgDLLResizeRGB(
    const PixelBlock& block, qint32 width, qint32 height, qint32 newWidth, qint32 newHeight);

// Reduces the block (exactly width x height pixels) to `colours` colours: one index per pixel into
// `indexBuffer`, the palette as blue, green, red, 0 entries into `paletteBuffer` (all 256 entries
// written; unused ones black). Returns 1 on success, 0 for bad arguments.
qint32 ImgDLLQuantizeRGBTo8Bit(const PixelBlock& block, std::span<quint8> indexBuffer, qint32 width,
    qint32 height, qint32 colours, std::span<quint8> paletteBuffer);

// Writes an 8-bit BMP (the only depth supported) whose palette animation starts at `firstAnimated`
// (0: none). Returns whether the file was written.
bool ImgDLLSaveColormappedToBMP(const QString& fileName, std::span<const quint8> indexBuffer, qint32 width,
    qint32 height, qint32 bitsPerPixel, qint32 colours, std::span<const quint8> paletteBuffer,
    qint32 firstAnimated = 0);

// Draws the whole block scaled into the rectangle (x, y, width, height) of the painter's device.
// `blockWidth` and `blockHeight` are the picture's size as the reader reported it; `flags` is 0.
void ImgDLLDrawRGB(QPainter& dc, const PixelBlock& block, qint32 blockWidth, qint32 blockHeight, qint32 x,
    qint32 y, qint32 width, qint32 height, qint32 flags);
