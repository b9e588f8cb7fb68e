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
    // A lock file is made when missing; an existing file (a disk image) is only opened for
    // reading, so the lock never looks like a writer to the programs that watch for one.
    enum class Target { LockFile, ExistingFile };
    explicit FileLock(const QString& hostPath, int timeoutMs = 10000, Target target = Target::LockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace platform
