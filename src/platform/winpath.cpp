#include "winpath.h"

#include "drivebackend.h"
#include "fileerror.h"
#include "hostfolder.h"
#include "machine.h"
#include "windowspath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform
{

namespace
{

// True when `prefix` is `path` itself or one of its parent folders.
bool isHostPrefix(const QString& prefix, const QString& path)
{
    if (prefix == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == prefix || (path.startsWith(prefix) && path.at(prefix.size()) == QLatin1Char('/'));
}

QString windowsPathThrough(const QList<DriveMapping>& drives, const QString& hostPath)
{
    const DriveMapping* best = nullptr;
    for (const DriveMapping& drive : drives)
        if (isHostPrefix(drive.hostFolder, hostPath)
            && (!best || drive.hostFolder.size() > best->hostFolder.size()))
            best = &drive;
    if (!best)
        return {};
    QString rest = hostPath.mid(best->hostFolder == QLatin1String("/") ? 1 : best->hostFolder.size() + 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return best->letter + QStringLiteral(":\\") + rest;
}

} // namespace

QString hostPathFor(const QString& windowsPath)
{
    const WindowsPath path = parseWindowsPath(windowsPath);
    const std::optional<DriveMapping> drive = currentMachine().drive(path.drive);
    if (!drive)
        throw FileError::withPath(PathNotFound, windowsPath);
    // Readers that need a host file get a copy of the image's file.
    if (const std::optional<DriveLocation> image = driveLocationOf(windowsPath))
        return image->drive->hostCopy(*image);

    QString host = drive->hostFolder;
    bool parentExists = hostFolderExists(host);
    for (const QString& part : path.parts) {
        QString name = part;
        if (parentExists && !hostEntryExists(joinHostPath(host, part))) {
            const QString match = findEntryIgnoringCase(host, part);
            if (!match.isEmpty())
                name = match;
        }
        host = joinHostPath(host, name);
        // Once a folder is missing, nothing below it can be matched; the rest keeps its case.
        parentExists = parentExists && hostFolderExists(host);
    }
    return host;
}

QString windowsPathFor(const QString& hostPath)
{
    if (!hasCurrentMachine() || hostPath.isEmpty())
        return {};
    const QList<DriveMapping>& drives = currentMachine().drives();
    const QString cleaned = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(hostPath));
    QString windows = windowsPathThrough(drives, cleaned);
    if (!windows.isEmpty())
        return windows;

    // A path reached through a symbolic link still belongs to the drive it leads into.
    const QString canonical = QFileInfo(cleaned).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    QList<DriveMapping> canonicalDrives = drives;
    for (DriveMapping& drive : canonicalDrives) {
        const QString resolved = QFileInfo(drive.hostFolder).canonicalFilePath();
        if (!resolved.isEmpty())
            drive.hostFolder = resolved;
    }
    return windowsPathThrough(canonicalDrives, canonical);
}

QString resolveToHost(const QString& path)
{
    if (path.startsWith(QLatin1Char('/')))
        return path;
    return hostPathFor(path);
}

QString resolveToHostOrEmpty(const QString& path)
{
    if (path.isEmpty())
        return {};
    try {
        return resolveToHost(path);
    } catch (const FileError&) {
        return {};
    }
}

bool looksLikeWindowsPath(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return pattern.match(text).hasMatch();
}

} // namespace platform
