#include "hostfolder.h"

#include <QFile>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace platform
{

bool hostEntryExists(const QString& hostPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(hostPath).constData(), &info) == 0;
}

bool hostFolderExists(const QString& hostPath)
{
    struct stat info;
    return ::stat(QFile::encodeName(hostPath).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString joinHostPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString findEntryIgnoringCase(const QString& folder, const QString& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()), ::closedir);
    if (!dir)
        return {};
    // A case-sensitive host may hold several such names; taking the smallest keeps the choice stable.
    QString found;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QString candidate = QFile::decodeName(entry->d_name);
        if (candidate.compare(name, Qt::CaseInsensitive) == 0 && (found.isEmpty() || candidate < found))
            found = candidate;
    }
    return found;
}

} // namespace platform
