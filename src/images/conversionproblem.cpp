#include "images/conversionproblem.h"

#include "images/imagelimits.h"
#include "images/picturereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace images
{

namespace
{

QString describe(const DecodedPicture& picture)
{
    switch (picture.problem) {
    case ReadProblem::None:
        return {};
    case ReadProblem::Missing:
        return QCoreApplication::translate("PictureReason", "no such file");
    case ReadProblem::Folder:
        return QCoreApplication::translate("PictureReason", "is a folder, not a picture file");
    case ReadProblem::Unreadable:
        return QCoreApplication::translate("PictureReason", "cannot be opened for reading");
    case ReadProblem::FileTooLarge:
        return QCoreApplication::translate(
            "PictureReason", "is larger than the limit of %1 MiB for a picture file")
            .arg(MaxFileBytes / (1024 * 1024));
    case ReadProblem::Empty:
        return QCoreApplication::translate("PictureReason", "empty: the file holds no picture");
    case ReadProblem::NotThisKind:
    case ReadProblem::NotAPicture:
        return QCoreApplication::translate(
            "PictureReason", "not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)");
    case ReadProblem::BadSize:
        return QCoreApplication::translate(
            "PictureReason", "damaged: its header gives no usable picture size");
    case ReadProblem::TooLarge:
        return QCoreApplication::translate("PictureReason",
            "%1 x %2 pixels is larger than the limit of %3 pixels a side and %4 pixels "
            "in all")
            .arg(picture.fileSize.width())
            .arg(picture.fileSize.height())
            .arg(MaxSide)
            .arg(MaxPixels);
    case ReadProblem::TooMuchMemory:
        return QCoreApplication::translate("PictureReason",
            "%1 x %2 pixels at this depth is larger than the limit of %3 MiB a decoded "
            "picture may take")
            .arg(picture.fileSize.width())
            .arg(picture.fileSize.height())
            .arg(MaxBlockMiB);
    case ReadProblem::Truncated:
        return QCoreApplication::translate(
            "PictureReason", "truncated: the file ends before its picture does");
    case ReadProblem::Undecodable:
        return QCoreApplication::translate("PictureReason", "damaged: its picture data cannot be decoded");
    }
    return {};
}

// Writing goes through a temporary file beside the destination, so a probe of the same kind
// gives the system's own reason when that cannot be done.
QString destinationProblem(const QString& destination)
{
    const QFileInfo info(destination);
    if (info.isDir())
        return QCoreApplication::translate("PictureReason", "is a folder; give the logo screen's file name");
    if (!info.dir().exists())
        return QCoreApplication::translate("PictureReason", "cannot write: its folder does not exist");
    QTemporaryFile probe(info.dir().filePath(QStringLiteral(".bootcanvas-XXXXXX")));
    if (!probe.open())
        return QCoreApplication::translate("PictureReason", "cannot write: %1").arg(probe.errorString());
    return QCoreApplication::translate("PictureReason", "cannot write the logo screen");
}

QString withPath(const QString& path, const QString& reason)
{
    return reason.isEmpty() ? QString() : QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

} // namespace

QString pictureReason(const QString& fileName)
{
    // A reduced decode is enough to find what stops the full one.
    return describe(readPicture(fileName, PictureKind::Any, QSize(1, 1)));
}

QString pictureProblem(const QString& fileName)
{
    return withPath(fileName, pictureReason(fileName));
}

QString conversionProblem(const QString& source, const QString& destination)
{
    if (const QString problem = pictureProblem(source); !problem.isEmpty())
        return problem;
    return withPath(destination, destinationProblem(destination));
}

} // namespace images
