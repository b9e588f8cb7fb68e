#pragma once

#include <QString>

// Opens the machine in use (BOOTCANVAS_MACHINE, or the default machine, which is created on first
// use) and makes it current. A machine that cannot be opened is explained in one message box;
// the result is false then.
bool openMachineInUse();
// Prepares the imaging layer once, before any picture is read.
void initialiseImaging();
// Tells the user, once, about a registry hive that was damaged and has been kept aside.
void reportDamagedRegistry();
