#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Logo packs: ZIP archives of logo sets, one folder per set holding its screen files. Reading
// checks the whole archive before anything is used, so a refused pack leaves nothing behind.
namespace packs
{

constexpr int MaxEntries = 1000;
constexpr qint64 MaxUnpackedBytes = qint64(64) * 1024 * 1024;
// Bytes unpacked per byte packed, for entries of more than RatioCheckedFrom bytes: a screen of one
// colour packs to a few hundred bytes, and small entries cannot flood anything within the
// unpacked limit.
constexpr qint64 MaxRatio = 100;
constexpr qint64 RatioCheckedFrom = qint64(1024) * 1024;
// A pack is read into memory whole.
constexpr qint64 MaxPackBytes = MaxUnpackedBytes;

struct PackScreen {
    QString fileName; // "LOGO.SYS", "LOGOW.SYS" or "LOGOS.SYS"
    QByteArray bytes;
};

struct PackSet {
    QString name;
    QList<PackScreen> screens;
};

struct PackContents {
    QList<PackSet> sets;
    QString problem; // why the pack was refused, one line for people; empty when it was read
};

// The sets of a pack: each folder holding screen files becomes a set named after the folder;
// screen files at the top become one set named `packName`. Other files are left out. Refused
// whole: entries that climb out of the pack (".." or an absolute path), links, more than
// MaxEntries entries, more than MaxUnpackedBytes unpacked, or a big entry packed more than
// MaxRatio to one.
PackContents readLogoPack(const QByteArray& archive, const QString& packName);

// Writes the sets as a pack at the host path, each in its folder; false with `problem` set when it
// cannot be written.
bool writeLogoPack(const QString& hostPath, const QList<PackSet>& sets, QString& problem);

} // namespace packs
