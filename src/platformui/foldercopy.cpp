#include "foldercopy.h"

#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTemporaryFile>
#include <cstdio>
#include <memory>

namespace platform
{

namespace
{

constexpr QDir::Filters EntryFilter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
constexpr qint64 ChunkBytes = 1024 * 1024;
constexpr int ShowProgressAfterMs = 500;
constexpr int MaxFolderDepth = 32;
constexpr int HiddenAndSystem = vbHidden | vbSystem;

// The entry `name` of a host folder as a FAT drive would find it: the exact name, else one that
// differs only in case, else the name as given (for a new entry).
QString childFor(const QString& folder, const QString& name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(EntryFilter);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    return exact;
}

bool isInside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

QString canonicalOrClean(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

QString childOnDrive(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

int countFilesOnDrives(const QString& folder, int depth = 0)
{
    if (depth > MaxFolderDepth)
        return 0;
    int count = int(listFiles(folder, { QStringLiteral("*") }, HiddenAndSystem).size());
    for (const QString& name : listSubfolders(folder))
        count += countFilesOnDrives(childOnDrive(folder, name), depth + 1);
    return count;
}

// Whether `path` is `folder` or lies inside it, as Windows paths compare.
bool isInsideOnDrives(const QString& path, const QString& folder)
{
    const WindowsPath inner = parseWindowsPath(path), outer = parseWindowsPath(folder);
    if (inner.drive != outer.drive || inner.parts.size() < outer.parts.size())
        return false;
    for (qsizetype i = 0; i < outer.parts.size(); ++i)
        if (inner.parts.at(i).compare(outer.parts.at(i), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

int countFiles(const QString& folder)
{
    int count = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(EntryFilter);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir())
            count += entry.isSymLink() ? 0 : countFiles(entry.filePath());
        else
            ++count;
    }
    return count;
}

class FolderCopy
{
public:
    FolderCopy(int fileCount, QWidget* parent)
        : m_progress(parent)
    {
        m_progress.setWindowTitle(QCoreApplication::translate("FolderCopy", "Copying..."));
        m_progress.setCancelButtonText(QCoreApplication::translate("FolderCopy", "Cancel"));
        m_progress.setWindowModality(Qt::WindowModal);
        m_progress.setMinimumDuration(ShowProgressAfterMs);
        m_progress.setAutoClose(false);
        m_progress.setAutoReset(false);
        m_progress.setRange(0, std::max(fileCount, 1));
        m_progress.setValue(0);
    }

    // Copies the contents of `source` into `target`, creating `target` when it does not exist.
    void copyFolder(const QString& source, const QString& target)
    {
        if (!QFileInfo(target).isDir() && !QDir().mkdir(target)) {
            m_ok = false;
            return;
        }
        const QFileInfoList entries = QDir(source).entryInfoList(EntryFilter);
        for (const QFileInfo& entry : entries) {
            if (canceled())
                return;
            if (entry.isDir() && entry.isSymLink())
                continue;
            if (!isValidName(entry.fileName())) {
                m_ok = false; // a name that no Windows drive can hold
                continue;
            }
            const QString targetEntry = childFor(target, entry.fileName());
            if (entry.isDir())
                copyFolder(entry.filePath(), targetEntry);
            else
                copyFile(entry.filePath(), targetEntry);
        }
    }

    // The same copy through the drive layer, for a folder coming from or going into a disk image,
    // which has no host path. `source` and `target` are Windows paths.
    void copyFolderOnDrives(const QString& source, const QString& target, int depth = 0)
    {
        if (depth > MaxFolderDepth || !(folderExists(target) || madeFolder(target))) {
            m_ok = false;
            return;
        }
        for (const QString& name : listSubfolders(source)) {
            if (canceled())
                return;
            copyFolderOnDrives(childOnDrive(source, name), childOnDrive(target, name), depth + 1);
        }
        for (const QString& name : listFiles(source, { QStringLiteral("*") }, HiddenAndSystem)) {
            if (canceled())
                return;
            m_progress.setLabelText(QCoreApplication::translate("FolderCopy", "Copying %1").arg(name));
            m_ok = copyFileOnDrives(childOnDrive(source, name), childOnDrive(target, name)) && m_ok;
            m_progress.setValue(++m_copied);
        }
    }

    bool succeeded() const { return m_ok && !m_progress.wasCanceled(); }

private:
    bool canceled()
    {
        QCoreApplication::processEvents();
        return m_progress.wasCanceled();
    }

    void copyFile(const QString& source, const QString& target)
    {
        m_progress.setLabelText(
            QCoreApplication::translate("FolderCopy", "Copying %1").arg(QFileInfo(source).fileName()));
        m_ok = replaceFile(source, target) && m_ok;
        m_progress.setValue(++m_copied);
    }

    // A temporary file beside the target, renamed over it, so an interrupted copy never leaves a
    // truncated file; the rename also replaces a read-only target, as the copy overwrites all.
    bool replaceFile(const QString& source, const QString& target)
    {
        if (QFileInfo(target).isDir())
            return false;
        QFile in(source);
        QTemporaryFile out(QFileInfo(target).path() + QLatin1String("/.bootcanvas-copy-XXXXXX"));
        if (!in.open(QIODevice::ReadOnly) || !out.open())
            return false;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(ChunkBytes);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size() || canceled())
                return false;
        }
        out.setPermissions(in.permissions());
        if (!out.flush())
            return false;
        out.close();
        if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData())
            != 0)
            return false;
        out.setAutoRemove(false);
        return true;
    }

