#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace images
{

// Whether a file holds all the data its first picture needs. The decoders fill a truncated
// picture with grey or leave it half drawn; such a picture is refused instead. `format` is the
// decoder's name ("bmp", "gif", "jpeg", "png", "webp", "tiff"); other formats are not checked.
bool pictureLooksComplete(const uchar* data, qint64 size, const QByteArray& format);

} // namespace images
