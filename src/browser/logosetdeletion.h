#pragma once

#include <QString>

// Deletes the logo set `name` whose folder is `folder` (an immediate subfolder of the logo folder),
// after the confirmation the user asked for, into the desktop's trash or for good as the settings
// say. Returns whether the deletion was carried out (also when some file would not go); false when
// the user said no, or when `folder` is not a set folder of the library, which is never touched.
// The caller puts "<Don't know>" in place of an installed-set caption that named the set.
bool EliminaLogoSet(const QString& folder, const QString& name);

// Whether `folder` is an immediate subfolder of `logoPath` and `name` names a set.
bool isLibrarySetFolder(const QString& folder, const QString& name, const QString& logoPath);
