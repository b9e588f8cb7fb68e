#pragma once

#include <QString>

// Puts `source` in place of the installed screen `target`, or removes `target` when there is no
// source. The copy is written beside the target and renamed over it, so a copy that fails half-way
// (a full disk, an unreadable source) leaves the old screen as it was, never a truncated one.
void replaceSystemScreen(const QString& source, const QString& target);

// The folder a set's wait and shutdown screens come from: the set's own folder (without a trailing
// "\"), or for a single-logo set the logo folder (with its trailing "\"). It is also the "Path"
// that the companion program copies them from later.
QString waitShutdownFolder(const QString& setName);

// Copies "LOGOW.SYS" and "LOGOS.SYS" from `folder` over the installed wait and shutdown screens.
// Each screen is attempted on its own; failures are skipped.
void copyWaitAndShutdownScreens(const QString& folder);

// Installs the set `setName` of the logo folder. With `synchronize` the wait and shutdown screens
// are left for the companion program to copy at the next Windows start, except on a real
// installation, which is not running while Bootcanvas writes it and gets all three at once. Every step is attempted and
// a failing one skipped. Returns whether the wait and shutdown screens were left pending. Throws,
// before any screen is touched, when a disk image holding one cannot be written or the system's own
// screens cannot be kept.
bool installLogoSet(const QString& setName, bool synchronize);
