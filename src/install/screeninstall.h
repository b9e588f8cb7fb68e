#pragma once

#include "installintent.h"

#include <QList>
#include <QString>
#include <optional>

// Installs `screens` as one transaction and then names `setName` as the installed set, in the
// settings and the registry (an empty name names none; nothing leaves the name as it is).
// Before the first write every target must be writable and the screens must fit on their drives
// together; otherwise it throws one message and nothing has changed. The screens' bytes and an
// intent record go to the machine folder first, so that a command cut short is finished by the
// next one (finishInterruptedInstall). Returns once every screen reads back as written.
void installScreens(const QList<ScreenContent>& screens, const std::optional<QString>& setName);

// Finishes an installation that a command cut short left behind: the screens go in (an image the
// cut left unclean is repaired first, without keeping our own staged screens as recovered files)
// and the set is named. Returns the set's name; nothing when no installation was pending.
std::optional<QString> finishInterruptedInstall();

// Names the installed set in the settings and the registry (empty: none).
void nameInstalledSet(const QString& setName);
