#pragma once

#include <QString>

// The screens a system had before Bootcanvas first installed into it, kept in the machine folder
// on the host so that they can be put back.

// Keeps the system's screens (the ones that exist) the first time it is called for a machine;
// later calls do nothing. Throws when they cannot be kept, so nothing is installed over them.
void keepOriginalScreens();
// Whether screens were kept for the machine in use.
bool originalScreensKept();
// Puts the kept screens back and removes the system screens that did not exist then, as one
// installation that names no set. Throws std::runtime_error when nothing was kept.
void restoreOriginalScreens();
