#pragma once

#include "platform/machine.h"

#include <QString>

// What the main window's title says about the machine in use: the disk image's file name when
// the Windows drive is an image, the machine folder when it is not the default machine, nothing
// for the default machine; "(read-only)" added when the Windows drive cannot be written.
QString machineCaption(const platform::Machine& machine, const QString& defaultMachineFolder);
// "Bootcanvas", or "CAPTION - Bootcanvas".
QString mainWindowTitle(const QString& machineCaption);
