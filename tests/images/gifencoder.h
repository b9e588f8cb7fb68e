#pragma once

// A small GIF encoder for fixture pictures: Qt reads GIF but cannot write it.
#include <QByteArray>
#include <QList>
#include <QRgb>

#include <unordered_map>
#include <vector>

namespace gif
{

struct Frame {
    int width = 0, height = 0;
    std::vector<quint8> indices; // row after row
    bool interlaced = false;
};

namespace detail
{

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

// Variable-width LZW as GIF uses it, starting with a clear code and restarting when the
// table is full.
inline QByteArray lzw(const std::vector<quint8>& pixels, int minimumCodeSize)
{
    const int clear = 1 << minimumCodeSize, end = clear + 1;
    BitWriter out;
    std::unordered_map<quint32, int> table;
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
        if (next < 4096) {
            table.emplace(key, next);
            if (next == (1 << width) && width < 12)
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
    if (next < 4096 && next == (1 << width) && width < 12)
        ++width;
    out.put(end, width);
    return out.finish();
}

inline void put16(QByteArray& data, int value)
{
    data.append(char(value & 0xff));
    data.append(char((value >> 8) & 0xff));
}

inline std::vector<quint8> interlace(const Frame& frame)
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

} // namespace detail

// A GIF89a with one global palette; several frames make an animation.
inline QByteArray encode(const QList<Frame>& frames, const QList<QRgb>& palette)
{
    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;
    QByteArray data("GIF89a");
    detail::put16(data, frames.value(0).width);
    detail::put16(data, frames.value(0).height);
    data.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));
    data.append('\0');
    data.append('\0');
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = palette.value(i);
        data.append(char(qRed(c)));
        data.append(char(qGreen(c)));
        data.append(char(qBlue(c)));
    }
    if (frames.size() > 1)
        data.append(QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
    for (const Frame& frame : frames) {
        if (frames.size() > 1)
            data.append(QByteArray("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8));
        data.append(',');
        detail::put16(data, 0);
        detail::put16(data, 0);
        detail::put16(data, frame.width);
        detail::put16(data, frame.height);
        data.append(char(frame.interlaced ? 0x40 : 0));
        const int codeSize = std::max(bits, 2);
        data.append(char(codeSize));
        const QByteArray packed
            = detail::lzw(frame.interlaced ? detail::interlace(frame) : frame.indices, codeSize);
        for (qsizetype at = 0; at < packed.size(); at += 255) {
            const qsizetype length = std::min<qsizetype>(255, packed.size() - at);
            data.append(char(length));
            data.append(packed.mid(at, length));
        }
        data.append('\0');
    }
    data.append(';');
    return data;
}

} // namespace gif
