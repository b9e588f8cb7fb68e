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

// Takes a picture's rows as the decoder makes them, top to bottom.
class JpegRowSink
{
public:
    virtual ~JpegRowSink() = default;
    // The decoded size, `scale` decoded pixels per pixel of the file's `picture`. False: give up.
    virtual bool start(QSize decoded, QSize picture, double scale) = 0;
    // Where the next row's 32-bit RGB pixels go.
    virtual QRgb* nextRow() = 0;
    virtual void rowWritten() = 0;
};

// decodeJpeg, handing the rows to `sink` instead of keeping them. False when libjpeg gave up on the
// file (the sink may have had some rows).
bool decodeJpegRows(const uchar* data, qint64 size, QSize minimum, JpegRowSink& sink);

} // namespace images
