#pragma once

#include <QByteArray>
#include <QString>

// The companion programs (tandemist, shufflet, cyclette) are mapped in machine.ini's [Programs] to
// host binaries. A machine made by one copy of the program (a build tree, an older installation)
// keeps naming that copy's companions; an installed program moves the mapping to its own.

// The folder of the installed companions: this program's own folder when all three lie beside it,
// else empty (a build tree keeps them elsewhere and moves nothing).
QString installedCompanionFolder();

// `iniText` with every [Programs] line that maps a companion to a binary of that name outside
// `companionFolder` pointed at the one inside it. Other lines, and mappings to other programs or
// to commands with arguments, stay byte for byte.
QByteArray withCompanionsIn(const QByteArray& iniText, const QString& companionFolder);

// Applies withCompanionsIn to the machine.ini of `machineFolder` (atomically, only when it
// changes). Nothing happens without a companion folder. Throws platform::FileError when the file
// cannot be rewritten.
void moveCompanionMapping(const QString& machineFolder, const QString& companionFolder);
