#include "atomicfile.h"

#include "dosattributes.h"
#include "fileerror.h"
#include "hostcallerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

constexpr int MaxNameBytes = 255;

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: some file systems refuse to sync a folder
        ::close(fd);
    }
}

} // namespace

AtomicFile::AtomicFile(const QString& hostTarget, const QString& displayPath)
    : m_target(hostTarget)
    , m_displayPath(displayPath)
{
    struct stat info;
    const QByteArray target = QFile::encodeName(m_target);
    // Writing through a link updates the file it points to, as writing in place would.
    if (::lstat(target.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        const QString resolved = QFileInfo(m_target).canonicalFilePath();
        if (!resolved.isEmpty())
            m_target = resolved;
    }
    if (::stat(QFile::encodeName(m_target).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            throw FileError::withPath(PathFileAccessError, m_displayPath);
        // Windows refuses to overwrite a read-only file; the permission bits are its read-only flag.
        if (!(info.st_mode & S_IWUSR))
            throw FileError::withPath(PathFileAccessError, m_displayPath);
        m_targetExists = true;
        m_targetMode = info.st_mode & 07777;
    }
    createTemporary();
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_temporary).constData());
    }
}

void AtomicFile::createTemporary()
{
    const QFileInfo info(m_target);
    const QString folder = info.path();
    QByteArray base = QFile::encodeName(info.fileName());
    base.truncate(MaxNameBytes - 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_temporary = folder + QLatin1Char('/') + QFile::decodeName("." + base + ".~" + suffix);
        // 0666 lets the umask decide the permissions of a new file, as for any other file created.
        m_fd = ::open(
            QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            struct stat info;
            if (!m_targetExists && ::fstat(m_fd, &info) == 0)
                m_targetMode = info.st_mode & 07777;
            return;
        }
        if (errno != EEXIST)
            fail(errno);
    }
    fail(EEXIST);
}

void AtomicFile::fail(int error) const
{
    // A temporary name refused as too long or invalid is the target's own problem.
    throw hostCallError(error == EEXIST ? EIO : error, m_displayPath);
}

void AtomicFile::write(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        data += written;
        size -= written;
    }
}

void AtomicFile::commit()
{
    const QByteArray temporary = QFile::encodeName(m_temporary);
    // DOS attributes first: a read-only mode would forbid storing them.
    const int dosAttributes
        = m_dosAttributes ? *m_dosAttributes : (m_targetExists ? readDosAttributes(m_target) : 0);
    if (dosAttributes != 0)
        writeDosAttributes(m_temporary, dosAttributes);
    if (::fchmod(m_fd, m_mode ? *m_mode : m_targetMode) != 0)
        fail(errno);
    if (::fsync(m_fd) != 0)
        fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || ::rename(temporary.constData(), QFile::encodeName(m_target).constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        fail(error);
    }
    syncFolder(QFileInfo(m_target).path());
}

} // namespace platform
