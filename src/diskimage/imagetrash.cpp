#include "imagetrash.h"

#include "platform/dosattributes.h"
#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace diskimage
{

using namespace platform;

namespace
{

constexpr int MaxFolderDepth = 32;
constexpr int Everything = vbHidden | vbSystem;

QString child(const QString& windowsFolder, const QString& name)
{
    return windowsFolder + QLatin1Char('\\') + name;
}

// Copies the image entry `windowsPath` to the host path `hostPath`, folders with their contents.
void copyOut(const QString& windowsPath, const QString& hostPath, int depth)
{
    if (!folderExists(windowsPath)) {
        writeHostFileAtomically(hostPath, readFile(windowsPath, MaxCopyThroughMemoryBytes));
        return;
    }
    if (depth > MaxFolderDepth || !QDir().mkpath(hostPath))
        throw FileError::withPath(PathFileAccessError, windowsPath);
    for (const QString& name : listSubfolders(windowsPath))
        copyOut(child(windowsPath, name), hostPath + QLatin1Char('/') + name, depth + 1);
    for (const QString& name : listFiles(windowsPath, { QStringLiteral("*") }, Everything))
        copyOut(child(windowsPath, name), hostPath + QLatin1Char('/') + name, depth + 1);
}

void deleteFromImage(const QString& windowsPath)
{
    if (folderExists(windowsPath)) {
        removeTree(windowsPath);
        return;
    }
    // The user chose to delete it; its read-only, hidden or system bit only stands in the way.
    if (GetAttr(windowsPath) & (vbReadOnly | vbHidden | vbSystem))
        SetAttr(windowsPath, vbNormal);
    Kill(windowsPath);
}

} // namespace

bool moveImageEntryToTrash(const QString& windowsPath)
{
    // Staged beside the user's trash, so it moves there by a rename on the same file system.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!QDir().mkpath(dataHome))
        return false;
    QTemporaryDir staging(dataHome + QStringLiteral("/bootcanvas-trash-XXXXXX"));
    const QString name = windowsPath.section(QLatin1Char('\\'), -1);
    const QString staged = staging.filePath(name);
    try {
        if (!staging.isValid())
            return false;
        copyOut(windowsPath, staged, 0);
        if (!QFile::moveToTrash(staged))
            return false;
        deleteFromImage(windowsPath);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace diskimage
