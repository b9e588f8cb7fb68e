#include "shell.h"

#include "fileerror.h"
#include "machine.h"
#include "msgbox.h"
#include "winpath.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace platform
{

namespace
{

std::function<bool(const QString&)>& shellOpener()
{
    static std::function<bool(const QString&)> instance;
    return instance;
}

std::function<QString(const QString&)>& dialogResponder()
{
    static std::function<QString(const QString&)> instance;
    return instance;
}

bool isWindowsPathText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return pattern.match(text).hasMatch();
}

QString hostPathOrEmpty(const QString& path)
{
    if (path.isEmpty())
        return {};
    try {
        return resolveToHost(path);
    } catch (const FileError&) {
        return {};
    }
}

// Where the folder dialog starts when the caller names no folder: the root of the Windows drive.
QString defaultDialogFolder()
{
    if (!hasCurrentMachine())
        return {};
    return hostPathOrEmpty(currentMachine().windowsFolder().left(2) + QLatin1Char('\\'));
}

// A path the host's dialog returned, as the program sees it. Outside every drive the user is told
// why the choice cannot be used.
QString chosenWindowsPath(const QString& chosen, const QString& what)
{
    if (chosen.isEmpty() || isWindowsPathText(chosen))
        return chosen;
    const QString windowsPath = windowsPathFor(chosen);
    if (windowsPath.isEmpty())
        MsgBox(QStringLiteral("The %1 %2 is not on a drive of the Windows machine. Please choose one on "
                              "a drive of the machine.")
                   .arg(what, chosen),
            vbExclamation);
    return windowsPath;
}

} // namespace

QUrl shellUrlFor(const QString& target)
{
    if (target.isEmpty())
        return {};
    const QUrl url(target, QUrl::StrictMode);
    if (!isWindowsPathText(target) && url.isValid() && url.scheme().size() > 1)
        return url;
    const QString hostPath = hostPathOrEmpty(target);
    if (hostPath.isEmpty() || !QFileInfo::exists(hostPath))
        return {};
    return QUrl::fromLocalFile(hostPath);
}

bool shellOpen(const QString& target)
{
    if (shellOpener())
        return shellOpener()(target);
    const QUrl url = shellUrlFor(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QString chooseFolder(QWidget* parent, const QString& title)
{
    const QString chosen = dialogResponder()
        ? dialogResponder()(title)
        : QFileDialog::getExistingDirectory(parent, title, defaultDialogFolder(), QFileDialog::ShowDirsOnly);
    return chosenWindowsPath(chosen, QStringLiteral("folder"));
}

QString chooseOpenFile(
    QWidget* parent, const QString& title, const QString& initialFolder, const QStringList& filters)
{
    QString chosen;
    if (dialogResponder()) {
        chosen = dialogResponder()(title);
    } else {
        const QString start
            = initialFolder.isEmpty() ? defaultDialogFolder() : hostPathOrEmpty(initialFolder);
        chosen = QFileDialog::getOpenFileName(parent, title, start, filters.join(QLatin1String(";;")));
    }
    return chosenWindowsPath(chosen, QStringLiteral("file"));
}

void setShellOpener(std::function<bool(const QString&)> opener)
{
    shellOpener() = std::move(opener);
}

void setDialogResponder(std::function<QString(const QString& title)> responder)
{
    dialogResponder() = std::move(responder);
}

} // namespace platform
