#include "imageguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace diskimage
{

namespace
{

// The bytes QEMU locks in an image it has open (its "perm" and "shared" lock bytes).
constexpr off_t QemuLockBytes[] = { 100, 101, 201 };

bool qemuLocksHeld(const QString& imagePath)
{
    const int fd = ::open(QFile::encodeName(imagePath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool held = false;
    for (const off_t byte : QemuLockBytes) {
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = byte;
        lock.l_len = 1;
        if (::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK)
            held = true;
    }
    ::close(fd);
    return held;
}

// The open flags of one descriptor, from /proc/PID/fdinfo/FD.
bool openForWriting(const QString& fdinfoPath)
{
    QFile info(fdinfoPath);
    if (!info.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (!line.startsWith("flags:"))
            continue;
        bool ok = false;
        const int flags = line.mid(6).trimmed().toInt(&ok, 8);
        return ok && (flags & O_ACCMODE) != O_RDONLY;
    }
    return false;
}

// Another process with the image open for writing, as fuser would find it; its pid or 0.
qint64 writerProcess(const QString& imagePath)
{
    struct stat image;
    if (::stat(QFile::encodeName(imagePath).constData(), &image) != 0)
        return 0;
    const QString self = QString::number(::getpid());
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : processes) {
        if (pid == self || !pid.front().isDigit())
            continue;
        const QString fds = QStringLiteral("/proc/") + pid + QStringLiteral("/fd");
        // Every descriptor is a link; a link to a regular file counts as a file, not a system entry.
        for (const QString& fd :
            QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            struct stat target;
            const QByteArray link = QFile::encodeName(fds + QLatin1Char('/') + fd);
            if (::stat(link.constData(), &target) != 0 || target.st_dev != image.st_dev
                || target.st_ino != image.st_ino)
                continue;
            if (openForWriting(QStringLiteral("/proc/") + pid + QStringLiteral("/fdinfo/") + fd))
                return pid.toLongLong();
        }
    }
    return 0;
}

} // namespace

QString imageUserSeen(const QString& imagePath)
{
    if (qemuLocksHeld(imagePath))
        return QCoreApplication::translate("DiskImage", "a virtual machine holds QEMU's locks on it");
    if (QFileInfo::exists(imagePath + QStringLiteral(".lock")))
        return QCoreApplication::translate("DiskImage", "a virtual machine left %1 beside it")
            .arg(QFileInfo(imagePath).fileName() + ".lock");
    if (const qint64 pid = writerProcess(imagePath))
        return QCoreApplication::translate("DiskImage", "process %1 has it open for writing").arg(pid);
    return {};
}

} // namespace diskimage
