#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QObject;
class QLineEdit;

// The shell's folder picker; empty text when the user cancels.
QString BrowseForFolder(QWidget* owner, const QString& title);
// The open-file dialog. `filter` is display/pattern pairs separated by "|"
// ("Applications (*.exe)|*.exe"). Also leaves the chosen name (without folder) in OpenFileTitle.
QString ShowOpenDialog(
    QWidget* owner, const QString& filter, const QString& title, const QString& initialFolder);
// Opens a file, folder or address with the desktop's program for it.
void ShellOpen(const QString& target, QWidget* owner);
// Moves every path to the trash after one confirmation; 0 when all went, non-zero otherwise.
int DeleteToRecycleBin(const QStringList& paths);
// Starts Paint on the picture, or says that it cannot be found.
void OpenInPaint(const QString& picturePath);

// Enables or disables every control (widgets and menu entries alike).
void SetEnabled(bool enabled, const QList<QObject*>& controls);
void SelectAllText(QLineEdit* textBox);
