#include "pictureactions.h"

#include "frmview.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/systemfolders.h"
#include "platform/files.h"
#include "platform/launcher.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

PictureActions::PictureActions(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_menu(new QMenu(tr("Open with"), owner))
{
    m_menu->setObjectName(QStringLiteral("MnuOpenWith"));
    const QString captions[] = { tr("&View actual size"), tr("&Open Paint"), tr("Open custom program") };
    for (int i = 0; i < 3; ++i) {
        m_actions[i] = m_menu->addAction(captions[i]);
        m_actions[i]->setObjectName(QStringLiteral("ItmOpenAct%1").arg(i));
        connect(m_actions[i], &QAction::triggered, this, [this, i] { run(i); });
    }
}

void PictureActions::showMenu()
{
    showMenu(QCursor::pos());
}

void PictureActions::showMenu(const QPoint& at)
{
    const int action = settings().DefaultAction;
    m_menu->setDefaultAction(action >= 0 && action < 3 ? m_actions[action] : nullptr);
    m_menu->exec(at);
}

void PictureActions::runDefault()
{
    run(settings().DefaultAction);
}

void PictureActions::run(int index)
{
    const QString picture = settings().ActionImageFile;
    switch (index) {
    case 0:
        FrmView::showPicture(picture, m_owner);
        break;
    case 1:
        OpenInPaint(picture);
        break;
    case 2:
        openInCustomProgram(picture);
        break;
    default:
        break;
    }
}

void PictureActions::openInCustomProgram(const QString& picture)
{
    const QString program = settings().CustomProgPath;
    if (exists(program, platform::vbNormal)) {
        // Started and left alone: a program that fails to start is not reported.
        platform::startProgram(program, { GetShortName(picture) });
    } else if (!program.isEmpty()) {
        MsgBox(tr("Cannot find the file %1 or it is not an executable file. Check it out and retry.")
                   .arg(program),
            vbExclamation | vbOKOnly);
    } else if (MsgBox(tr("You haven't specified a custom program. Would you like to do it now?"),
                   vbYesNo | vbQuestion)
        == vbYes) {
        if (choosePreferences)
            choosePreferences();
    }
}
