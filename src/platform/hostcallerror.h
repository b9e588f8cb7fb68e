#pragma once

#include "fileerror.h"

#include <QString>

namespace platform
{

// The runtime's error for a failed host call on `path` (a Windows path of the current machine or
// an absolute host path), from its errno value.
FileError hostCallError(int error, const QString& path);

} // namespace platform
