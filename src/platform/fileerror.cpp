#include "fileerror.h"

#include "windowspath.h"
#include "winpath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>

namespace platform
{

namespace
{

QString describe(int number)
{
    switch (number) {
    case BadFileName:
        return QCoreApplication::translate("FileError", "Bad file name");
    case FileNotFound:
        return QCoreApplication::translate("FileError", "File not found");
    case FileAlreadyExists:
        return QCoreApplication::translate("FileError", "File already exists");
    case PermissionDenied:
        return QCoreApplication::translate("FileError", "Permission denied");
    case PathNotFound:
        return QCoreApplication::translate("FileError", "Path not found");
    default:
        return QCoreApplication::translate("FileError", "Path/File access error");
    }
}

// ENOENT is ambiguous: Windows tells a missing file (53) from a missing folder on the way (76).
bool parentFolderExists(const QString& path)
{
    try {
        QString hostParent;
        if (path.startsWith(QLatin1Char('/'))) {
            hostParent = QFileInfo(path).path();
        } else {
            WindowsPath parsed = parseWindowsPath(path);
            if (parsed.parts.isEmpty())
                return false;
            parsed.parts.removeLast();
            hostParent = hostPathFor(parsed.toString());
        }
        return QFileInfo(hostParent).isDir();
    } catch (const std::exception&) {
        return false; // no drive or no machine: the path itself cannot be found
    }
}

// The runtime's numbers for the host's errno values; ENOENT alone needs a look at the disk.
struct ErrnoNumber {
    int error;
    int number;
};
constexpr ErrnoNumber ErrnoNumbers[] = {
    { ENOTDIR, PathNotFound },
    { EACCES, PermissionDenied },
    { EPERM, PermissionDenied },
    { EROFS, PermissionDenied },
    { EEXIST, FileAlreadyExists },
    { ENAMETOOLONG, BadFileName },
    { EINVAL, BadFileName },
    { EILSEQ, BadFileName },
};

int numberForErrno(int error, const QString& path)
{
    if (error == ENOENT)
        return parentFolderExists(path) ? FileNotFound : PathNotFound;
    for (const ErrnoNumber& known : ErrnoNumbers)
        if (known.error == error)
            return known.number;
    return PathFileAccessError;
}

} // namespace

FileError::FileError(int number, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_number(number)
{
}

FileError FileError::withPath(int number, const QString& path)
{
    return FileError(number, describe(number) + QStringLiteral(": ") + path);
}

FileError FileError::fromErrno(int error, const QString& path)
{
    return withPath(numberForErrno(error, path), path);
}

DamagedFileError::DamagedFileError(const QString& file, const QString& reason, const QString& keptCopy)
    : std::runtime_error(QStringLiteral("%1: %2").arg(file, reason).toStdString())
    , m_file(file)
    , m_reason(reason)
    , m_keptCopy(keptCopy)
{
}

QString DamagedFileError::userMessage() const
{
    QString text
        = QCoreApplication::translate("FileError", "The file %1 is damaged (%2).").arg(m_file, m_reason);
    if (!m_keptCopy.isEmpty())
        text += QCoreApplication::translate("FileError", " A copy was kept as %1.").arg(m_keptCopy);
    return text;
}

} // namespace platform
