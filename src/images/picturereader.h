#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace images
{

// The picture kinds the readers accept. Each reader decodes only its own kind, so a file goes to
// the reader its extension chose even when its content is something else.
enum class PictureKind { Bmp, Gif, Jpeg, Any };

struct DecodedPicture {
    QImage image; // empty when the file could not be read or was refused
    QSize fileSize; // the picture's size in the file, whatever resolution `image` has
};

// The host path of a Windows or host file name; empty when it cannot be mapped (no machine, an
// unmapped drive, a forbidden character), which the readers treat as an unreadable file.
QString hostPathOrEmpty(const QString& fileName);

// Decodes the first picture of a host file within the size limits of imagelimits.h. When
// `neededSize` is given, a JPEG is decoded at the smallest reduced scale that still has enough
// detail for a picture of that size (the file size is reported unchanged).
DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize = {});

} // namespace images
