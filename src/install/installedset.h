#pragma once

#include <QString>

// Whether the system's screens are those of the logo set `setName`: its startup screen, and its wait
// and shutdown screens or a pending copy of this machine that will bring them at the next start.
// A system holding a mix of two sets holds neither. Missing screens count as equal to missing ones.
bool systemHoldsSet(const QString& setName);
