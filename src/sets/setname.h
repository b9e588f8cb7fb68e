#pragma once

#include <QString>

// The names a logo set's folder may have: names Windows and FAT disks can hold.

struct SetNameCheck {
    QString name; // the name to use: the one typed without trailing dots and blanks, as Windows stores it
    QString rule; // why the name cannot be used, one line for people; empty when it can
    bool empty = false; // nothing but blanks was typed; `rule` is then emptySetNameMessage()
};

// Checks a typed set name for a set in the logo folder `logoPath` (ending in "\"): refused are
// the DOS device names (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, alone or with an
// extension), the characters \ / : * ? " < > |, control characters, and names too long for
// Windows with the logo folder's path and the longest screen file name after them.
SetNameCheck checkSetName(const QString& typed, const QString& logoPath);

// The message for an empty set name.
QString emptySetNameMessage();
