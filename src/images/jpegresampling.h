#pragma once

#include <QImage>
#include <QSize>

namespace images
{

// Decodes a JPEG held in memory as decodeJpeg(data, size, minimum) would and resamples it to
// exactly `target` (as resampleLanczos over the decoded picture's extent), row by row while the
// decoder makes the rows, on the second core when a thread can be had: the decoded picture is
// never held whole. Null when libjpeg gives up on the file or memory cannot be had.
QImage decodeJpegResampled(const uchar* data, qint64 size, QSize minimum, QSize target);

} // namespace images
