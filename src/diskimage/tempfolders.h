#pragma once

#include <QString>

// The image engine's private folders (exports, staged files, links for mtools, host copies) live
// under $XDG_RUNTIME_DIR/bootcanvas, or the cache folder where there is none, never loose in /tmp.
// Each is named after its process, so that the folders of a killed command can be told apart.
namespace diskimage
{

// A QTemporaryDir template for a folder of `kind` ("export", "staged", ...) of this process.
QString privateFolderTemplate(const QString& kind);
// Removes the folders of processes that no longer run; a dead export is unmounted first.
void removeStaleFolders();

} // namespace diskimage
