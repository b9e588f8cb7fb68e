#include "images/picturereader.h"

#include "images/completeness.h"
#include "images/imagelimits.h"
#include "images/jpegdecoder.h"
#include "images/jpegresampling.h"
#include "images/resampler.h"
#include "platform/winpath.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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
    case PictureKind::Png:
        return "png";
    case PictureKind::WebP:
        return "webp";
    case PictureKind::Tiff:
        return "tiff";
    case PictureKind::Any:
        break;
    }
    return {};
}

// A file that stops inside its signature, or so soon after it that the reader cannot even tell its
// kind, is cut short rather than foreign.
constexpr qint64 ShortestHeader = 64;

// Bytes of the decoder's own output for a picture of `size` in `format`.
qint64 decodedBytes(QSize size, QImage::Format format)
{
    const qint64 bits = QImage::toPixelFormat(format).bitsPerPixel();
    return qint64(size.width()) * size.height() * std::max<qint64>(bits, 8) / 8;
}

// Transparent parts show the black around the boot screen.
QImage onBlack(QImage image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull())
        return {};
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
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

// What a reader is asked for besides the picture's pixels.
struct Request {
    QSize needed; // detail enough for a picture of this size is all that is needed
    QSize resampledTo; // the picture resampled to exactly this size, when valid
};

// JPEGs go to libjpeg directly, which can reduce them by any eighth while decoding.
DecodedPicture readJpeg(const uchar* bytes, qint64 size, const Request& request)
{
    DecodedPicture result;
    result.kind = PictureKind::Jpeg;
    if (!acceptSize(jpegHeaderSize(bytes, size), pictureLooksComplete(bytes, size, "jpeg"), result))
        return result;
    const QSize minimum = request.needed.isValid() && !request.needed.isEmpty()
        ? (QSizeF(request.needed) * JpegOversampling).toSize()
        : QSize();
    if (request.resampledTo.isValid()) {
        result.image = decodeJpegResampled(bytes, size, minimum, request.resampledTo);
    } else {
        DecodedJpeg decoded = decodeJpeg(bytes, size, minimum);
        result.image = std::move(decoded.image);
        result.scale = decoded.scale;
    }
    if (result.image.isNull())
        result.problem = ReadProblem::Undecodable;
    return result;
}

// Every other kind goes through Qt's readers (with the image-formats plugins for WebP and TIFF),
// which decode the first frame or page only.
DecodedPicture readWithQt(const QString& hostPath, PictureKind kind, const uchar* bytes, qint64 size)
{
    DecodedPicture result;
    result.kind = kind;
    QImageReader::setAllocationLimit(MaxBlockMiB);
    QImageReader reader(hostPath, formatName(kind));
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        result.problem = size < ShortestHeader ? ReadProblem::Truncated : ReadProblem::NotThisKind;
        return result;
    }
    const bool complete = pictureLooksComplete(bytes, size, formatName(kind));
    // A top-down bitmap reports a negative height.
    const QSize declared(reader.size().width(), std::abs(reader.size().height()));
    if (!acceptSize(declared, complete, result))
        return result;
    if (decodedBytes(declared, reader.imageFormat()) > qint64(MaxBlockMiB) * 1024 * 1024) {
        result.problem = ReadProblem::TooMuchMemory;
        return result;
    }
    result.image = onBlack(reader.read());
    if (result.image.isNull())
        result.problem = ReadProblem::Undecodable;
    return result;
}

} // namespace

namespace
{

DecodedPicture read(const QString& hostPath, PictureKind kind, const Request& request)
{
    DecodedPicture result;
    result.problem = fileProblem(hostPath);
    if (result.problem != ReadProblem::None)
        return result;
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = ReadProblem::Unreadable;
        return result;
    }
    if (file.size() == 0) {
        result.problem = ReadProblem::Empty;
        return result;
    }
    const uchar* bytes = file.map(0, file.size());
    if (!bytes) {
        result.problem = ReadProblem::Unreadable;
        return result;
    }
    const PictureKind found = kindOfContent(bytes, file.size(), hostPath);
    if (kind == PictureKind::Any && found == PictureKind::Any) {
        result.problem = ReadProblem::NotAPicture;
        return result;
    }
    if (kind != PictureKind::Any && found != kind) {
        result.problem = ReadProblem::NotThisKind;
        return result;
    }
    if (found == PictureKind::Jpeg)
        return readJpeg(bytes, file.size(), request);
    DecodedPicture picture = readWithQt(hostPath, found, bytes, file.size());
    if (request.resampledTo.isValid() && !picture.image.isNull()) {
        picture.image
            = resampleLanczos(picture.image, request.resampledTo.width(), request.resampledTo.height());
        if (picture.image.isNull())
            picture.problem = ReadProblem::TooMuchMemory;
    }
    return picture;
}

} // namespace

DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize)
{
    return read(hostPath, kind, { neededSize, {} });
}

DecodedPicture readPictureResampled(const QString& hostPath, PictureKind kind, QSize size)
{
    if (!size.isValid() || size.isEmpty() || !sizeAllowed(size.width(), size.height())) {
        DecodedPicture refused;
        refused.problem = ReadProblem::BadSize;
        return refused;
    }
    return read(hostPath, kind, { size, size });
}

qint16 shownBitCount(const QString& hostPath, PictureKind kind)
{
    if (kind == PictureKind::Gif)
        return 8;
    if (kind == PictureKind::Jpeg)
        return 24;
    QImageReader reader(hostPath, formatName(kind));
    reader.setAutoDetectImageFormat(false);
    const QImage::Format format = reader.imageFormat();
    switch (format) {
    case QImage::Format_Invalid:
        // Qt's WebP reader tells no format before decoding; WebP pictures are true colour.
        return kind == PictureKind::WebP && reader.canRead() ? 24 : 0;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return 8;
    default:
        return QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha ? 32 : 24;
    }
}

} // namespace images
