#include "shellhelpers.h"

#include "settings.h"
#include "systemfolders.h"

#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/shell.h"
#include "platformui/dialogs.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QLineEdit>

namespace
{

// "Pictures (*.bmp)|*.bmp|All|*.*" -> {"Pictures (*.bmp)", "All (*.*)"}: Qt takes the patterns
// from the display text, so a display text without them gets them added.
QStringList qtFilters(const QString& filter)
{
    QString text = filter;
    if (!text.endsWith(QLatin1Char('|')))
        text += QLatin1Char('|');
    const QStringList parts = text.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString display = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (display.contains(QLatin1Char('(')))
            filters.append(display);
        else
            filters.append(display + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    // Host programs have no ".exe": without this filter none of them could be chosen.
    filters.append(QCoreApplication::translate("ShellHelpers", "All files (*)"));
    return filters;
}

} // namespace

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    return platform::chooseFolder(owner, title);
}

QString ShowOpenDialog(
    QWidget* owner, const QString& filter, const QString& title, const QString& initialFolder)
{
    const QString chosen = platform::chooseOpenFile(owner, title, initialFolder, qtFilters(filter)).trimmed();
    const qsizetype slash = chosen.lastIndexOf(QLatin1Char('\\'));
    settings().OpenFileTitle = slash < 0 ? chosen : chosen.mid(slash + 1);
    return chosen;
}

void ShellOpen(const QString& target, QWidget*)
{
    platform::shellOpen(target);
}

int DeleteToRecycleBin(const QStringList& paths)
{
    return platform::moveToTrash(paths) ? 0 : 1;
}

void OpenInPaint(const QString& picturePath)
{
    const QString paint = settings().WinPath + QStringLiteral("pbrush.exe");
    if (!platform::startProgram(paint, { GetShortName(picturePath) }))
        MsgBox(
            QCoreApplication::translate("ShellHelpers",
                "Cannot find Paint! If you want to edit your logos install it from Add/Remove Software from "
                "the Control Panel."),
            vbExclamation);
}

void SetEnabled(bool enabled, const QList<QObject*>& controls)
{
    for (QObject* control : controls)
        if (control)
            control->setProperty("enabled", enabled);
}

void SelectAllText(QLineEdit* textBox)
{
    textBox->setSelection(0, static_cast<int>(textBox->text().size()));
}
