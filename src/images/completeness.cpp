#include "images/completeness.h"

#include "images/tiffcompleteness.h"

#include <QtEndian>

#include <cstdlib>
#include <cstring>

namespace images
{

namespace
{

quint16 u16(const uchar* p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const uchar* p)
{
    return qFromLittleEndian<quint32>(p);
}

// Whether `rows` rows of `rowBytes` bytes from `offset` lie within `size` bytes. Header fields can
// ask for more bytes than 64 bits hold, so the product is never formed.
bool rowsFit(qint64 offset, qint64 rowBytes, qint64 rows, qint64 size)
{
    if (offset > size)
        return false;
    return rows == 0 || rowBytes <= (size - offset) / rows;
}

bool bmpComplete(const uchar* d, qint64 size)
{
    if (size < 30)
        return false;
    const qint64 offset = u32(d + 10);
    const quint32 headerSize = u32(d + 14);
    if (headerSize == 12) {
        const qint64 stride = (qint64(u16(d + 18)) * u16(d + 24) + 31) / 32 * 4;
        return rowsFit(offset, stride, u16(d + 20), size);
    }
    if (size < 38)
        return false;
    const qint64 width = qint32(u32(d + 18)), height = std::abs(qint64(qint32(u32(d + 22))));
    const quint32 compression = u32(d + 30), sizeImage = u32(d + 34);
    switch (compression) {
    case 0: // uncompressed, and bit fields: every row is there
    case 3:
        return rowsFit(offset, (width * u16(d + 28) + 31) / 32 * 4, height, size);
    case 1: // run-length encoded: the header says how long the data is
    case 2:
        return sizeImage == 0 || offset + qint64(sizeImage) <= size;
    default:
        return true;
    }
}

// Walks the blocks up to the end of the first picture's image data.
bool gifComplete(const uchar* d, qint64 size)
{
    if (size < 13)
        return false;
    qint64 at = 13;
    if (d[10] & 0x80)
        at += 3 * (qint64(2) << (d[10] & 7));
    auto skipSubBlocks = [&]() {
        while (at < size) {
            const int length = d[at++];
            if (length == 0)
                return true;
            at += length;
        }
        return false;
    };
    while (at < size) {
        const uchar kind = d[at++];
        if (kind == 0x21) { // extension: label, then sub-blocks
            ++at;
            if (!skipSubBlocks())
                return false;
        } else if (kind == 0x2c) { // image: descriptor, local palette, code size, data
            if (at + 9 > size)
                return false;
            const uchar flags = d[at + 8];
            at += 9;
            if (flags & 0x80)
                at += 3 * (qint64(2) << (flags & 7));
            ++at;
            return skipSubBlocks();
        } else {
            return false;
        }
    }
    return false;
}

// The last scan must be followed by the end-of-image marker: walking back from the end, the
// end marker has to come before any scan marker. Inside scan data every 0xff is followed by 0 or a
// restart marker, so neither marker can appear there by chance.
bool jpegComplete(const uchar* d, qint64 size)
{
    for (qint64 i = size - 2; i >= 0; --i) {
        if (d[i] != 0xff)
            continue;
        if (d[i + 1] == 0xd9)
            return true;
        if (d[i + 1] == 0xda)
            return false;
    }
    return false;
}

// Walks the chunks up to the end chunk; a chunk's length may not reach past the file.
bool pngComplete(const uchar* d, qint64 size)
{
    qint64 at = 8;
    while (at + 8 <= size) {
        const qint64 length = qFromBigEndian<quint32>(d + at);
        if (std::memcmp(d + at + 4, "IEND", 4) == 0)
            return at + 12 <= size;
        at += 12 + length; // length, type, data, checksum
    }
    return false;
}

// The RIFF header says how many bytes follow it.
bool webpComplete(const uchar* d, qint64 size)
{
    return size >= 12 && 8 + qint64(u32(d + 4)) <= size;
}

} // namespace

bool pictureLooksComplete(const uchar* data, qint64 size, const QByteArray& format)
{
    if (format == "bmp")
        return bmpComplete(data, size);
    if (format == "gif")
        return gifComplete(data, size);
    if (format == "jpeg" || format == "jpg")
        return jpegComplete(data, size);
    if (format == "png")
        return pngComplete(data, size);
    if (format == "webp")
        return webpComplete(data, size);
    if (format == "tiff")
        return tiffComplete(data, size);
    return true;
}

} // namespace images
