#pragma once

#include <QString>

namespace platform
{

// A machine whose Windows drive is a disk image reaches the host through drives of its own (the
// shared logo library on P:, temporary files on T:, the host's root on Z:) that the Windows
// installation in the image does not have. Paths on those drives are shown as host paths, which
// is where the user finds them; every other path is shown as the Windows path it is.
QString pathForDisplay(const QString& windowsPath);
// What the user typed back into a Windows path: an absolute host path goes through the drive that
// holds it; anything else (or a host path no drive holds) stays as typed.
QString pathFromDisplay(const QString& typed);

} // namespace platform
