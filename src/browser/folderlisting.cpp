#include "folderlisting.h"

#include "app/pathhelpers.h"
#include "platform/dosattributes.h"
#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/hostcallerror.h"
#include "platform/winpath.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace
{

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

bool isPicture(const QString& name)
{
    return std::any_of(PicturePatterns.begin(), PicturePatterns.end(), [&](const QString& pattern) {
        return name.endsWith(QStringView(pattern).mid(1), Qt::CaseInsensitive);
    });
}

enum class Kind { Folder, File, Other };

Kind kindOf(const dirent& entry, const QByteArray& hostPath)
{
    if (entry.d_type == DT_DIR)
        return Kind::Folder;
    if (entry.d_type == DT_REG)
        return Kind::File;
    // Links and file systems that do not say: ask for the entry itself.
    struct stat info;
    if (::stat(hostPath.constData(), &info) != 0)
        return Kind::Other;
    return S_ISDIR(info.st_mode) ? Kind::Folder : S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

} // namespace

// One pass over the folder, asking the file system about an entry only when the directory entry
// itself does not say what it is: a folder of thousands of pictures lists at once. A folder inside
// a disk image has no host path; the drive layer lists it.
FolderContents readFolderContents(const QString& folder)
{
    if (platform::isOnImageDrive(folder))
        return { platform::listSubfolders(folder), platform::listFiles(folder, PicturePatterns) };
    const QString host = platform::hostPathFor(folder);
    const QByteArray hostPrefix
        = QFile::encodeName(host.endsWith(QLatin1Char('/')) ? host : host + QLatin1Char('/'));
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(hostPrefix.constData()), ::closedir);
    if (!dir) {
        const int error = errno;
        throw error == ENOENT || error == ENOTDIR
            ? platform::FileError::withPath(platform::PathNotFound, folder)
            : platform::hostCallError(error, folder);
    }
    FolderContents contents;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray rawName(entry->d_name);
        if (rawName == "." || rawName == "..")
            continue;
        const QString name = QFile::decodeName(rawName);
        const bool picture = isPicture(name);
        if (!picture && entry->d_type == DT_REG)
            continue;
        const QByteArray hostPath = hostPrefix + rawName;
        const Kind kind = kindOf(*entry, hostPath);
        if (kind == Kind::Folder)
            contents.folders.append(name);
        // Hidden and system files stay out of the list, as Windows' file lists leave them out.
        else if (kind == Kind::File && picture
            && !(platform::readDosAttributes(QFile::decodeName(hostPath))
                & (platform::vbHidden | platform::vbSystem)))
            contents.files.append(name);
    }
    std::sort(contents.folders.begin(), contents.folders.end(), lessIgnoringCase);
    std::sort(contents.files.begin(), contents.files.end(), lessIgnoringCase);
    return contents;
}

QString iconKeyForFile(const QString& name)
{
    return GetExtension(name).toUpper() == QLatin1String(".SYS") ? QStringLiteral("sys")
                                                                 : QStringLiteral("image");
}
