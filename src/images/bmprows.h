#pragma once

#include <QImage>
#include <QString>

namespace images
{

// Reads an uncompressed 8-, 24- or 32-bit Windows bitmap keeping only about `rows` of its rows,
// evenly spread, each at full width: enough for a picture of rows / 2 lines, for a fraction of
// the reading. Returns an empty picture when the file is of another layout, has no more rows than
// asked for, is truncated or breaks the size limits; the caller then decodes it in full.
QImage readBmpRows(const QString& hostPath, int rows);

} // namespace images
