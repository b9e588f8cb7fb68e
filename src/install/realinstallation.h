#pragma once

namespace platform
{
class Machine;
}

// A machine whose Windows is a real installation: every disk-image drive, or a folder machine whose
// machine.ini says so ([Windows] Installation=real). Bootcanvas writes such a system only while it
// is not running, and it starts later on its own: its screens are written all at once, and what it
// is to start at its next start must exist inside it.
bool isRealInstallation(const platform::Machine& machine);
// The same for the machine in use; false when there is none.
bool machineIsRealInstallation();
