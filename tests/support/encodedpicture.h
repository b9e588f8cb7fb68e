#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// A picture as the bytes of a file in the given format ("BMP", "PNG", "JPEG", ...).
inline QByteArray encodedPicture(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A logo screen as Bootcanvas keeps it: 320 x 400, 8 bits, a full grey palette, one grey level.
inline QByteArray logoScreenBytes(int grey)
{
    QImage image(320, 400, QImage::Format_Indexed8);
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys.append(qRgb(i, i, i));
    image.setColorTable(greys); // a short table would be written with fewer bits
    image.fill(grey);
    return encodedPicture(image, "BMP");
}
