#include "kindfixtures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <array>
#include <span>

namespace fixtures
{

namespace
{

quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void putBig32(QByteArray& d, quint32 v)
{
    char bytes[4];
    qToBigEndian(v, bytes);
    d.append(bytes, 4);
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    putBig32(png, quint32(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png.append(typed);
    putBig32(png, crc32(typed));
}

void appendSample(QByteArray& row, int value, int bitDepth)
{
    if (bitDepth == 16)
        row.append(char(value)).append(char(value)); // v * 257, big-endian
    else
        row.append(char(value));
}

void appendPixel(QByteArray& row, const QImage& image, int x, int y, PngColour colour, int bitDepth)
{
    if (colour == PngColour::Palette) {
        row.append(char(image.pixelIndex(x, y)));
        return;
    }
    const QRgb c = image.pixel(x, y);
    if (colour == PngColour::Grey || colour == PngColour::GreyAlpha)
        appendSample(row, qGray(c), bitDepth);
    else
        for (int channel : { qRed(c), qGreen(c), qBlue(c) })
            appendSample(row, channel, bitDepth);
    if (colour == PngColour::GreyAlpha || colour == PngColour::Rgba)
        appendSample(row, qAlpha(c), bitDepth);
}

struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass WholePicture[] = { { 0, 0, 1, 1 } };
constexpr Pass Adam7[] = { { 0, 0, 8, 8 }, { 4, 0, 8, 8 }, { 0, 4, 4, 8 }, { 2, 0, 4, 4 }, { 0, 2, 2, 4 },
    { 1, 0, 2, 2 }, { 0, 1, 1, 2 } };

// The filtered rows of every pass (filter 0 throughout), before compression.
QByteArray scanlines(const QImage& image, PngColour colour, int bitDepth, bool interlaced)
{
    QByteArray data;
    for (const Pass& pass : interlaced ? std::span<const Pass>(Adam7) : std::span<const Pass>(WholePicture))
        for (int y = pass.y0; y < image.height(); y += pass.dy) {
            if (pass.x0 >= image.width())
                break;
            data.append('\0');
            for (int x = pass.x0; x < image.width(); x += pass.dx)
                appendPixel(data, image, x, y, colour, bitDepth);
        }
    return data;
}

QByteArray header(int width, int height, PngColour colour, int bitDepth, bool interlaced)
{
    QByteArray ihdr;
    putBig32(ihdr, quint32(width));
    putBig32(ihdr, quint32(height));
    ihdr.append(char(bitDepth)).append(char(colour)).append('\0').append('\0').append(char(interlaced));
    return ihdr;
}

QByteArray zlib(const QByteArray& data)
{
    return qCompress(data).mid(4); // Qt puts the uncompressed length in front
}

QByteArray written(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

void putLittle24(QByteArray& d, int v)
{
    d.append(char(v & 0xff)).append(char((v >> 8) & 0xff)).append(char((v >> 16) & 0xff));
}

QByteArray riffChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(type);
    char size[4];
    qToLittleEndian(quint32(data.size()), size);
    chunk.append(size, 4).append(data);
    if (data.size() % 2)
        chunk.append('\0');
    return chunk;
}

} // namespace

QByteArray encodePng(const QImage& image, PngColour colour, int bitDepth, bool interlaced)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header(image.width(), image.height(), colour, bitDepth, interlaced));
    if (colour == PngColour::Palette) {
        QByteArray plte, trns;
        for (QRgb c : image.colorTable()) {
            plte.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
            trns.append(char(qAlpha(c)));
        }
        appendChunk(png, "PLTE", plte);
        appendChunk(png, "tRNS", trns);
    }
    appendChunk(png, "IDAT", zlib(scanlines(image, colour, bitDepth, interlaced)));
    appendChunk(png, "IEND", {});
    return png;
}

QByteArray pngDeclaring(int width, int height, int bitDepth)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header(width, height, PngColour::Rgba, bitDepth, false));
    appendChunk(png, "IDAT", zlib(QByteArray(64, '\0')));
    appendChunk(png, "IEND", {});
    return png;
}

QByteArray encodeWebp(const QImage& image, bool lossless)
{
    // Qt's WebP writer turns to lossless coding at quality 100.
    return written(image, "webp", lossless ? 100 : 90);
}

QByteArray encodeAnimatedWebp(const QList<QImage>& frames)
{
    const QSize canvas = frames.first().size();
    QByteArray vp8x(1, char(0x02)); // animation
    vp8x.append(3, '\0');
    putLittle24(vp8x, canvas.width() - 1);
    putLittle24(vp8x, canvas.height() - 1);
    QByteArray body = QByteArray("WEBP") + riffChunk("VP8X", vp8x)
        + riffChunk("ANIM", QByteArray(6, '\0')); // black background, endless loop
    for (const QImage& frame : frames) {
        QByteArray anmf;
        putLittle24(anmf, 0);
        putLittle24(anmf, 0);
        putLittle24(anmf, frame.width() - 1);
        putLittle24(anmf, frame.height() - 1);
        putLittle24(anmf, 100);
        anmf.append('\0');
        anmf.append(encodeWebp(frame, false).mid(12)); // the still picture's own chunk
        body.append(riffChunk("ANMF", anmf));
    }
    return riffChunk("RIFF", body);
}

QByteArray encodeTiff(const QImage& image)
{
    return written(image, "tiff", -1);
}

} // namespace fixtures
