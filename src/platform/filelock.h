#pragma once

#include <QString>

namespace platform
{

// An exclusive advisory lock (flock) on a lock file, held for the object's lifetime, so that
// processes working on the same file take turns. Gives up after a while rather than hang the
// program behind a process that never lets go.
class FileLock
{
public:
    explicit FileLock(const QString& hostPath, int timeoutMs = 10000);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace platform
