#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace images
{

// The picture kinds the readers accept. Each reader decodes only its own kind, so a file goes to
// the reader its extension chose even when its content is something else.
enum class PictureKind { Bmp, Gif, Jpeg, Any };

// Why a file gave no picture, so that the tools can tell their users.
enum class ReadProblem {
    None,
    Missing, // no such file, or a name that cannot be mapped to one
    Folder, // a folder where a picture file was expected
    Unreadable, // the file cannot be opened for reading
    FileTooLarge, // more bytes than MaxFileBytes
    NotThisKind, // not a picture of the kind the reader decodes
    BadSize, // the header declares no usable size
    TooLarge, // more pixels than the limits allow
    Truncated, // the file ends before its first picture does
    Undecodable, // the decoder gave up on the picture's data
};

struct DecodedPicture {
    QImage image; // empty when the file could not be read or was refused
    QSize fileSize; // the picture's size in the file, whatever resolution `image` has; set once known
    double scale = 1.0; // pixels of `image` per pixel of the file's picture
    ReadProblem problem = ReadProblem::None;
};

// The extension with its dot, upper-cased, taken from the last part of the path; empty if none.
QString upperExtension(const QString& fileName);

// The reader that a file's extension chooses: ".GIF" and ".JPG" (any case) their own, every other
// name the BMP reader.
PictureKind readerKindFor(const QString& fileName);

// The host path of a Windows or host file name; empty when it cannot be mapped (no machine, an
// unmapped drive, a forbidden character), which the readers treat as an unreadable file.
QString hostPathOrEmpty(const QString& fileName);

// Decodes the first picture of a host file within the size limits of imagelimits.h. When
// `neededSize` is given, a JPEG is decoded at the smallest reduced scale that still has enough
// detail for a picture of that size (the file size is reported unchanged).
DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize = {});

} // namespace images
