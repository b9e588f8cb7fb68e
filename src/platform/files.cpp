#include "files.h"

#include "atomicfile.h"
#include "dosattributes.h"
#include "drivebackend.h"
#include "fileerror.h"
#include "hostcallerror.h"
#include "hostfolder.h"
#include "machine.h"
#include "windowspath.h"
#include "winpath.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace platform
{

namespace
{

constexpr qint64 CopyChunkBytes = 256 * 1024;

QByteArray encoded(const QString& hostPath)
{
    return QFile::encodeName(hostPath);
}

bool statHost(const QString& hostPath, struct stat& info)
{
    return ::stat(encoded(hostPath).constData(), &info) == 0;
}

// stat() of the host file behind a Windows path, throwing 53/76 as the runtime does.
struct stat statOrThrow(const QString& hostPath, const QString& path)
{
    struct stat info;
    if (!statHost(hostPath, info))
        throw hostCallError(errno, path);
    return info;
}

bool isDriveRoot(const QString& path)
{
    return parseWindowsPath(path).parts.isEmpty();
}

bool isHiddenOrSystem(const QString& hostPath)
{
    return readDosAttributes(hostPath) & (vbHidden | vbSystem);
}

class InputFile
{
public:
    InputFile(const QString& hostPath, const QString& path)
        : m_fd(::open(encoded(hostPath).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (m_fd < 0)
            throw hostCallError(errno, path);
        if (::fstat(m_fd, &m_info) != 0 || !S_ISREG(m_info.st_mode)) {
            ::close(m_fd);
            throw FileError::withPath(PathFileAccessError, path);
        }
    }
    ~InputFile() { ::close(m_fd); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const struct stat& info() const { return m_info; }
    // Reads up to `size` bytes; fewer only at the end of the file.
    qint64 read(char* data, qint64 size, const QString& path)
    {
        qint64 total = 0;
        while (total < size) {
            const ssize_t got = ::read(m_fd, data + total, size_t(size - total));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw hostCallError(errno, path);
            if (got == 0)
                break;
            total += got;
        }
        return total;
    }

private:
    int m_fd;
    struct stat m_info;
};

void copyInto(InputFile& input, AtomicFile& output, const QString& source)
{
    QByteArray buffer(CopyChunkBytes, Qt::Uninitialized);
    while (const qint64 got = input.read(buffer.data(), buffer.size(), source))
        output.write(buffer.constData(), got);
    const struct timespec times[2] = { input.info().st_atim, input.info().st_mtim };
    ::futimens(output.fd(), times);
}

void copyHostFile(
    const QString& sourceHost, const QString& source, const QString& targetHost, const QString& target)
{
    InputFile input(sourceHost, source);
    struct stat targetInfo;
    if (statHost(targetHost, targetInfo)) {
        if (targetInfo.st_dev == input.info().st_dev && targetInfo.st_ino == input.info().st_ino)
            throw FileError::withPath(PermissionDenied, target); // Windows: the file is in use
        // CopyFile refuses to overwrite a hidden file, as it does a read-only one.
        if (readDosAttributes(targetHost) & vbHidden)
            throw FileError::withPath(PathFileAccessError, target);
    }
    AtomicFile output(targetHost, target);
    copyInto(input, output, source);
    mode_t mode = output.targetMode();
    if (!(input.info().st_mode & S_IWUSR))
        mode &= ~mode_t(0222);
    output.setMode(mode);
    output.setDosAttributes(readDosAttributes(sourceHost));
    output.commit();
}

// rename() that refuses to replace an entry when asked, where the host file system can tell.
bool renameEntry(const QString& from, const QString& to, bool noReplace)
{
    const QByteArray source = encoded(from), target = encoded(to);
    if (noReplace) {
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

// Whether two paths are on the same drive that is a disk image.
bool onSameImage(const std::optional<DriveLocation>& a, const std::optional<DriveLocation>& b)
{
    return a && b && a->drive == b->drive;
}

enum class EntryKind { Missing, File, Folder, Other };

// What a Windows path names, whatever its attributes; a path that cannot be mapped names nothing.
EntryKind entryKind(const QString& path)
{
    if (path.isEmpty())
        return EntryKind::Missing;
    try {
        if (const auto image = driveLocationOf(path)) {
            const int found = image->drive->entryAttributes(*image);
            if (found < 0)
                return EntryKind::Missing;
            return found & vbDirectory ? EntryKind::Folder : EntryKind::File;
        }
        struct stat info;
        if (!statHost(hostPathFor(path), info))
            return EntryKind::Missing;
        if (S_ISDIR(info.st_mode))
            return EntryKind::Folder;
        return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other;
    } catch (const std::exception&) {
        return EntryKind::Missing;
    }
}

// FileCopy between drives when one of them is not a host folder.
void copyThroughMemory(const QString& source, const QString& target)
{
    constexpr int KeptAttributes = vbReadOnly | vbHidden | vbSystem | vbArchive;
    const int attributes = GetAttr(source);
    if (attributes & vbDirectory)
        throw FileError::withPath(PathFileAccessError, source);
    const QByteArray data = readFile(source, MaxCopyThroughMemoryBytes);
    if (fileExists(target) && GetAttr(target) & (vbReadOnly | vbHidden))
        throw FileError::withPath(PathFileAccessError, target); // as CopyFile refuses
    if (const auto to = driveLocationOf(target)) {
        // A file written on FAT is marked for backup, as Windows marks its copies.
        to->drive->writeFile(*to, data, (attributes & KeptAttributes) | vbArchive);
        return;
    }
    writeFileAtomically(target, data);
    SetAttr(target, attributes & KeptAttributes);
}

} // namespace

void FileCopy(const QString& source, const QString& target)
{
    if (isOnImageDrive(source) || isOnImageDrive(target))
        return copyThroughMemory(source, target);
    copyHostFile(hostPathFor(source), source, hostPathFor(target), target);
}

void Kill(const QString& path)
{
    if (const auto image = driveLocationOf(path))
        return image->drive->kill(*image);
    const QString host = hostPathFor(path);
    const struct stat info = statOrThrow(host, path);
    if (S_ISDIR(info.st_mode) || isHiddenOrSystem(host))
        throw FileError::withPath(FileNotFound, path);
    // Checked here rather than left to unlink(): on the host only the folder's permission counts.
    if (!(info.st_mode & S_IWUSR))
        throw FileError::withPath(PathFileAccessError, path);
    if (::unlink(encoded(host).constData()) != 0)
        throw hostCallError(errno, path);
}

void MkDir(const QString& path)
{
    if (const auto image = driveLocationOf(path))
        return image->drive->mkDir(*image);
    if (isDriveRoot(path))
        throw FileError::withPath(PathFileAccessError, path);
    if (::mkdir(encoded(hostPathFor(path)).constData(), 0777) != 0)
        throw hostCallError(errno == EEXIST ? EIO : errno, path);
}

void RmDir(const QString& path)
{
    if (const auto image = driveLocationOf(path))
        return image->drive->rmDir(*image);
    if (isDriveRoot(path))
        throw FileError::withPath(PathFileAccessError, path);
    if (::rmdir(encoded(hostPathFor(path)).constData()) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw FileError::withPath(PathNotFound, path);
        throw hostCallError(error == EEXIST ? ENOTEMPTY : error, path);
    }
}

void Name(const QString& oldPath, const QString& newPath)
{
    const auto oldImage = driveLocationOf(oldPath), newImage = driveLocationOf(newPath);
    if (onSameImage(oldImage, newImage))
        return oldImage->drive->rename(*oldImage, *newImage);
    if (oldImage || newImage) {
        // Between drives a file moves as copy then delete; a folder does not move.
        if (!fileExists(oldPath))
            throw FileError::withPath(folderExists(oldPath) ? PathFileAccessError : FileNotFound, oldPath);
        if (entryExists(newPath, vbDirectory | vbHidden | vbSystem))
            throw FileError::withPath(FileAlreadyExists, newPath);
        copyThroughMemory(oldPath, newPath);
        SetAttr(oldPath, vbNormal);
        Kill(oldPath);
        return;
    }
    const QString oldHost = hostPathFor(oldPath);
    struct stat oldInfo;
    if (::lstat(encoded(oldHost).constData(), &oldInfo) != 0)
        throw hostCallError(errno, oldPath);
    WindowsPath target = parseWindowsPath(newPath);
    if (isDriveRoot(oldPath) || target.parts.isEmpty())
        throw FileError::withPath(PathFileAccessError, newPath);

    // The new name keeps the case given, even when an entry differing only in case is found.
    const QString newName = target.parts.takeLast();
    const QString parentHost = hostPathFor(target.toString());
    if (!hostFolderExists(parentHost))
        throw FileError::withPath(PathNotFound, newPath);
    const QString newHost = joinHostPath(parentHost, newName);
    const QString existing = findEntryIgnoringCase(parentHost, newName);
    if (!existing.isEmpty()) {
        struct stat existingInfo;
        const bool sameEntry
            = ::lstat(encoded(joinHostPath(parentHost, existing)).constData(), &existingInfo) == 0
            && existingInfo.st_dev == oldInfo.st_dev && existingInfo.st_ino == oldInfo.st_ino;
        if (!sameEntry)
            throw FileError::withPath(FileAlreadyExists, newPath);
    }
    if (renameEntry(oldHost, newHost, existing.isEmpty()))
        return;
    const int error = errno;
    if (error == EXDEV && S_ISREG(oldInfo.st_mode)) {
        // Another host file system: a file moves as Windows moves it between drives, copy then delete.
        copyHostFile(oldHost, oldPath, newHost, newPath);
        if (::unlink(encoded(oldHost).constData()) != 0)
            throw hostCallError(errno, oldPath);
        return;
    }
    if (error == EEXIST)
        throw FileError::withPath(FileAlreadyExists, newPath);
    // EINVAL: a folder moved into itself; EXDEV: a folder to another file system.
    throw hostCallError(error == EINVAL || error == EXDEV ? EIO : error, oldPath);
}

int GetAttr(const QString& path)
{
    if (const auto image = driveLocationOf(path))
        return image->drive->getAttr(*image);
    const QString host = hostPathFor(path);
    const struct stat info = statOrThrow(host, path);
    int attributes = readDosAttributes(host);
    if (S_ISDIR(info.st_mode))
        attributes |= vbDirectory;
    else if (!(info.st_mode & S_IWUSR))
        attributes |= vbReadOnly;
    return attributes;
}

void SetAttr(const QString& path, int attributes)
{
    if (attributes & FileAttributeNormalApi)
        attributes = vbNormal;
    if (const auto image = driveLocationOf(path))
        return image->drive->setAttr(*image, attributes);
    const QString host = hostPathFor(path);
    const struct stat info = statOrThrow(host, path);
    const auto changeMode = [&](bool readOnly) {
        if (S_ISDIR(info.st_mode))
            return;
        const mode_t mode = readOnly ? info.st_mode & ~mode_t(0222) : info.st_mode | S_IWUSR;
        if (::chmod(encoded(host).constData(), mode & 07777) != 0)
            throw hostCallError(errno, path);
    };
    const bool readOnly = attributes & vbReadOnly;
    // A read-only file may refuse new extended attributes, so write them while it is still writable.
    if (!readOnly)
        changeMode(false);
    if (const int error = writeDosAttributes(host, attributes))
        throw hostCallError(error, path);
    if (readOnly)
        changeMode(true);
}

bool entryExists(const QString& path, int attributeMask)
{
    try {
        if (path.isEmpty())
            return false;
        if (const auto image = driveLocationOf(path)) {
            const int found = image->drive->entryAttributes(*image);
            if (found < 0 || ((found & vbDirectory) && !(attributeMask & vbDirectory)))
                return false;
            const int wanted = found & (vbHidden | vbSystem);
            return (wanted & attributeMask) == wanted;
        }
        const QString host = hostPathFor(path);
        struct stat info;
        if (!statHost(host, info))
            return false;
        if (S_ISDIR(info.st_mode) && !(attributeMask & vbDirectory))
            return false;
        const int wanted = readDosAttributes(host) & (vbHidden | vbSystem);
        return (wanted & attributeMask) == wanted;
    } catch (const std::exception&) {
        return false;
    }
}

bool folderExists(const QString& path)
{
    return entryKind(path) == EntryKind::Folder;
}

bool fileExists(const QString& path)
{
    return entryKind(path) == EntryKind::File;
}

QByteArray readFile(const QString& path, qint64 maxBytes)
{
    maxBytes = qMin(maxBytes, std::numeric_limits<qint64>::max() - 1);
    if (const auto image = driveLocationOf(path))
        return image->drive->readFile(*image, maxBytes);
    InputFile input(hostPathFor(path), path);
    if (input.info().st_size > maxBytes)
        throw FileError::withPath(PathFileAccessError, path);
    // One byte more than allowed tells a file that grew since fstat() from one that fits.
    QByteArray data(qMin<qint64>(input.info().st_size, maxBytes) + 1, Qt::Uninitialized);
    qint64 size = input.read(data.data(), data.size(), path);
    while (size == data.size() && size <= maxBytes) {
        data.resize(qMin<qint64>(data.size() * 2, maxBytes + 1));
        size += input.read(data.data() + size, data.size() - size, path);
    }
    if (size > maxBytes)
        throw FileError::withPath(PathFileAccessError, path);
    data.truncate(size);
    return data;
}

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    if (const auto image = driveLocationOf(path))
        return image->drive->writeFile(*image, data, std::nullopt);
    AtomicFile file(hostPathFor(path), path);
    file.write(data.constData(), data.size());
    file.commit();
}

void writeHostFileAtomically(const QString& hostPath, const QByteArray& data)
{
    AtomicFile file(hostPath, hostPath);
    file.write(data.constData(), data.size());
    file.commit();
}

void removeTree(const QString& folder)
{
    if (isDriveRoot(folder))
        throw FileError::withPath(PathFileAccessError, folder);
    if (const auto image = driveLocationOf(folder))
        return image->drive->removeTree(*image);
    const QString host = hostPathFor(folder);
    if (!hostFolderExists(host))
        throw FileError::withPath(PathNotFound, folder);
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(encoded(host).toStdString()), error);
    if (error)
        throw hostCallError(error.value(), folder);
}

} // namespace platform
