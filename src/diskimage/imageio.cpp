#include "imageio.h"

#include <cerrno>
#include <unistd.h>

namespace diskimage
{

namespace
{

// Runs `step(done, left)` (a pread or pwrite of the rest) until `size` bytes have moved, retrying
// on EINTR; returns how many moved before the end of the file or an error.
template <class Step> qint64 transferAll(qint64 size, Step step)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t moved = step(done, size - done);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved <= 0)
            break;
        done += moved;
    }
    return done;
}

} // namespace

QByteArray readImageAt(int fd, qint64 offset, qint64 size)
{
    QByteArray bytes(qMax<qint64>(size, 0), Qt::Uninitialized);
    bytes.truncate(transferAll(bytes.size(), [&](qint64 done, qint64 left) {
        return ::pread(fd, bytes.data() + done, size_t(left), offset + done);
    }));
    return bytes;
}

bool writeImageAt(int fd, qint64 offset, const QByteArray& bytes)
{
    return transferAll(bytes.size(), [&](qint64 done, qint64 left) {
        return ::pwrite(fd, bytes.constData() + done, size_t(left), offset + done);
    }) == bytes.size();
}

} // namespace diskimage
