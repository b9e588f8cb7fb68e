#pragma once

#include <QtGlobal>

namespace images
{

// Whether the first page's directory and every strip or tile it points to lie within the file's
// `size` bytes. libtiff reads a cut strip as a half-drawn picture, which is refused instead.
bool tiffComplete(const uchar* data, qint64 size);

} // namespace images
