#pragma once

#include "fatvolume.h"

#include <QList>
#include <QString>
#include <QStringList>

// How files bound for one volume go in when its space is short. They are written in groups, each
// whole before the files it replaces are freed, so that a later group can use their clusters. A
// group holds as many files as fit, no two of one name: a group of one goes in under a temporary
// name in its own folder, a larger one through a staging folder in the root.
namespace diskimage
{

// A file to be written whole, replacing any file of its name.
struct PlannedFile {
    QStringList folder; // below the drive's root
    QString name;
    qint64 size = 0;
};

// The room a file lacks even when it is written alone, after the groups before it.
struct RoomShortage {
    qint64 missingBytes = 0;
};

// The groups for `files`, in their order, as indexes into `files`; RoomShortage when one does not
// fit.
QList<QList<int>> planReplacementGroups(const FatVolume& volume, const QList<PlannedFile>& files);

} // namespace diskimage
