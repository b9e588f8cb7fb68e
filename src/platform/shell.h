#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;
class QWidget;

// The desktop's shell: opening documents and folders, the trash, folder copies and the file and
// folder dialogs. Paths going in and out are Windows paths of the current machine.
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

// Copies the folder `source` into the folder `targetParent` (as targetParent\name), with every
// subfolder, overwriting files without asking. Existing folders are matched without regard to case;
// new ones keep the source's case. Shows a cancelable progress dialog owned by `parent` when the
// copy takes longer than a moment. Returns false when the user cancelled, or when any entry could not
// be copied (the others still are), or when the target lies inside the source. Folders that are
// symbolic links are not followed.
bool copyFolderInto(const QString& source, const QString& targetParent, QWidget* parent);

// The host's folder dialog; the chosen folder as a Windows path, empty on cancel, or when the folder
// lies on no drive of the machine (the user is told so with a message box).
QString chooseFolder(QWidget* parent, const QString& title);
// The host's open-file dialog. `filters` are Qt name filters ("Applications (*.exe)"). Returns the
// Windows path, empty on cancel or for a file on no drive of the machine (as chooseFolder).
QString chooseOpenFile(
    QWidget* parent, const QString& title, const QString& initialFolder, const QStringList& filters);

// Tests stand in for the desktop: the opener receives every shellOpen target as given, and the
// dialog responder answers the folder and file dialogs (it receives the dialog's title). The
// responder's answer is what the host dialog would return, a host path, and is translated the same
// way; an answer that already is a Windows path ("C:\...") is returned as it is; empty is cancel.
// An empty function restores the desktop.
void setShellOpener(std::function<bool(const QString&)> opener);
void setDialogResponder(std::function<QString(const QString& title)> responder);

} // namespace platform
