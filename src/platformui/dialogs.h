#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The host's file and folder dialogs. The paths they return are Windows paths of the current
// machine.
namespace platform
{

// The host's folder dialog; the chosen folder as a Windows path, empty on cancel, or when the folder
// lies on no drive of the machine (the user is told so with a message box).
QString chooseFolder(QWidget* parent, const QString& title);
// The host's open-file dialog. `filters` are Qt name filters ("Applications (*.exe)"). Returns the
// Windows path, empty on cancel or for a file on no drive of the machine (as chooseFolder).
QString chooseOpenFile(
    QWidget* parent, const QString& title, const QString& initialFolder, const QStringList& filters);

// The host's open-file dialog, or its save-file dialog when `suggestedName` is given, for files that
// stay on the host (logo packs); `filter` is a Qt name filter. The host path, empty on cancel.
QString chooseHostFile(
    QWidget* parent, const QString& title, const QString& filter, const QString& suggestedName = {});

// Tests stand in for the desktop: the responder answers the folder and file dialogs (it receives
// the dialog's title). Its answer is what the host dialog would return, a host path, and is
// translated the same way; an answer that already is a Windows path ("C:\...") is returned as it
// is; empty is cancel. An empty function restores the dialogs.
void setDialogResponder(std::function<QString(const QString& title)> responder);

} // namespace platform
