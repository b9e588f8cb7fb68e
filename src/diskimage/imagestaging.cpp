#include "imagestaging.h"

#include "tempfolders.h"

#include "platform/fileerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <utility>

namespace diskimage
{

using namespace platform;

namespace
{

bool sameFolder(const QStringList& a, const QStringList& b)
{
    return a.join(QLatin1Char('/')).compare(b.join(QLatin1Char('/')), Qt::CaseInsensitive) == 0;
}

} // namespace

qint64 clusterRounded(qint64 size, qint64 clusterBytes)
{
    return (size + clusterBytes - 1) / clusterBytes * clusterBytes;
}

void ReplacementStage::add(const StagedFile& file)
{
    if (!m_folder)
        m_folder = std::make_unique<QTemporaryDir>(privateFolderTemplate(QStringLiteral("staged")));
    QFile host(hostPath(file));
    if (!m_folder->isValid() || !host.open(QIODevice::WriteOnly) || host.write(file.data) != file.data.size()
        || !host.flush())
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "No temporary file could be written for %1")
                .arg(file.name));
    m_files.append(file);
}

bool ReplacementStage::touches(const QStringList& parts) const
{
    if (parts.isEmpty())
        return false;
    const QStringList folder = parts.mid(0, parts.size() - 1);
    const QString& name = parts.last();
    for (const StagedFile& file : m_files)
        if (sameFolder(folder, file.folder)
            && (name.compare(file.name, Qt::CaseInsensitive) == 0 || name.contains(QLatin1Char('~'))))
            return true;
    return false;
}

bool ReplacementStage::holdsTemporary(const QString& temporary) const
{
    for (const StagedFile& file : m_files)
        if (file.temporary.compare(temporary, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QList<StagedFile> ReplacementStage::takeAll()
{
    return std::exchange(m_files, {});
}

QString ReplacementStage::folderOf(const QString& name, const QList<StagedFile>& files) const
{
    const QDir folder(m_folder->filePath(name));
    bool made = QDir().mkpath(folder.path());
    for (const StagedFile& file : files)
        made = made && QFile::copy(hostPath(file), folder.filePath(file.name));
    if (!made)
        throw FileError(PathFileAccessError,
            QCoreApplication::translate(
                "DiskImage", "No temporary folder could be written for the disk image"));
    return folder.path();
}

QString ReplacementStage::hostPath(const StagedFile& file) const
{
    return m_folder->filePath(file.temporary);
}

void ReplacementStage::release(const QList<StagedFile>& files) const
{
    for (const StagedFile& file : files)
        QFile::remove(hostPath(file));
    // Folders made by folderOf go with them.
    for (const QString& folder : QDir(m_folder->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(m_folder->filePath(folder)).removeRecursively();
}

} // namespace diskimage
