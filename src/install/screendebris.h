#pragma once

#include "installintent.h"

#include "diskimage/imagerepair.h"

#include <QList>

// What an installation cut short leaves in a disk image: clusters of the new screens it staged, or
// of the old ones it had replaced but not yet freed. A repair frees them instead of keeping them as
// recovered files.

// Whether the bytes of a lost chain (whole clusters of `clusterBytes`) are exactly one screen: one
// of `pending`, or any 320 x 400 screen bitmap as long as its header says.
bool isScreenDebris(const QByteArray& bytes, qint64 clusterBytes, const QList<ScreenContent>& pending);

// Repairs the current machine's disk images, freeing the screen debris of the pending installation.
QList<diskimage::DriveRepair> repairImagesDroppingScreenDebris(const QList<ScreenContent>& pending);
// The same for the installation pending on the machine, if there is one.
QList<diskimage::DriveRepair> repairImagesDroppingScreenDebris();
