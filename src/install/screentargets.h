#pragma once

#include <QString>
#include <QStringList>

// The screens Windows shows and where they are installed: "LOGO.SYS" in the root of the boot drive
// (StartUpDrive), "LOGOW.SYS" and "LOGOS.SYS" in the Windows folder (WinPath).
QString startupScreenTarget();
QString waitScreenTarget();
QString shutdownScreenTarget();
// All three, in that order.
QStringList systemScreenTargets();

// Clears every attribute (read-only, hidden, system, archive) of an installed screen.
void clearScreenAttributes(const QString& target);
// Clears every attribute of the three installed screens, each on its own, so that they can be
// replaced whatever the user or another program set on them.
void ToggleReadOnlyAttrib();
