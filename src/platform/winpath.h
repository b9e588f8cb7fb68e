#pragma once

#include <QString>

// Windows paths of the current machine and the host paths behind them.
namespace platform
{

// The host path of a Windows path on the current machine. Existing components are matched without
// regard to case (an exact match first); components that do not exist keep the case given.
// Throws FileError 76 for an unmapped drive, 52 for a forbidden character.
QString hostPathFor(const QString& windowsPath);

// The Windows path of a host path, through the drive whose host folder is its longest prefix.
// Empty when no drive holds it.
QString windowsPathFor(const QString& hostPath);

} // namespace platform

namespace platform
{

// For layers that take file names from both worlds: a Windows path goes through hostPathFor, an
// absolute host path ("/...") is used as it is (the command-line tool works on host paths).
QString resolveToHost(const QString& path);
// resolveToHost, or empty text for a path that maps to no host path (and for empty text).
QString resolveToHostOrEmpty(const QString& path);
// True for text that starts like an absolute Windows path: a letter, a colon and a separator.
bool looksLikeWindowsPath(const QString& text);

} // namespace platform
