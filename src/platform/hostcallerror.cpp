#include "hostcallerror.h"

#include "windowspath.h"
#include "winpath.h"

#include <QFileInfo>
#include <cerrno>

namespace platform
{

namespace
{

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

FileError hostCallError(int error, const QString& path)
{
    return FileError::withPath(numberForErrno(error, path), path);
}

} // namespace platform
