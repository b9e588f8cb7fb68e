#include "images/picturereader.h"

#include "images/completeness.h"
#include "images/imagelimits.h"
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
// the resampler still sees the detail it averages (measured: 1.5 loses nothing visible).
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

// libjpeg scales by 1/2, 1/4 or 1/8 while it decodes, far cheaper than decoding in full.
QSize reducedJpegSize(QSize full, QSize needed)
{
    for (int denominator : { 8, 4, 2 }) {
        const QSize reduced(
            (full.width() + denominator - 1) / denominator, (full.height() + denominator - 1) / denominator);
        if (reduced.width() >= needed.width() * JpegOversampling
            && reduced.height() >= needed.height() * JpegOversampling)
            return reduced;
    }
    return full;
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

DecodedPicture readPicture(const QString& hostPath, PictureKind kind, QSize neededSize)
{
    DecodedPicture result;
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.exists()) {
        result.problem = ReadProblem::Missing;
        return result;
    }
    if (!info.isFile()) {
        result.problem = info.isDir() ? ReadProblem::Folder : ReadProblem::NotThisKind;
        return result;
    }
    if (!info.isReadable()) {
        result.problem = ReadProblem::Unreadable;
        return result;
    }
    if (info.size() > MaxFileBytes) {
        result.problem = ReadProblem::FileTooLarge;
        return result;
    }

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

    QFile file(hostPath);
    const uchar* bytes = file.open(QIODevice::ReadOnly) ? file.map(0, file.size()) : nullptr;
    if (!bytes) {
        result.problem = ReadProblem::Unreadable;
        return result;
    }
    const bool complete = pictureLooksComplete(bytes, file.size(), reader.format().toLower());

    // A top-down bitmap reports a negative height.
    const QSize size(reader.size().width(), std::abs(reader.size().height()));
    if (size.width() <= 0 || size.height() <= 0) {
        // Cut before its header ends, a file has no size either.
        result.problem = complete ? ReadProblem::BadSize : ReadProblem::Truncated;
        return result;
    }
    result.fileSize = size;
    if (!sizeAllowed(size.width(), size.height())) {
        result.problem = ReadProblem::TooLarge;
        return result;
    }
    if (!complete) {
        result.problem = ReadProblem::Truncated;
        return result;
    }
    if (reader.format() == "jpeg" && neededSize.isValid() && !neededSize.isEmpty()) {
        const QSize reduced = reducedJpegSize(size, neededSize);
        if (reduced != size)
            reader.setScaledSize(reduced);
    }

    QImage image = reader.read();
    if (image.isNull()) {
        result.problem = ReadProblem::Undecodable;
        return result;
    }
    result.image = std::move(image);
    return result;
}

} // namespace images
