#include "images/conversionproblem.h"

#include "images/imagelimits.h"
#include "images/picturereader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace images
{

namespace
{

// Every name that is neither a GIF nor a JPEG one goes to the BMP reader.
QString kindName(PictureKind kind)
{
    if (kind == PictureKind::Gif)
        return QStringLiteral("GIF");
    if (kind == PictureKind::Jpeg)
        return QStringLiteral("JPEG");
    return QStringLiteral("BMP");
}

QString describe(const DecodedPicture& picture, PictureKind kind)
{
    switch (picture.problem) {
    case ReadProblem::None:
        return {};
    case ReadProblem::Missing:
        return QStringLiteral("no such file");
    case ReadProblem::Folder:
        return QStringLiteral("is a folder, not a picture file");
    case ReadProblem::Unreadable:
        return QStringLiteral("cannot be opened for reading");
    case ReadProblem::FileTooLarge:
        return QStringLiteral("is larger than the limit of %1 MiB for a picture file")
            .arg(MaxFileBytes / (1024 * 1024));
    case ReadProblem::NotThisKind:
        return QStringLiteral("not a %1 picture (the name chooses the reader: .gif GIF, .jpg JPEG, any "
                              "other BMP or .SYS)")
            .arg(kindName(kind));
    case ReadProblem::BadSize:
        return QStringLiteral("damaged: its header gives no usable picture size");
    case ReadProblem::TooLarge:
        return QStringLiteral("%1 x %2 pixels is larger than the limit of %3 pixels a side and %4 pixels "
                              "in all")
            .arg(picture.fileSize.width())
            .arg(picture.fileSize.height())
            .arg(MaxSide)
            .arg(MaxPixels);
    case ReadProblem::Truncated:
        return QStringLiteral("truncated: the file ends before its picture does");
    case ReadProblem::Undecodable:
        return QStringLiteral("damaged: its picture data cannot be decoded");
    }
    return {};
}

// Writing goes through a temporary file beside the destination, so a probe of the same kind
// gives the system's own reason when that cannot be done.
QString destinationProblem(const QString& destination)
{
    const QFileInfo info(destination);
    if (info.isDir())
        return QStringLiteral("is a folder; give the logo screen's file name");
    if (!info.dir().exists())
        return QStringLiteral("cannot write: its folder does not exist");
    QTemporaryFile probe(info.dir().filePath(QStringLiteral(".bootcanvas-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("cannot write: %1").arg(probe.errorString());
    return QStringLiteral("cannot write the logo screen");
}

QString withPath(const QString& path, const QString& reason)
{
    return reason.isEmpty() ? QString() : QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

} // namespace

QString pictureProblem(const QString& fileName)
{
    const PictureKind kind = readerKindFor(fileName);
    // A reduced decode is enough to find what stops the full one.
    return withPath(fileName, describe(readPicture(fileName, kind, QSize(1, 1)), kind));
}

QString conversionProblem(const QString& source, const QString& destination)
{
    if (const QString problem = pictureProblem(source); !problem.isEmpty())
        return problem;
    return withPath(destination, destinationProblem(destination));
}

} // namespace images
