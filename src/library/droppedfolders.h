#pragma once

#include <QStringList>
#include <optional>

class QMimeData;

// Folders dragged from the desktop's file manager onto the list of logo sets.

// The most a drop may carry: beyond these the data is not a drop from a file manager.
constexpr qsizetype MaxDroppedListBytes = 4 * 1024 * 1024;
constexpr qsizetype MaxDroppedPaths = 10000;

// The dropped local files and folders as Windows paths of the current machine, in the order
// dropped (at most MaxDroppedPaths); entries that lie on no drive of the machine are left out.
// Empty (nullopt) when the data carries no file list at all, or one bigger than MaxDroppedListBytes.
std::optional<QStringList> droppedWindowsPaths(const QMimeData& data);

// Whether copying `folder` into the logo folder can make a new set: not a set of the library
// already (its parent is the logo folder), and not the logo folder or a folder holding it, which
// would be copied into itself.
bool isImportableFolder(const QString& folder, const QString& logoPath);

// Whether a dropped file is a logo pack (a ZIP archive, by its name).
bool isLogoPackFile(const QString& path);
