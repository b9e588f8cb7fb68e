#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// Starts a program with an argument vector, never through a shell. The program is a Windows path
// (or an absolute host path): mapped in the machine's [Programs], else a host executable at its host
// path, else run by wine when wine is installed and the program is an existing ".exe".
// A [Programs] value names one host executable; when no file has exactly that name it is split into
// words (quotes group, nothing is expanded) and the first word, looked up in PATH when it is not
// absolute, runs with the others as fixed arguments. A mapping whose program is missing is skipped.
// Arguments that are Windows paths on mapped drives reach the program as host paths (for wine as
// "Z:" and the host path with backslashes, which wine's default Z: drive resolves); every other
// argument reaches it unchanged. Returns false, with a reason in `error`, when nothing could start.
bool startProgram(const QString& windowsProgram, const QStringList& arguments, QString* error = nullptr);

// The host command line that startProgram would run, program first (for tests and messages).
// Empty when the program cannot be found.
QStringList resolveProgramCommand(const QString& windowsProgram, const QStringList& arguments);

} // namespace platform
