#include "images/gifwriter.h"

#include <algorithm>
#include <unordered_map>

namespace images
{

namespace
{

constexpr int MaxCodes = 4096;
constexpr int MaxCodeBits = 12;

class BitWriter
{
public:
    void put(int code, int bits)
    {
        m_buffer |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_buffer & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_count = 0;
};

// Variable-width LZW as GIF uses it, starting with a clear code and restarting when the table is
// full.
QByteArray lzw(const std::vector<quint8>& pixels, int minimumCodeSize)
{
    const int clear = 1 << minimumCodeSize, end = clear + 1;
    BitWriter out;
    std::unordered_map<quint32, int> table;
    table.reserve(MaxCodes);
    int next = end + 1, width = minimumCodeSize + 1;
    out.put(clear, width);
    if (pixels.empty()) {
        out.put(end, width);
        return out.finish();
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const quint32 key = (quint32(prefix) << 8) | pixels[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.put(prefix, width);
        if (next < MaxCodes) {
            table.emplace(key, next);
            if (next == (1 << width) && width < MaxCodeBits)
                ++width;
            ++next;
        } else {
            out.put(clear, width);
            table.clear();
            next = end + 1;
            width = minimumCodeSize + 1;
        }
        prefix = pixels[i];
    }
    out.put(prefix, width);
    // The decoder grows its table after this last code too, and may widen the end code.
    if (next < MaxCodes && next == (1 << width) && width < MaxCodeBits)
        ++width;
    out.put(end, width);
    return out.finish();
}

void put16(QByteArray& data, int value)
{
    data.append(char(value & 0xff));
    data.append(char((value >> 8) & 0xff));
}

// Bits a colour table needs for this many colours (a GIF table has 2 to 256 entries).
int tableBits(qsizetype colours)
{
    int bits = 1;
    while ((qsizetype(1) << bits) < colours && bits < 8)
        ++bits;
    return bits;
}

void putColourTable(QByteArray& data, const QList<QRgb>& palette, int bits)
{
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = palette.value(i);
        data.append(char(qRed(colour)));
        data.append(char(qGreen(colour)));
        data.append(char(qBlue(colour)));
    }
}

std::vector<quint8> interlace(const GifFrame& frame)
{
    std::vector<quint8> rows;
    rows.reserve(frame.indices.size());
    const int starts[] = { 0, 4, 2, 1 }, steps[] = { 8, 8, 4, 2 };
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < frame.height; y += steps[pass])
            rows.insert(rows.end(), frame.indices.begin() + size_t(y) * frame.width,
                frame.indices.begin() + size_t(y + 1) * frame.width);
    return rows;
}

void putFrame(QByteArray& data, const GifFrame& frame, int pictureBits, bool animated)
{
    if (animated) {
        // Graphic control: disposal "leave in place", the delay, no transparency.
        data.append(QByteArray("\x21\xf9\x04\x04", 4));
        put16(data, frame.delayCentiseconds);
        data.append(QByteArray("\x00\x00", 2));
    }
    data.append(',');
    put16(data, frame.left);
    put16(data, frame.top);
    put16(data, frame.width);
    put16(data, frame.height);
    const int bits = frame.palette.isEmpty() ? pictureBits : tableBits(frame.palette.size());
    data.append(char((frame.palette.isEmpty() ? 0 : 0x80 | (bits - 1)) | (frame.interlaced ? 0x40 : 0)));
    if (!frame.palette.isEmpty())
        putColourTable(data, frame.palette, bits);
    const int codeSize = std::max(bits, 2);
    data.append(char(codeSize));
    const QByteArray packed = lzw(frame.interlaced ? interlace(frame) : frame.indices, codeSize);
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, packed.size() - at);
        data.append(char(length));
        data.append(packed.mid(at, length));
    }
    data.append('\0');
}

} // namespace

QByteArray encodeGif(const QList<GifFrame>& frames, const QList<QRgb>& palette)
{
    const int bits = tableBits(palette.size());
    QByteArray data("GIF89a");
    put16(data, frames.value(0).width);
    put16(data, frames.value(0).height);
    data.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));
    data.append('\0');
    data.append('\0');
    putColourTable(data, palette, bits);
    const bool animated = frames.size() > 1;
    if (animated)
        data.append(QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
    for (const GifFrame& frame : frames)
        putFrame(data, frame, bits, animated);
    data.append(';');
    return data;
}

} // namespace images
