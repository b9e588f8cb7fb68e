#include "images/picturereader.h"

#include "images/completeness.h"
#include "images/imagelimits.h"
#include "images/jpegdecoder.h"
#include "platform/winpath.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace images
{

namespace
{

// A reduced JPEG keeps at least this many decoded pixels per output pixel in each direction, so
// the resampler still sees the detail it averages.
constexpr double JpegOversampling = 1.5;

QByteArray formatName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bmp:
        return "bmp";
    case PictureKind::Gif:
        return "gif";
    case PictureKind::Jpeg:
        return "jpeg";
    case PictureKind::Any:
        break;
    }
    return {};
}

bool formatAllowed(const QByteArray& format)
{
    // The loader reads what the old picture objects read; other formats are not our input.
    static const QList<QByteArray> allowed { "bmp", "gif", "jpeg", "jpg", "ico", "cur" };
    return allowed.contains(format.toLower());
}

} // namespace

QString hostPathOrEmpty(const QString& fileName)
{
    try {
        return platform::resolveToHost(fileName);
    } catch (const std::exception&) {
        return {};
    }
}

QString upperExtension(const QString& fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > slash ? fileName.mid(dot).toUpper() : QString();
}

PictureKind readerKindFor(const QString& fileName)
{
    const QString extension = upperExtension(fileName);
    if (extension == QLatin1String(".GIF"))
        return PictureKind::Gif;
    if (extension == QLatin1String(".JPG"))
        return PictureKind::Jpeg;
    return PictureKind::Bmp;
}

namespace
{

// The problem that keeps a host file from being read at all, before its content is looked at.
ReadProblem fileProblem(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.exists())
        return ReadProblem::Missing;
    if (!info.isFile())
        return info.isDir() ? ReadProblem::Folder : ReadProblem::NotThisKind;
    if (!info.isReadable())
        return ReadProblem::Unreadable;
    if (info.size() > MaxFileBytes)
        return ReadProblem::FileTooLarge;
    return ReadProblem::None;
}

// Checks a declared size and the file's completeness; false with `result.problem` set on refusal.
bool acceptSize(QSize size, bool complete, DecodedPicture& result)
{
    if (size.width() <= 0 || size.height() <= 0) {
        // Cut before its header ends, a file has no size either.
        result.problem = complete ? ReadProblem::BadSize : ReadProblem::Truncated;
        return false;
    }
    result.fileSize = size;
    if (!sizeAllowed(size.width(), size.height())) {
        result.problem = ReadProblem::TooLarge;
        return false;
    }
    if (!complete) {
        result.problem = ReadProblem::Truncated;
        return false;
    }
    return true;
}

// JPEGs go to libjpeg directly, which can reduce them by any eighth while decoding.
DecodedPicture readJpeg(const uchar* bytes, qint64 size, QSize neededSize)
{
    DecodedPicture result;
    if (size < 3 || bytes[0] != 0xff || bytes[1] != 0xd8 || bytes[2] != 0xff) {
        result.problem = ReadProblem::NotThisKind;
        return result;
    }
    if (!acceptSize(jpegHeaderSize(bytes, size), pictureLooksComplete(bytes, size, "jpeg"), result))
        return result;
    const QSize minimum = neededSize.isValid() && !neededSize.isEmpty()
        ? (QSizeF(neededSize) * JpegOversampling).toSize()
        : QSize();
    DecodedJpeg decoded = decodeJpeg(bytes, size, minimum);
    result.image = std::move(decoded.image);
    result.scale = decoded.scale;
    if (result.image.isNull())
        result.problem = ReadProblem::Undecodable;
    return result;
}

DecodedPicture readWithQt(const QString& hostPath, PictureKind kind, const uchar* bytes, qint64 size)
{
    DecodedPicture result;
    QImageReader::setAllocationLimit(MaxBlockMiB);
    QImageReader reader(hostPath);
    if (kind != PictureKind::Any) {
        reader.setFormat(formatName(kind));
        reader.setAutoDetectImageFormat(false);
    }
    if (!reader.canRead() || !formatAllowed(reader.format())) {
        result.problem = ReadProblem::NotThisKind;
        return result;
    }
    const bool complete = pictureLooksComplete(bytes, size, reader.format().toLower());
    // A top-down bitmap reports a negative height.
    if (!acceptSize(QSize(reader.size().width(), std::abs(reader.size().height())), complete, result))
        return result;
    result.image = reader.read();
    if (result.image.isNull())
        result.problem = ReadProblem::Undecodable;
    return result;
}

} // namespace

DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize)
{
    DecodedPicture result;
    result.problem = fileProblem(hostPath);
    if (result.problem != ReadProblem::None)
        return result;
    QFile file(hostPath);
    const uchar* bytes = file.open(QIODevice::ReadOnly) ? file.map(0, file.size()) : nullptr;
    if (!bytes) {
        result.problem = file.size() == 0 && file.isOpen() ? ReadProblem::NotThisKind : ReadProblem::Unreadable;
        return result;
    }
    if (kind == PictureKind::Jpeg)
        return readJpeg(bytes, file.size(), neededSize);
    return readWithQt(hostPath, kind, bytes, file.size());
}

} // namespace images
