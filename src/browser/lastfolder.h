#pragma once

#include <QString>

// The folder the logo browser showed last, kept for the user across runs and machines as a host
// path (app/userstate.h): a machine that reaches that host folder opens the browser there.

// Its Windows path on the current machine, with a trailing "\"; empty when none was kept or this
// machine does not reach it (gone, or on no drive of the machine).
QString rememberedBrowserFolder();
// Keeps `windowsFolder` when it lies on the host; a folder inside a disk image has no host path,
// so the one kept before stays.
void rememberBrowserFolder(const QString& windowsFolder);
