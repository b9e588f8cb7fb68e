#pragma once

#include <QString>

// The companion program that copies the wait and shutdown screens at the next Windows start:
// started by Windows through a Run value, told where to copy from by "Tandemist.ini" in the
// program folder.
inline const QString RunKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
inline const QString TandemistValue = QStringLiteral("Tandemist");

// AppPath & "Tandemist.ini".
QString tandemistIniPath();

// Registers the companion program to copy the wait and shutdown screens of `setName` from the
// logo folder at the next start. Each of the two writes is attempted on its own.
void registerTandemist(const QString& setName);
// Whether "Tandemist.ini" holds a pending copy of the machine in use (and not of another machine
// that shares the program folder).
bool pendingCopyBelongsHere();
// The folder the machine's pending copy takes the screens from; empty when it has none.
QString pendingCopyFolder();
// Removes the Run value and this machine's "Tandemist.ini"; whatever is already missing is skipped.
void unregisterTandemist();
// The last step of every installation run: register when screens are pending, remove otherwise.
void updateTandemistRegistration(bool syncPending, const QString& setName);
