#pragma once

#include <QString>

namespace platform
{

// GetTempFileNameA with number 0: creates a new, empty file named prefix + 4 hex digits + ".TMP"
// in the Windows folder `windowsFolder` and returns its Windows path. Throws FileError.
QString createTempFile(const QString& windowsFolder, const QString& prefix);

} // namespace platform
