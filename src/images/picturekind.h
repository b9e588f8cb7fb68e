#pragma once

#include <QString>
#include <QtGlobal>

namespace images
{

// The picture kinds the readers accept. `Any` asks the reader to find the kind from the content.
enum class PictureKind { Bmp, Gif, Jpeg, Png, WebP, Tiff, Any };

// The extension with its dot, upper-cased, taken from the last part of the path; empty if none.
QString upperExtension(const QString& fileName);

// The kind a file's name suggests; `Any` when the extension names none of them.
PictureKind kindNamedBy(const QString& fileName);

// The kind whose signature starts `bytes`. A file too short for its whole signature, or with none,
// is taken for the kind its name suggests when the bytes it has fit that kind's signature; `Any`
// when neither tells.
PictureKind kindOfContent(const uchar* bytes, qint64 size, const QString& fileName);

// The kind of a host file, from its first bytes; `Any` when it cannot be read or tells no kind.
PictureKind kindOfHostFile(const QString& hostPath);

// "BMP", "GIF", "JPEG", "PNG", "WebP", "TIFF"; empty for `Any`.
QString kindName(PictureKind kind);

} // namespace images
