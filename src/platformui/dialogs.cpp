#include "dialogs.h"

#include "platform/machine.h"
#include "platform/msgbox.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace platform
{

namespace
{

std::function<QString(const QString&)>& dialogResponder()
{
    static std::function<QString(const QString&)> instance;
    return instance;
}

// Where the folder dialog starts when the caller names no folder: the root of the Windows drive.
QString defaultDialogFolder()
{
    if (!hasCurrentMachine())
        return {};
    return resolveToHostOrEmpty(currentMachine().windowsFolder().left(2) + QLatin1Char('\\'));
}

// A path the host's dialog returned, as the program sees it. Outside every drive the user is told
// why the choice cannot be used (`refusal`, with %1 for the path chosen).
QString chosenWindowsPath(const QString& chosen, const QString& refusal)
{
    if (chosen.isEmpty() || looksLikeWindowsPath(chosen))
        return chosen;
    const QString windowsPath = windowsPathFor(chosen);
    if (windowsPath.isEmpty())
        MsgBox(refusal.arg(chosen), vbExclamation);
    return windowsPath;
}

} // namespace

QString chooseFolder(QWidget* parent, const QString& title)
{
    const QString chosen = dialogResponder()
        ? dialogResponder()(title)
        : QFileDialog::getExistingDirectory(parent, title, defaultDialogFolder(), QFileDialog::ShowDirsOnly);
    return chosenWindowsPath(chosen,
        QCoreApplication::translate("Dialogs",
            "The folder %1 is not on a drive of the Windows machine. Please choose one on a drive of the "
            "machine."));
}

QString chooseOpenFile(
    QWidget* parent, const QString& title, const QString& initialFolder, const QStringList& filters)
{
    QString chosen;
    if (dialogResponder()) {
        chosen = dialogResponder()(title);
    } else {
        const QString start
            = initialFolder.isEmpty() ? defaultDialogFolder() : resolveToHostOrEmpty(initialFolder);
        chosen = QFileDialog::getOpenFileName(parent, title, start, filters.join(QLatin1String(";;")));
    }
    return chosenWindowsPath(chosen,
        QCoreApplication::translate("Dialogs",
            "The file %1 is not on a drive of the Windows machine. Please choose one on a drive of the "
            "machine."));
}

QString chooseHostFile(
    QWidget* parent, const QString& title, const QString& filter, const QString& suggestedName)
{
    if (dialogResponder())
        return dialogResponder()(title);
    if (suggestedName.isEmpty())
        return QFileDialog::getOpenFileName(parent, title, QDir::homePath(), filter);
    return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggestedName), filter);
}

void setDialogResponder(std::function<QString(const QString& title)> responder)
{
    dialogResponder() = std::move(responder);
}

} // namespace platform
