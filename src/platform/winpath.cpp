#include "winpath.h"

#include "fileerror.h"
#include "hostfolder.h"
#include "imagefiles.h"
#include "machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace platform
{

namespace
{

// Longest Windows path accepted (the limit of the wide-character API); longer ones are bad names.
constexpr qsizetype MaxWindowsPathLength = 32767;

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

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

QString WindowsPath::toString() const
{
    return drive + QStringLiteral(":\\") + parts.join(QLatin1Char('\\'));
}

bool isForbiddenNameChar(QChar c)
{
    if (c.unicode() < 0x20)
        return true;
    switch (c.unicode()) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return false;
    }
}

bool isValidName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(
        name.begin(), name.end(), [](QChar c) { return isForbiddenNameChar(c) || isSeparator(c); });
}

WindowsPath parseWindowsPath(const QString& path)
{
    if (path.size() > MaxWindowsPathLength)
        throw FileError::withPath(BadFileName, path.left(260) + QStringLiteral("..."));
    if (path.size() < 2 || path.at(1) != QLatin1Char(':') || path.at(0).unicode() > 'z'
        || !path.at(0).isLetter())
        throw FileError::withPath(PathNotFound, path);

    WindowsPath result;
    result.drive = path.at(0).toUpper();
    // "C:name" has no current folder to be relative to here, so it is taken from the root.
    const QStringView rest = QStringView(path).mid(2);
    if (std::any_of(rest.begin(), rest.end(), isForbiddenNameChar))
        throw FileError::withPath(BadFileName, path);
    qsizetype start = 0;
    while (start <= rest.size()) {
        qsizetype end = start;
        while (end < rest.size() && !isSeparator(rest.at(end)))
            ++end;
        QStringView part = rest.mid(start, end - start);
        start = end + 1;
        if (part == QLatin1String("..")) {
            if (!result.parts.isEmpty())
                result.parts.removeLast();
            continue;
        }
        // Windows ignores trailing dots and blanks of a name ("LOGO.SYS " is "LOGO.SYS"); a part
        // left empty, like "." or "...", names the folder itself.
        while (!part.isEmpty() && (part.endsWith(QLatin1Char('.')) || part.endsWith(QLatin1Char(' '))))
            part.chop(1);
        if (!part.isEmpty())
            result.parts.append(part.toString());
    }
    return result;
}

QString hostPathFor(const QString& windowsPath)
{
    const WindowsPath path = parseWindowsPath(windowsPath);
    const std::optional<DriveMapping> drive = currentMachine().drive(path.drive);
    if (!drive)
        throw FileError::withPath(PathNotFound, windowsPath);
    // Readers that need a host file get a copy of the image's file.
    if (!drive->imagePath.isEmpty())
        return imageHostCopy(*imageLocationOf(windowsPath));

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
