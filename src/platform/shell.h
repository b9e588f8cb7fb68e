#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

// The desktop's shell: opening documents and folders, and the trash. Paths going in and out are
// Windows paths of the current machine. Folder copies and the file dialogs show windows, so they
// are in platformui/.
namespace platform
{

// Opens a Windows path with the desktop's program for it, or a URL ("https://...") in the browser.
// Returns false when nothing could be asked to open it.
bool shellOpen(const QString& target);
// What shellOpen hands the desktop: the URL itself, or the host file of an existing Windows (or
// absolute host) path. Invalid when the target is neither.
QUrl shellUrlFor(const QString& target);

// Moves every path to the desktop's trash after one confirmation of the program's own (MsgBox).
// A last component with wildcards ("C:\Logos\Blue\*.*") stands for every entry it matches, without
// regard to case. Returns true when all went to the trash (also when nothing matched, which asks
// nothing); false when the user said no or a path was missing or could not move.
bool moveToTrash(const QStringList& paths);

// Tests stand in for the desktop: the opener receives every shellOpen target as given. An empty
// function restores the desktop.
void setShellOpener(std::function<bool(const QString&)> opener);

} // namespace platform
