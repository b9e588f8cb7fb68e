#pragma once

#include <QtGlobal>

namespace images
{

// The interface passes sizes as 16-bit integers, so no side may exceed this.
constexpr int MaxSide = 32767;
// A decoded picture is held at 4 bytes a pixel: 64 Mi pixels (an 8192 x 8192 picture) is 256 MiB,
// the most one block may take. Bigger pictures are refused before anything is allocated.
constexpr qint64 MaxPixels = qint64(64) * 1024 * 1024;
constexpr int MaxBlockMiB = int(MaxPixels * 4 / (1024 * 1024));
// Header reads and picture files larger than this are not opened at all.
constexpr qint64 MaxFileBytes = qint64(512) * 1024 * 1024;

// Whether a width x height picture may be held in one block.
constexpr bool sizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

} // namespace images
