#pragma once

#include <QByteArray>
#include <QString>

// A Windows shell link (".lnk") that starts a program, as the Windows 95/98 shell reads it: a
// header, the target's local path in the link information, and the description, relative path,
// working folder and arguments as ANSI strings.
struct ShellLink {
    QString target; // "C:\Program Files\Bootcanvas\shufflet.exe"
    QString description; // shown as the shortcut's comment
    QString relativePath; // the target seen from the link's own folder, e.g. ".\shufflet.exe"
    QString workingDirectory; // empty for none
    QString arguments; // empty for none
};

// The link's bytes. Texts that the ANSI code page cannot hold become "?", as the shell would store them.
QByteArray shellLinkBytes(const ShellLink& link);
