#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The desktop's shell: opening documents and folders, the trash, folder copies and the file and
// folder dialogs. Paths going in and out are Windows paths of the current machine.
namespace platform {

// Opens a Windows path with the desktop's program for it, or a URL ("https://...") in the browser.
// Returns false when nothing could be asked to open it.
bool shellOpen(const QString& target);

// Moves every path to the desktop's trash after one confirmation of the program's own (MsgBox).
// Returns true when all went to the trash; false when the user said no or a path could not move.
bool moveToTrash(const QStringList& paths);

// Copies the folder `source` into the folder `targetParent` (as targetParent\name), with every
// subfolder, overwriting files without asking. Shows a progress dialog owned by `parent` when the
// copy takes longer than a moment. Returns false when a file could not be copied.
bool copyFolderInto(const QString& source, const QString& targetParent, QWidget* parent);

// The host's folder dialog; the chosen folder as a Windows path, empty on cancel (or when the
// folder lies on no drive of the machine).
QString chooseFolder(QWidget* parent, const QString& title);
// The host's open-file dialog. `filters` are Qt name filters ("Applications (*.exe)"). Returns the
// Windows path, empty on cancel.
QString chooseOpenFile(QWidget* parent, const QString& title, const QString& initialFolder,
                       const QStringList& filters);

// Tests stand in for the desktop: the opener receives every shellOpen target, and the dialog
// responder answers the folder and file dialogs (it receives the dialog's title).
void setShellOpener(std::function<bool(const QString&)> opener);
void setDialogResponder(std::function<QString(const QString& title)> responder);

} // namespace platform
