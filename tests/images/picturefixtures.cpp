#include "picturefixtures.h"

#include "gifencoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include <cstdlib>

namespace fixtures
{

namespace
{

void put16(QByteArray& d, int v)
{
    d.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}
void put32(QByteArray& d, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        d.append(char((v >> (8 * i)) & 0xff));
}

QByteArray packedRow(const QImage& image, int y, int bits)
{
    QByteArray row;
    const int width = image.width();
    if (bits <= 8) {
        const int perByte = 8 / bits;
        for (int x = 0; x < width; x += perByte) {
            int byte = 0;
            for (int k = 0; k < perByte; ++k)
                byte = (byte << bits) | (x + k < width ? image.pixelIndex(x + k, y) : 0);
            row.append(char(byte));
        }
    } else {
        for (int x = 0; x < width; ++x) {
            const QRgb c = image.pixel(x, y);
            if (bits == 16) {
                put16(row, ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
            } else {
                row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                if (bits == 32)
                    row.append('\0');
            }
        }
    }
    while (row.size() % 4)
        row.append('\0');
    return row;
}

// Runs of one index, at most 255 long, each row ended by 0 0 and the picture by 0 1.
QByteArray rle8(const QImage& image)
{
    QByteArray data;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width();) {
            const int index = image.pixelIndex(x, y);
            int run = 1;
            while (x + run < image.width() && run < 255 && image.pixelIndex(x + run, y) == index)
                ++run;
            data.append(char(run)).append(char(index));
            x += run;
        }
        data.append('\0').append('\0');
    }
    return data.append('\0').append('\1');
}

} // namespace

QImage quadrants(int width, int height, const Quadrants& colours)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            const QColor& c = bottom ? (right ? colours.bottomRight : colours.bottomLeft)
                                     : (right ? colours.topRight : colours.topLeft);
            image.setPixel(x, y, c.rgb());
        }
    return image;
}

QByteArray encodeBmp(const QImage& image, int bits, BmpLayout layout)
{
    const bool os2 = layout == BmpLayout::Os2;
    const int paletteEntries = bits <= 8 ? 1 << bits : 0;
    const int entrySize = os2 ? 3 : 4;
    QByteArray pixels;
    if (layout == BmpLayout::Rle8) {
        pixels = rle8(image);
    } else {
        for (int i = 0; i < image.height(); ++i) {
            const int y = layout == BmpLayout::TopDown ? i : image.height() - 1 - i;
            pixels.append(packedRow(image, y, bits));
        }
    }
    const int headerSize = os2 ? 12 : 40;
    const int offset = 14 + headerSize + paletteEntries * entrySize;
    QByteArray d("BM");
    put32(d, offset + pixels.size());
    put32(d, 0);
    put32(d, offset);
    put32(d, headerSize);
    if (os2) {
        put16(d, image.width());
        put16(d, image.height());
        put16(d, 1);
        put16(d, bits);
    } else {
        put32(d, image.width());
        put32(d, layout == BmpLayout::TopDown ? -image.height() : image.height());
        put16(d, 1);
        put16(d, bits);
        put32(d, layout == BmpLayout::Rle8 ? 1 : 0);
        put32(d, pixels.size());
        put32(d, 2835);
        put32(d, 2835);
        put32(d, paletteEntries);
        put32(d, 0);
    }
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb c = image.colorTable().value(i);
        d.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        if (!os2)
            d.append('\0');
    }
    return d + pixels;
}

QByteArray encodeJpeg(const QImage& image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray encodeGif(const QList<QImage>& frames, bool interlaced)
{
    QList<QRgb> palette;
    QList<gif::Frame> encoded;
    for (const QImage& image : frames) {
        gif::Frame frame { image.width(), image.height(), {}, interlaced };
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) | 0xff000000u;
                qsizetype index = palette.indexOf(c);
                if (index < 0) {
                    index = palette.size();
                    palette.append(c);
                }
                frame.indices.push_back(quint8(index));
            }
        encoded.append(frame);
    }
    return gif::encode(encoded, palette);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

QColor quadrantCentre(const QImage& image, int quadrant)
{
    const int x = (quadrant % 2 == 0 ? 1 : 3) * image.width() / 4;
    const int y = (quadrant < 2 ? 1 : 3) * image.height() / 4;
    return QColor(image.pixel(x, y));
}

int colourDistance(const QColor& a, const QColor& b)
{
    return std::max(
        { std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue()) });
}

} // namespace fixtures
