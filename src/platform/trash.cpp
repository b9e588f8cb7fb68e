#include "shell.h"

#include "drivebackend.h"
#include "fileerror.h"
#include "files.h"
#include "msgbox.h"
#include "winpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform
{

namespace
{

struct TrashItem {
    QString name;
    QString hostPath; // empty for an entry inside a disk image
    QString windowsPath;
};

qsizetype lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

bool hasWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Windows wildcards: "*" any run, "?" one character, "*.*" everything (also names without a dot).
QRegularExpression wildcardPattern(const QString& wildcard)
{
    if (wildcard == QLatin1String("*.*"))
        return QRegularExpression(QStringLiteral("^.*$"));
    QString pattern;
    for (const QChar c : wildcard) {
        if (c == QLatin1Char('*'))
            pattern += QLatin1String(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(
        QLatin1Char('^') + pattern + QLatin1Char('$'), QRegularExpression::CaseInsensitiveOption);
}

bool hostEntryExists(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    return info.exists() || info.isSymLink();
}

// Every entry of a folder inside a disk image, hidden and system files too.
QStringList imageFolderEntries(const QString& folder)
{
    constexpr int Everything = vbHidden | vbSystem;
    return listSubfolders(folder) + listFiles(folder, { QStringLiteral("*") }, Everything);
}

QStringList hostFolderEntries(const QString& folder)
{
    return QDir(resolveToHost(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TrashItem itemAt(const QString& folder, const QString& name, bool inImage)
{
    const QString windowsPath = folder + name;
    return { name, inImage ? QString() : resolveToHost(windowsPath), windowsPath };
}

// Adds the entries `path` stands for; false when it names nothing that exists.
bool collectItems(QString path, QList<TrashItem>& items)
{
    while (path.size() > 3 && (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'))))
        path.chop(1);
    const qsizetype separator = lastSeparator(path);
    const QString name = path.mid(separator + 1);
    const QString folder = path.left(separator + 1);
    const bool inImage = isOnImageDrive(folder);
    try {
        if (!hasWildcard(name)) {
            if (inImage ? !entryExists(path, vbDirectory | vbHidden | vbSystem)
                        : !hostEntryExists(resolveToHost(path)))
                return false;
            items.append(itemAt(folder, name, inImage));
            return true;
        }
        if (!folderExists(folder))
            return false;
        const QRegularExpression pattern = wildcardPattern(name);
        for (const QString& entry : inImage ? imageFolderEntries(folder) : hostFolderEntries(folder))
            if (pattern.match(entry).hasMatch())
                items.append(itemAt(folder, entry, inImage));
        return true;
    } catch (const FileError&) {
        return false;
    }
}

// A drive without a trash of its own (a disk image) sends its entries there through its backend.
bool moveDriveEntryToTrash(const QString& windowsPath)
{
    try {
        const std::optional<DriveLocation> at = driveLocationOf(windowsPath);
        return at && at->drive->moveToTrash(*at);
    } catch (const FileError&) {
        return false;
    }
}

QString confirmationFor(const QList<TrashItem>& items)
{
    if (items.size() == 1)
        return QCoreApplication::translate("Trash", "Are you sure you want to send '%1' to the Recycle Bin?")
            .arg(items.first().name);
    return QCoreApplication::translate(
        "Trash", "Are you sure you want to send these %1 items to the Recycle Bin?")
        .arg(items.size());
}

} // namespace

bool moveToTrash(const QStringList& paths)
{
    QList<TrashItem> items;
    bool allFound = true;
    for (const QString& path : paths)
        allFound = collectItems(path, items) && allFound;
    if (items.isEmpty())
        return allFound;
    if (MsgBox(confirmationFor(items), vbYesNo | vbQuestion) != vbYes)
        return false;
    bool allMoved = allFound;
    for (const TrashItem& item : items)
        allMoved = (item.hostPath.isEmpty() ? moveDriveEntryToTrash(item.windowsPath)
                                            : QFile::moveToTrash(item.hostPath))
            && allMoved;
    return allMoved;
}

} // namespace platform
