#include "images/bmprows.h"

#include "images/imagelimits.h"

#include <QFile>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace images
{

namespace
{

struct Layout {
    qint64 offset = 0;
    int width = 0, height = 0, bits = 0;
    bool topDown = false;
    qint64 stride = 0;
    QList<QRgb> palette;
};

// The layout of a plain BITMAPINFOHEADER bitmap, or false for anything else.
bool readLayout(QFile& file, Layout& layout)
{
    const QByteArray header = file.read(54);
    if (header.size() < 54 || !header.startsWith("BM"))
        return false;
    const auto* d = reinterpret_cast<const uchar*>(header.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(d + 14);
    const qint32 height = qFromLittleEndian<qint32>(d + 22);
    layout.offset = qFromLittleEndian<quint32>(d + 10);
    layout.width = qFromLittleEndian<qint32>(d + 18);
    layout.height = height == INT32_MIN ? 0 : std::abs(height);
    layout.topDown = height < 0;
    layout.bits = qFromLittleEndian<quint16>(d + 28);
    const quint32 compression = qFromLittleEndian<quint32>(d + 30);
    if (headerSize < 40 || compression != 0 || qFromLittleEndian<quint16>(d + 26) != 1
        || (layout.bits != 8 && layout.bits != 24 && layout.bits != 32)
        || !sizeAllowed(layout.width, layout.height))
        return false;
    layout.stride = (qint64(layout.width) * layout.bits + 31) / 32 * 4;
    if (layout.offset + layout.stride * layout.height > file.size())
        return false;
    if (layout.bits == 8) {
        quint32 colours = qFromLittleEndian<quint32>(d + 46);
        colours = colours == 0 || colours > 256 ? 256 : colours;
        if (!file.seek(14 + headerSize))
            return false;
        const QByteArray entries = file.read(qint64(colours) * 4);
        if (entries.size() < qint64(colours) * 4 || 14 + headerSize + entries.size() > layout.offset)
            return false;
        for (quint32 i = 0; i < colours; ++i)
            layout.palette.append(
                qRgb(uchar(entries[i * 4 + 2]), uchar(entries[i * 4 + 1]), uchar(entries[i * 4])));
        layout.palette.resize(256, qRgb(0, 0, 0));
    }
    return true;
}

void convertRow(const Layout& layout, const uchar* in, QRgb* out)
{
    for (int x = 0; x < layout.width; ++x) {
        switch (layout.bits) {
        case 8:
            out[x] = layout.palette[in[x]];
            break;
        case 24:
            out[x] = qRgb(in[x * 3 + 2], in[x * 3 + 1], in[x * 3]);
            break;
        default:
            out[x] = qRgb(in[x * 4 + 2], in[x * 4 + 1], in[x * 4]);
            break;
        }
    }
}

} // namespace

QImage readBmpRows(const QString& hostPath, int rows)
{
    QFile file(hostPath);
    Layout layout;
    if (rows <= 0 || hostPath.isEmpty() || file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly)
        || !readLayout(file, layout) || layout.height <= rows)
        return {};
    QImage picture(layout.width, rows, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    std::vector<uchar> line(size_t(layout.stride));
    for (int i = 0; i < rows; ++i) {
        // The middle of the i-th of `rows` equal bands; files keep the bottom row first.
        const int y = int((qint64(2 * i + 1) * layout.height) / (2 * qint64(rows)));
        const int stored = layout.topDown ? y : layout.height - 1 - y;
        if (!file.seek(layout.offset + layout.stride * stored)
            || file.read(reinterpret_cast<char*>(line.data()), layout.stride) != layout.stride)
            return {};
        convertRow(layout, line.data(), reinterpret_cast<QRgb*>(picture.scanLine(i)));
    }
    return picture;
}

} // namespace images
