#pragma once

#include "randompick.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

// What the companion programs and the command-line tool share: the machine in use opened without
// dialogs, the library read from the logo folder, and the main window's installation followed by
// what its exit sequence records.

// A reason to stop, in one line for a terminal.
class CompanionError : public std::runtime_error
{
public:
    explicit CompanionError(const QString& message);
    QString message() const { return QString::fromStdString(what()); }
};

// Opens the machine in use (creating the default machine on first use) and fixes the program and
// Windows folders. Throws CompanionError when the machine or its registry cannot be used.
void openCompanionMachine();
// Reads the settings into settings(). Throws CompanionError when the program has no settings yet
// or the logo folder they name is missing.
void loadCompanionSettings();

// The sets of the logo folder, in the library's (alphabetical) order. Throws CompanionError when
// the logo folder cannot be listed or holds no set.
QStringList librarySets();
// The row of the installed set (DefaultLogoSet, matched without regard to case); -1 when unknown.
int installedSetRow(const QStringList& sets);

// Installs `setName` as "Set as default" does, then registers or removes the companion copy and
// records the set as the installed one in the settings key, as the exit sequence would.
void installAndRecord(const QString& setName);
// After the system's own screens are put back: no set is installed, and no companion copy is pending.
void recordNoInstalledSet();

// The set installed by each way of changing: a set of that name (without regard to case), one of
// the others at random, the one after the installed set (wrapping round). Empty when there was
// nothing to change. Throw CompanionError for a name that is not a set.
QString installNamedSet(const QString& name);
QString installRandomSet(RandomSource& source);
QString installNextSet();

// The delayed copy: "LOGOW.SYS" and "LOGOS.SYS" from the folder named by "Path" in "Tandemist.ini"
// into the Windows folder, then the Run value and "Tandemist.ini" removed so that it happens once.
// Throws CompanionError when there is nothing to copy from. Returns the folder copied from.
QString runDelayedCopy();
