#pragma once

#include <QString>

// The folder a set's wait and shutdown screens come from: the set's own folder (without a trailing
// "\"), or for a single-logo set the logo folder (with its trailing "\"). It is also the "Path"
// that the companion program copies them from later.
QString waitShutdownFolder(const QString& setName);

// Copies "LOGOW.SYS" and "LOGOS.SYS" from `folder` over the installed wait and shutdown screens,
// both or neither (a screen missing there removes the installed one).
void copyWaitAndShutdownScreens(const QString& folder);

// Installs the set `setName` of the logo folder as one transaction and names it the installed set.
// With `synchronize` the wait and shutdown screens are left for the companion program to copy at the
// next Windows start, except on a real installation, which is not running while Bootcanvas writes it
// and gets all three at once. Returns whether they were left pending. Throws, before any screen is
// touched, when a target cannot be written, the screens do not fit or the system's own screens
// cannot be kept.
bool installLogoSet(const QString& setName, bool synchronize);
