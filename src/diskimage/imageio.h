#pragma once

#include <QByteArray>

// Reads and writes of an image descriptor at an offset, retried until done.
namespace diskimage
{

// Up to `size` bytes of a descriptor at `offset`; fewer only at its end.
QByteArray readImageAt(int fd, qint64 offset, qint64 size);
// Writes all of `bytes` at `offset`; false, with errno set, when it could not.
bool writeImageAt(int fd, qint64 offset, const QByteArray& bytes);

} // namespace diskimage
