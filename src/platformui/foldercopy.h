#pragma once

#include <QString>

class QWidget;

namespace platform
{

// Copies the folder `source` into the folder `targetParent` (as targetParent\name), with every
// subfolder, overwriting files without asking. Existing folders are matched without regard to case;
// new ones keep the source's case. Shows a cancelable progress dialog owned by `parent` when the
// copy takes longer than a moment. Returns false when the user cancelled, or when any entry could not
// be copied (the others still are), or when the target lies inside the source. Folders that are
// symbolic links are not followed. Paths are Windows paths of the current machine.
bool copyFolderInto(const QString& source, const QString& targetParent, QWidget* parent);

} // namespace platform
