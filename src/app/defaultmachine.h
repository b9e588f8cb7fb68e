#pragma once

#include <QByteArray>
#include <QString>

// Creates a complete machine in `folder` for a user without a Windows installation of their own:
// drive C with a Windows folder, its boot configuration, installed screens and StartUp folder;
// the program folder with sample logo sets of both kinds and the default wait and shutdown
// screens; drive Z on the host's root; the user's Shell folders in the registry. Every picture is
// drawn here and now. Throws platform::FileError when the folder cannot be written.
void createDefaultMachine(const QString& folder);

// The boot configuration of a freshly installed Windows 98 (C:\MSDOS.SYS), padded past 1024 bytes
// as Windows wants it.
QByteArray defaultMsdosSys();

// [Programs] lines mapping the companion programs (tandemist, shufflet, cyclette) in the Windows
// folder `programFolder` to their host executables.
QByteArray companionProgramLines(const QString& programFolder);
// The [Programs] line mapping Paint in `windowsFolder` to the host's paint program; empty without one.
QByteArray paintProgramLine(const QString& windowsFolder);
