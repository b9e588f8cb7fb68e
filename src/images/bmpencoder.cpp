#include "images/bmpencoder.h"

#include "images/imagelimits.h"
#include "images/paletteanimation.h"
#include "images/screenanimation.h"

#include <QtEndian>

#include <cstring>

namespace images
{

namespace
{

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(char* at, quint16 value)
{
    qToLittleEndian(value, at);
}
void put32(char* at, quint32 value)
{
    qToLittleEndian(value, at);
}

} // namespace

QByteArray encodeBmp8(std::span<const quint8> indices, int width, int height, std::span<const quint8> palette,
    int colours, int firstAnimated)
{
    if (!sizeAllowed(width, height) || colours < 1 || colours > PaletteEntries
        || (firstAnimated != 0 && !isAnimatedStart(firstAnimated))
        || indices.size() < size_t(width) * size_t(height) || palette.size() < size_t(colours) * 4)
        return {};
    const qint64 stride = (qint64(width) + 3) / 4 * 4;
    const qint64 pixelBytes = stride * height;
    const qint64 offset = FileHeaderSize + InfoHeaderSize + PaletteEntries * 4;
    if (offset + pixelBytes > MaxFileBytes)
        return {};

    QByteArray bmp(int(offset + pixelBytes), '\0');
    char* d = bmp.data();
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(bmp.size()));
    put32(d + 10, quint32(offset));
    put32(d + 14, InfoHeaderSize);
    put32(d + 18, quint32(width));
    put32(d + 22, quint32(height)); // positive: bottom-up rows
    put16(d + 26, 1);
    put16(d + 28, 8);
    put32(d + 30, 0); // BI_RGB, no compression
    put32(d + 34, quint32(pixelBytes));
    put32(d + 46, PaletteEntries);
    put32(d + FirstAnimatedOffset, quint32(firstAnimated));
    char* entries = d + FileHeaderSize + InfoHeaderSize;
    for (int i = 0; i < colours; ++i)
        std::memcpy(entries + i * 4, palette.data() + i * 4, 3); // the reserved byte stays 0
    for (int y = 0; y < height; ++y)
        std::memcpy(
            d + offset + stride * (height - 1 - y), indices.data() + size_t(y) * width, size_t(width));
    return bmp;
}

} // namespace images
