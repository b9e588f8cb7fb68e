#pragma once

#include <QString>

// What Bootcanvas puts into the Windows of a real installation so that its StartUp shortcuts run
// there: the Windows companion programs with their settings file, a copy of the logo library for
// them to choose from, and the shortcuts. The layout inside the guest:
//   <Windows drive>\Program Files\Bootcanvas Companions (the companions' folder):
//       shufflet.exe or cyclette.exe, tandemist.exe, Bootcanvas.ini (their settings),
//       Tandem0.lnk and Tandem1.lnk (the models of Tandemist's StartUp shortcut),
//       Tandemist.ini (a pending copy, written inside the guest), Logos (the copied sets)
//   <StartUp folder>\Shufflet.lnk or Cyclette.lnk, and Tandemist.lnk while a copy is pending.
enum class StartupChange { Nothing, Random, Sequential };

// The companions' folder inside the guest, with a trailing "\".
QString guestCompanionFolder();
// Whether the companions are in the guest: their settings file is there.
bool guestCompanionsDeployed();

// Puts the companion for `change`, Tandemist, the settings file, the copy of the library and the
// StartUp shortcut into the guest, the shortcut into `startupFolder`; Nothing removes all of it.
// Returns the bytes our files take inside the guest (0 after Nothing). Throws platform::FileError.
qint64 deployStartupChange(StartupChange change, const QString& startupFolder);
// At every exit: the copied sets follow the library (only changed screens are copied, deleted sets
// removed) and the settings file follows the preferences. Where nothing is deployed but a StartUp
// shortcut of ours is there (an earlier Bootcanvas pointed it at the host's programs), its
// companion is deployed; otherwise nothing happens.
void keepGuestInStep(const QString& startupFolder);

// The set the guest's companions last installed, or the host installed into it; empty when none.
QString guestInstalledSet();
// Whether a copy the guest left pending will bring the wait and shutdown screens of `setName`.
bool guestPendingCopyBrings(const QString& setName);
// On a real installation whose companions changed the set since, the installed set is theirs.
void adoptGuestInstalledSet();
// After the host installed `setName` into the guest: the companions start from it, and a copy the
// guest left pending is dropped, since the host wrote all three screens.
void recordHostInstallationInGuest(const QString& setName);
