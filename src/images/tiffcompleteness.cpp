#include "images/tiffcompleteness.h"

#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace images
{

namespace
{

constexpr quint16 StripOffsets = 273, StripByteCounts = 279, TileOffsets = 324, TileByteCounts = 325;

// A TIFF file's fields, in the byte order its first two bytes name.
class TiffFields
{
public:
    TiffFields(const uchar* data, qint64 size)
        : d(data)
        , size(size)
        , bigEndian(size >= 2 && data[0] == 'M')
    {
    }

    bool has(qint64 at, qint64 bytes) const { return at >= 0 && bytes >= 0 && at <= size - bytes; }
    quint16 u16(qint64 at) const
    {
        return bigEndian ? qFromBigEndian<quint16>(d + at) : qFromLittleEndian<quint16>(d + at);
    }
    quint32 u32(qint64 at) const
    {
        return bigEndian ? qFromBigEndian<quint32>(d + at) : qFromLittleEndian<quint32>(d + at);
    }

    const uchar* d;
    qint64 size;
    bool bigEndian;
};

// Bytes of one value of each field type (1 to 12); 0 for types the reader does not know.
int typeWidth(quint16 type)
{
    static constexpr int widths[] = { 0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8 };
    return type < std::size(widths) ? widths[type] : 0;
}

// The values of one directory entry: where they are, how many, and their width in bytes (0 when
// they are of an unknown type).
struct EntryValues {
    qint64 at = 0;
    qint64 count = 0;
    int width = 0;
};

EntryValues valuesOf(const TiffFields& tiff, qint64 entry)
{
    EntryValues values;
    values.width = typeWidth(tiff.u16(entry + 2));
    values.count = tiff.u32(entry + 4);
    values.at = values.count * values.width <= 4 ? entry + 8 : qint64(tiff.u32(entry + 8));
    return values;
}

bool valuesInFile(const TiffFields& tiff, const EntryValues& values)
{
    return tiff.has(values.at, values.count * values.width);
}

// Strip and tile tables are of 16- or 32-bit numbers.
bool isTable(const EntryValues& values)
{
    return values.width == 2 || values.width == 4;
}

qint64 valueAt(const TiffFields& tiff, const EntryValues& values, qint64 index)
{
    const qint64 at = values.at + index * values.width;
    return values.width == 2 ? tiff.u16(at) : tiff.u32(at);
}

} // namespace

bool tiffComplete(const uchar* data, qint64 size)
{
    const TiffFields tiff(data, size);
    if (!tiff.has(4, 4))
        return false;
    const qint64 directory = tiff.u32(4);
    if (!tiff.has(directory, 2))
        return false;
    const int entries = tiff.u16(directory);
    // The entries, then the offset of the next directory.
    if (!tiff.has(directory + 2, qint64(entries) * 12 + 4))
        return false;
    EntryValues offsets, counts;
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + qint64(i) * 12;
        const EntryValues values = valuesOf(tiff, entry);
        if (!valuesInFile(tiff, values))
            return false;
        const quint16 tag = tiff.u16(entry);
        if (tag == StripOffsets || tag == TileOffsets)
            offsets = values;
        else if (tag == StripByteCounts || tag == TileByteCounts)
            counts = values;
    }
    // Without usable strip tables the decoder has its own say.
    if (!isTable(offsets) || !isTable(counts))
        return true;
    const qint64 blocks = std::min(offsets.count, counts.count);
    for (qint64 i = 0; i < blocks; ++i)
        if (!tiff.has(valueAt(tiff, offsets, i), valueAt(tiff, counts, i)))
            return false;
    return true;
}

} // namespace images
