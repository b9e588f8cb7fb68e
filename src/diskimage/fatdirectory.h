#pragma once

#include "fatentry.h"

#include <QByteArray>
#include <QList>

namespace diskimage
{

// The entries of a FAT folder's bytes (32 bytes an entry), long names joined to their short entry
// when their checksum matches; deleted entries, the volume label, "." and ".." are left out.
QList<FatEntry> parseFatDirectory(const QByteArray& bytes);

// The short name's checksum that each long-name entry carries.
quint8 shortNameChecksum(const char* shortName);

} // namespace diskimage
