#include "tempfiles.h"

#include "drivebackend.h"
#include "fileerror.h"
#include "files.h"
#include "hostcallerror.h"
#include "hostfolder.h"
#include "windowspath.h"
#include "winpath.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform
{

QString createTempFile(const QString& windowsFolder, const QString& prefix)
{
    const QString folder = parseWindowsPath(windowsFolder).toString();
    const std::optional<DriveLocation> image = driveLocationOf(folder);
    if (image ? !folderExists(folder) : !hostFolderExists(hostPathFor(folder)))
        throw FileError::withPath(PathNotFound, windowsFolder);
    const QString base = folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\');

    // Like the system, start at an unpredictable number and walk on past names already taken; the
    // number is never 0 and wraps after FFFF.
    const uint start = QRandomGenerator::global()->bounded(1u, 0x10000u);
    for (uint step = 0; step < 0xFFFF; ++step) {
        const uint number = (start - 1 + step) % 0xFFFF + 1;
        const QString path
            = base + prefix.left(3) + QStringLiteral("%1.TMP").arg(number, 4, 16, QLatin1Char('0')).toUpper();
        if (image) {
            if (image->drive->createFile(*driveLocationOf(path)))
                return path;
            continue;
        }
        // Going through the path layer makes a name taken in another case count as taken.
        const int fd = ::open(
            QFile::encodeName(hostPathFor(path)).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            throw hostCallError(errno, path);
    }
    throw FileError::withPath(PathFileAccessError, base + prefix.left(3) + QStringLiteral("????.TMP"));
}

} // namespace platform
