#include "dosattributes.h"
#include "drivebackend.h"
#include "fileerror.h"
#include "files.h"
#include "hostcallerror.h"
#include "hostfolder.h"
#include "winpath.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace platform
{

namespace
{

enum class EntryKind { Folder, File };

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

bool matchesFrom(QStringView name, QStringView pattern)
{
    // Iterative match with one back-tracking point, linear in practice for names and patterns.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
            && (pattern.at(p) == QLatin1Char('?')
                || name.at(n).toCaseFolded() == pattern.at(p).toCaseFolded())) {
            ++n;
            ++p;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

QList<ListedEntry> hostListing(const QString& folder)
{
    const QString host = hostPathFor(folder);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(host).constData()), ::closedir);
    if (!dir) {
        const int error = errno;
        throw error == ENOENT || error == ENOTDIR ? FileError::withPath(PathNotFound, folder)
                                                  : hostCallError(error, folder);
    }
    QList<ListedEntry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const QString path = joinHostPath(host, name);
        struct stat info;
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            continue; // a dangling link is neither a file nor a folder
        if (S_ISDIR(info.st_mode))
            entries.append({ name, true, 0 });
        else if (S_ISREG(info.st_mode))
            entries.append({ name, false, -1 }); // attributes read only for the names that match
    }
    return entries;
}

QStringList listEntries(const QString& folder, EntryKind kind, const QStringList& patterns, int attributeMask)
{
    const std::optional<DriveLocation> image = driveLocationOf(folder);
    const QList<ListedEntry> entries = image ? image->drive->listing(*image) : hostListing(folder);
    const QString host = image ? QString() : hostPathFor(folder);
    QStringList names;
    for (const ListedEntry& entry : entries) {
        if (entry.folder != (kind == EntryKind::Folder))
            continue;
        if (kind == EntryKind::Folder) {
            names.append(entry.name);
            continue;
        }
        if (!std::any_of(patterns.begin(), patterns.end(),
                [&](const QString& pattern) { return matchesWildcard(entry.name, pattern); }))
            continue;
        const int attributes
            = entry.attributes >= 0 ? entry.attributes : readDosAttributes(joinHostPath(host, entry.name));
        const int hiddenBits = attributes & (vbHidden | vbSystem);
        if ((hiddenBits & attributeMask) == hiddenBits)
            names.append(entry.name);
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

} // namespace

bool matchesWildcard(const QString& name, const QString& pattern)
{
    // "*.*" is every name, with or without a dot, as on Windows.
    if (pattern == QLatin1String("*.*"))
        return true;
    return matchesFrom(name, pattern);
}

QStringList listSubfolders(const QString& folder)
{
    return listEntries(folder, EntryKind::Folder, {}, vbNormal);
}

QStringList listFiles(const QString& folder, const QStringList& patterns, int attributeMask)
{
    return listEntries(folder, EntryKind::File, patterns, attributeMask);
}

} // namespace platform
