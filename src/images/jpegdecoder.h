#pragma once

#include <QImage>
#include <QSize>

namespace images
{

// The picture size a JPEG's header declares, or an empty size when `data` holds no JPEG header
// that libjpeg can read.
QSize jpegHeaderSize(const uchar* data, qint64 size);

struct DecodedJpeg {
    QImage image; // RGB32; null when libjpeg gave up on the file
    // Decoded pixels per picture pixel. The last row and column of a reduced picture stand for
    // what is left of the picture, which can be less than a whole pixel.
    double scale = 1.0;
};

// Decodes a JPEG held in memory. With `minimum` given, libjpeg's DCT scaling reduces the picture
// to the smallest multiple of 1/8 of its size that still has at least `minimum` pixels in each
// direction: far cheaper than decoding in full and then throwing most of it away. Call only for
// sizes within the picture limits.
DecodedJpeg decodeJpeg(const uchar* data, qint64 size, QSize minimum = {});

} // namespace images
