#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts a program with an argument vector, never through a shell. The program is a Windows path:
// mapped in the machine's [Programs], else a host executable at its host path, else run by wine
// when wine is installed and the program is a ".exe". Arguments that are Windows paths on mapped
// drives reach the program as its host paths (for wine, as wine's paths); every other argument
// reaches it unchanged. Returns false, with a reason in `error`, when nothing could be started.
bool startProgram(const QString& windowsProgram, const QStringList& arguments, QString* error = nullptr);

// The host command line that startProgram would run, program first (for tests and messages).
// Empty when the program cannot be found.
QStringList resolveProgramCommand(const QString& windowsProgram, const QStringList& arguments);

} // namespace platform
