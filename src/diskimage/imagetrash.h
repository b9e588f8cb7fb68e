#pragma once

#include <QString>

namespace diskimage
{

// A disk image has no trash of its own, so an entry inside one goes to the desktop's trash as a
// copy taken out of the image, and only then is deleted from the image. Returns false, leaving
// the image as it was, when the copy could not be made or trashed.
bool moveImageEntryToTrash(const QString& windowsPath);

} // namespace diskimage
