#pragma once

#include <QString>

// Whether a virtual machine (or any other program) is using a disk image, so that it must not be
// written: mtools would write under a running guest's feet and corrupt its disk.
namespace diskimage
{

// Empty when nothing is seen using the image; otherwise what was seen, for a message:
// QEMU's image locks (bytes 100, 101 and 201 of the file), Bochs's "<image>.lock", or another
// process holding the file open for writing.
QString imageUserSeen(const QString& imagePath);

} // namespace diskimage
