#pragma once

#include "images/picturekind.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace images
{

// Why a file gave no picture, so that the tools can tell their users.
enum class ReadProblem {
    None,
    Missing, // no such file, or a name that cannot be mapped to one
    Folder, // a folder where a picture file was expected
    Unreadable, // the file cannot be opened for reading
    FileTooLarge, // more bytes than MaxFileBytes
    Empty, // a file of no bytes
    NotThisKind, // not a picture of the kind the reader was asked for
    NotAPicture, // content of no kind the readers know
    BadSize, // the header declares no usable size
    TooLarge, // more pixels than the limits allow
    TooMuchMemory, // allowed pixels, but decoded at a depth that needs more than MaxBlockMiB
    Truncated, // the file ends before its first picture does
    Undecodable, // the decoder gave up on the picture's data
};

struct DecodedPicture {
    QImage image; // empty when the file could not be read or was refused
    QSize fileSize; // the picture's size in the file, whatever resolution `image` has; set once known
    double scale = 1.0; // pixels of `image` per pixel of the file's picture
    ReadProblem problem = ReadProblem::None;
    PictureKind kind = PictureKind::Any; // the kind read, once known
    int decodedBits = 0; // bits a pixel of the decoder's own output (64 for a 16-bit RGBA PNG)
};

// The host path of a Windows or host file name; empty when it cannot be mapped (no machine, an
// unmapped drive, a forbidden character), which the readers treat as an unreadable file.
QString hostPathOrEmpty(const QString& fileName);

// Decodes the first picture (frame, page) of a host file within the size limits of imagelimits.h,
// with any transparency laid over black. `kind` Any finds the kind from the file's first bytes;
// any other kind refuses files of another. When `neededSize` is given, a JPEG is decoded at the smallest
// reduced scale that still has enough detail for a picture of that size (the file size is reported
// unchanged).
DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize = {});

// readPicture with `size` as the needed size, the picture then resampled to exactly `size` (as
// resampleLanczos over the decoded extent resamples it). A JPEG is resampled while it is decoded,
// its decoded pixels never held whole. `scale` stays 1; a bad `size` is refused as BadSize.
DecodedPicture readPictureResampled(const QString& hostPath, PictureKind kind, QSize size);

// The bit count shown for a picture of `kind`: GIF 8, JPEG 24, WebP 24; for PNG and TIFF 8 for palette
// and grey pictures (or the palette's fewer bits), 32 with transparency, else 24. Read from the
// header alone; 0 when it cannot be. BMPs have their own header field (GetBmpInfo).
qint16 shownBitCount(const QString& hostPath, PictureKind kind);

} // namespace images