    static bool madeFolder(const QString& folder)
    {
        try {
            MkDir(folder);
            return true;
        } catch (const FileError&) {
            return false;
        }
    }

    // Overwrites as the host copy does, a read-only or hidden target included.
    static bool copyFileOnDrives(const QString& source, const QString& target)
    {
        try {
            if (fileExists(target) || entryExists(target, HiddenAndSystem))
                SetAttr(target, vbNormal);
            FileCopy(source, target);
            return true;
        } catch (const FileError&) {
            return false;
        }
    }

    QProgressDialog m_progress;
    int m_copied = 0;
    bool m_ok = true;
};

bool copyFolderIntoOnDrives(const QString& source, const QString& targetParent, QWidget* parent)
{
    try {
        const QStringList parts = parseWindowsPath(source).parts;
        const QString name = parts.isEmpty() ? QString() : parts.last();
        const QString target = childOnDrive(targetParent, name);
        if (!folderExists(source) || !folderExists(targetParent) || !isValidName(name)
            || isInsideOnDrives(target, source))
            return false;
        FolderCopy copy(countFilesOnDrives(source), parent);
        copy.copyFolderOnDrives(source, target);
        return copy.succeeded();
    } catch (const FileError&) {
        return false;
    }
}

} // namespace

bool copyFolderInto(const QString& source, const QString& targetParent, QWidget* parent)
{
    if (isOnImageDrive(source) || isOnImageDrive(targetParent))
        return copyFolderIntoOnDrives(source, targetParent, parent);
    QString sourceHost, parentHost;
    try {
        sourceHost = QDir::cleanPath(resolveToHost(source));
        parentHost = QDir::cleanPath(resolveToHost(targetParent));
    } catch (const FileError&) {
        return false;
    }
    const QFileInfo sourceInfo(sourceHost);
    const QString name = sourceInfo.fileName();
    if (!sourceInfo.isDir() || !QFileInfo(parentHost).isDir() || !isValidName(name))
        return false;
    const QString target = childFor(parentHost, name);
    if (isInside(canonicalOrClean(target), canonicalOrClean(sourceHost)))
        return false;

    FolderCopy copy(countFiles(sourceHost), parent);
    copy.copyFolder(sourceHost, target);
    return copy.succeeded();
}

} // namespace platform
