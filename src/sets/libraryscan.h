#pragma once

#include <QList>
#include <QString>
#include <array>

// The logo library as it lies on disk: every immediate subfolder of the logo folder is a set, its
// name decides its kind, and single-logo sets share the logo folder's wait and shutdown screens.

struct LogoSetEntry {
    QString name; // as the file system spells it
    bool singleLogo = false;
};

struct LibraryScan {
    QList<LogoSetEntry> sets; // alphabetical without regard to case
    // The installed set as spelled on disk, empty when no folder matches DefaultLogoSet.
    QString installedSet;
};

// Lists the sets of `logoPath` (a Windows folder ending in "\") and finds `defaultLogoSet` among
// them without regard to case. Throws the file layer's error when the folder cannot be listed.
LibraryScan scanLogoLibrary(const QString& logoPath, const QString& defaultLogoSet);

// The list icon of a set: "singlelogo" or "multilogo".
QString logoSetIconKey(const QString& setName);

// Where a set's startup, wait and shutdown screens are, whether or not they exist.
std::array<QString, 3> logoSetScreenPaths(const QString& logoPath, const QString& setName);
