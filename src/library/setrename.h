#pragma once

#include <QString>

// Renaming a logo set: its folder in the logo folder gets a new name, and a name that gains or
// loses the ".SLS" ending changes the kind of the set.

enum class SetRenameCheck {
    Refused, // one of the names cannot be a set folder's name
    SameKind, // both names are of the same kind
    SingleToMulti, // the ".SLS" ending goes
    MultiToSingle, // the ".SLS" ending comes
};

// What renaming `oldName` to `newName` would do. A new name that is not one plain folder name
// ("\", "/", ":", "." or ".." and the like) would move a folder out of the library, so it is refused;
// so is one ending in a space or a dot, which Windows would silently strip.
SetRenameCheck checkSetRename(const QString& oldName, const QString& newName);

// The question asked before the kind of a set changes.
QString kindChangeQuestion(bool toSingleLogo);

// Renames logoPath & oldName to logoPath & newName; false when the file layer refused (the name is
// taken, the folder is missing, ...). Nothing is renamed when checkSetRename refuses the names.
bool renameSetFolder(const QString& logoPath, const QString& oldName, const QString& newName);
