#include "principale.h"

#include "activebar.h"
#include "logolist.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "browser/logosetdeletion.h"
#include "browser/selpictureform.h"
#include "windows/frmabout.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

void Principale::ItmRename_Click()
{
    const int row = MyList->selectedRow();
    if (MyList->isSelected(row))
        MyList->startLabelEdit(row);
}

void Principale::ItmDelete_Click()
{
    const int row = MyList->selectedRow();
    if (!MyList->isSelected(row))
        return;
    Settings& s = settings();
    const QString name = MyList->itemText(row);
    if (!EliminaLogoSet(s.LogoPath + name, name))
        return;
    if (DefaultLogo->text() == name)
        DefaultLogo->setText(DontKnow);
    if (s.DefaultLogoSet == name) {
        s.DefaultLogoSet = DontKnow;
        DefaultLogo->setText(DontKnow);
    }
    MyList->removeItem(row);
    SelectAfterDelete(row + 1);
    VisualizzaNumLogo();
}

void Principale::ItmExplore_Click()
{
    QString folder = settings().LogoPath;
    if (ActiveBar1->Tools(QStringLiteral("ToolDelete"))->isEnabled())
        folder += MyList->itemText(MyList->selectedRow());
    OpenExplorer(folder);
}

void Principale::OpenExplorer(const QString& folder)
{
    ShellOpen(folder, this);
}

void Principale::ItmLogoManager_Click()
{
    // The browser opens once the click that asked for it has finished.
    Timer1->start();
}

void Principale::Timer1_Timer()
{
    Timer1->stop();
    showLogoBrowser(this, browserLink());
}

void Principale::ItmAbout_Click()
{
    FrmAbout about(this);
    about.exec();
}
