#include "filelock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform
{

FileLock::FileLock(const QString& hostPath, int timeoutMs, Target target)
{
    const int flags = target == Target::LockFile ? O_RDWR | O_CREAT : O_RDONLY;
    const int fd = ::open(QFile::encodeName(hostPath).constData(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() > timeoutMs) {
            ::close(fd);
            return;
        }
        QThread::msleep(2);
    }
    m_fd = fd;
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock; the lock file stays for the next user.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace platform
