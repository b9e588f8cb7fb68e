#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Logo packs against the logo library: importing makes sets of a pack, exporting packs a set.

// Asked once for each set of the pack whose folder already exists; true overwrites its screens,
// false leaves that set out. Without it, a clash refuses the whole import.
using OverwriteQuestion = std::function<bool(const QString& setName)>;

struct PackImport {
    QStringList sets; // the sets written, by the names they got
    QString problem; // why nothing was written, one line for people; empty on success
};

// Imports the pack at the host path into the logo folder `logoPath` (a Windows path ending in
// "\"). Every screen goes through the checks and conversion a browsed picture does, and every set
// name through the set-name rules; the first refusal ends the import before anything is written.
PackImport importLogoPack(
    const QString& packHostPath, const QString& logoPath, const OverwriteQuestion& overwrite);

// Writes the set `setName` of `logoPath` as a pack at the host path; a single-logo set takes the
// library's default wait and shutdown screens with it. Returns the problem, or empty when written.
QString exportLogoPack(const QString& setName, const QString& logoPath, const QString& packHostPath);
