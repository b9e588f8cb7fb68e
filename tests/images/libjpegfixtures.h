#pragma once

// JPEGs written and read by libjpeg itself, for the cases Qt's writer cannot make (CMYK, chosen
// sampling, restart markers) and as the reference decode the program's decoder must match.
#include <QByteArray>
#include <QImage>

#include <vector>

namespace fixtures
{

struct LibjpegOptions {
    bool progressive = false;
    int lumaSampling = 1; // 2: chroma at half the resolution in each direction (4:2:0)
    int restartRows = 0; // a restart marker every this many MCU rows; 0: none
    int quality = 92;
};

// `samples` holds `components` bytes a pixel, row after row: 1 grey, 3 RGB, 4 CMYK.
QByteArray encodeWithLibjpeg(const std::vector<unsigned char>& samples, int width, int height, int components,
    const LibjpegOptions& options = {});
QByteArray encodeWithLibjpeg(const QImage& image, const LibjpegOptions& options = {});

// libjpeg's plain one-pass decode of the whole file at `eighths`/8 of its size, as RGB32.
QImage decodeWithLibjpeg(const QByteArray& jpeg, unsigned eighths = 8);

// A picture with detail at every scale, so that every coefficient band of a JPEG carries data.
QImage detailedPicture(int width, int height);

} // namespace fixtures
