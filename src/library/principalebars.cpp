#include "principale.h"

#include "activebar.h"

#include "app/attempt.h"
#include "windows/pictureactions.h"
#include "windows/screenanimator.h"

#include <QAction>
#include <QMenu>
#include <QStyle>

namespace
{

using Command = void (Principale::*)();

struct ToolCommand {
    const char* tool;
    Command command;
};

// Searched in this order; the first tool whose name matches runs its command.
const ToolCommand toolCommands[] = {
    { "ToolRename", &Principale::ItmRename_Click },
    { "ToolDelete", &Principale::ItmDelete_Click },
    { "ToolRefresh", &Principale::itmRefresh_Click },
    { "ToolSetDefault", &Principale::ItmSetDefault_Click },
    { "ToolBrowser", &Principale::ItmLogoManager_Click },
    { "ToolExplore", &Principale::ItmExplore_Click },
    { "ToolListView", nullptr },
    { "ToolReportView", nullptr },
    { "ToolShowCurrent", nullptr },
    { "ToolRandom", &Principale::ItmRandomSpin_Click },
    { "ToolPrefer", &Principale::ItmPref_Click },
    { "Online", &Principale::ItmOnline_Click },
    { "ToolContents", &Principale::ItmContents_Click },
    { "ToolTutorial", &Principale::ItmTutorial_Click },
    { "ToolAbout", &Principale::ItmAbout_Click },
    { "MnuExit", &Principale::ItmExit_Click },
};

QAction* menuEntry(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

} // namespace

void Principale::createBars()
{
    ActiveBar1 = new ActiveBar(this);
    const QList<ActiveBar::ToolDefinition> tools = {
        { "MnuLogo", "&Logo", {}, "Logo", {}, -1, false },
        { "MnuOptions", "&Options", {}, "Logo", {}, -1, false },
        { "MnuHelp", "&Help", {}, "Logo", {}, -1, false },
        { "MnuExit", "E&xit", {}, "Logo", {}, -1, false },
        { "ToolRename", "&Rename", "Rename selected logo set", "Logo", "edit-rename",
            QStyle::SP_FileDialogDetailedView, false },
        { "ToolDelete", "D&elete", "Delete selected logo set", "Logo", "edit-delete", QStyle::SP_TrashIcon,
            false },
        { "ToolSetDefault", "Set as default", "Set as default", "Logo", "emblem-default",
            QStyle::SP_DialogApplyButton, false },
        { "ToolBrowser", "Logo &browser...", "Logo browser", "Logo", "image-x-generic",
            QStyle::SP_FileDialogNewFolder, false },
        { "ToolExplore", "&Explore", "Opens the folder in Explorer", "Logo", "folder-open",
            QStyle::SP_DirOpenIcon, false },
        { "ToolRefresh", "&Refresh", "Refreshed the logo sets list", "Logo", "view-refresh",
            QStyle::SP_BrowserReload, false },
        { "ToolListView", "View as l&ist", {}, "Options", "view-list-text", QStyle::SP_FileDialogListView,
            true },
        { "ToolReportView", "View as &report", {}, "Options", "view-list-details",
            QStyle::SP_FileDialogDetailedView, true },
        { "ToolShowCurrent", "Show current &logo setting", "Show current logo setting", "Options", "computer",
            QStyle::SP_ComputerIcon, true },
        { "ToolRandom", "Rando&m Change", "Random change", "Options", "media-playlist-shuffle",
            QStyle::SP_MediaSkipForward, false },
        { "ToolPrefer", "&Preferences...", {}, "Options", "preferences-system", -1, false },
        { "Online", "&Online check...", {}, "Options", "network-workgroup", -1, false },
        { "ToolContents", "Contents", "Contents", "Logo", "help-contents", QStyle::SP_DialogHelpButton,
            false },
        { "ToolTutorial", "Tutorial", {}, "Logo", {}, -1, false },
        { "ToolAbout", "About...", "About...", "Logo", "help-about", QStyle::SP_MessageBoxInformation,
            false },
        { "WhatIsThis", "What's this?", {}, "Logo", {}, -1, false },
    };
    for (const ActiveBar::ToolDefinition& tool : tools)
        ActiveBar1->addTool(tool);

    ActiveBar1->addDropDownBand("LogoBand", "Logo", "MnuLogo",
        { "ToolRename", "ToolDelete", "ToolSetDefault", "ToolBrowser", "ToolExplore", "ToolRefresh" });
    ActiveBar1->addDropDownBand("OptionsBand", "Options", "MnuOptions",
        { "ToolListView", "ToolReportView", "ToolShowCurrent", "ToolRandom", "ToolPrefer", "Online" });
    ActiveBar1->addDropDownBand(
        "HelpBand", "Help", "MnuHelp", { "ToolContents", "ToolTutorial", "ToolAbout" });
    ActiveBar1->addMenuBarBand("MainMenu", { "MnuLogo", "MnuOptions", "MnuHelp", "MnuExit" });
    ActiveBar1->addToolBarBand("BarMain", "Main",
        { "ToolRename", "ToolDelete", "ToolSetDefault", "ToolBrowser", "ToolRefresh", "ToolShowCurrent",
            "ToolRandom", "ToolContents", "ToolAbout" });
    ActiveBar1->Tools("ToolListView")->setChecked(true);
    for (const char* needsSelection : { "ToolRename", "ToolDelete", "ToolSetDefault" })
        ActiveBar1->Tools(needsSelection)->setEnabled(false);

    connect(ActiveBar1, &ActiveBar::Click, this, &Principale::ActiveBar1_Click);
    connect(ActiveBar1, &ActiveBar::PreCustomizeMenu, this, &Principale::ActiveBar1_PreCustomizeMenu);
}

// The classic menus are never shown in the menu bar: they hold the commands, and MnuOpenWith is the
// previews' pop-up menu.
void Principale::createMenus()
{
    MnuListLogo = new QMenu(QStringLiteral("&Logo"), this);
    ItmRename = menuEntry(MnuListLogo, "ItmRename", "Re&name");
    ItmDelete = menuEntry(MnuListLogo, "ItmDelete", "D&elete");
    ItmSetDefault = menuEntry(MnuListLogo, "ItmSetDefault", "Set as &default");
    MnuListLogo->addSeparator();
    ItmExplore = menuEntry(MnuListLogo, "ItmExplore", "&Explore");
    ItmRefresh = menuEntry(MnuListLogo, "ItmRefresh", "&Refresh");
    ItmLogoManager = menuEntry(MnuListLogo, "ItmLogoManager", "&Logo browser...");

    MnuTools = new QMenu(QStringLiteral("&Options"), this);
    ItmViewType[0] = menuEntry(MnuTools, "ItmViewType0", "&View as list");
    ItmViewType[1] = menuEntry(MnuTools, "ItmViewType1", "&View as report");
    MnuTools->addSeparator();
    ItmViewDefOrActual = menuEntry(MnuTools, "ItmViewDefOrActual", "Show current logo setting");
    MnuTools->addSeparator();
    ItmRandomSpin = menuEntry(MnuTools, "ItmRandomSpin", "&Random change");
    MnuTools->addSeparator();
    ItmPref = menuEntry(MnuTools, "ItmPref", "&Preferences...");
    ItmNetUpdate = menuEntry(MnuTools, "ItmNetUpdate", "&NetUpdate");
    ItmNetUpdate->setVisible(false);
    for (QAction* view : ItmViewType)
        view->setCheckable(true);

    MnuDrive = new QMenu(QStringLiteral("StartUp logo in"), this);
    menuEntry(MnuDrive, "ItmDriveList0", "A");

    MnuHelp = new QMenu(QStringLiteral("&Help"), this);
    ItmContents = menuEntry(MnuHelp, "ItmContents", "&Contents");
    MnuHelp->addSeparator();
    ItmBugReport = menuEntry(MnuHelp, "ItmBugReport", "&Bug report");
    ItmAbout = menuEntry(MnuHelp, "ItmAbout", "A&bout...");

    ItmExit = new QAction(QStringLiteral("E&xit"), this);
    ItmExit->setObjectName("ItmExit");

    Pictures = new PictureActions(this);
    Pictures->choosePreferences = [this] { ItmPref_Click(); };
    MnuOpenWith = Pictures->menu();
    ItmOpenAct = Pictures->actions();
    MnuOpenWith->addSeparator()->setVisible(false);
    ItmAnimate = menuEntry(MnuOpenWith, "ItmAnimate", "Autoshow animation");
    ItmAnimate->setCheckable(true);
    ItmAnimate->setVisible(false);

    connect(ItmRename, &QAction::triggered, this, &Principale::ItmRename_Click);
    connect(ItmDelete, &QAction::triggered, this, &Principale::ItmDelete_Click);
    connect(ItmSetDefault, &QAction::triggered, this, &Principale::ItmSetDefault_Click);
    connect(ItmExplore, &QAction::triggered, this, &Principale::ItmExplore_Click);
    connect(ItmRefresh, &QAction::triggered, this, &Principale::itmRefresh_Click);
    connect(ItmLogoManager, &QAction::triggered, this, &Principale::ItmLogoManager_Click);
    for (int i = 0; i < 2; ++i)
        connect(ItmViewType[i], &QAction::triggered, this, [this, i] { ItmViewType_Click(i); });
    connect(ItmViewDefOrActual, &QAction::triggered, this, &Principale::ItmViewDefOrActual_Click);
    connect(ItmRandomSpin, &QAction::triggered, this, &Principale::ItmRandomSpin_Click);
    connect(ItmPref, &QAction::triggered, this, &Principale::ItmPref_Click);
    connect(ItmContents, &QAction::triggered, this, &Principale::ItmContents_Click);
    connect(ItmAbout, &QAction::triggered, this, &Principale::ItmAbout_Click);
    connect(ItmExit, &QAction::triggered, this, &Principale::ItmExit_Click);
    // Every animated preview follows the mark.
    connect(ItmAnimate, &QAction::toggled, &AnimationSwitch::instance(), &AnimationSwitch::setOn);
    AnimationSwitch::instance().setOn(ItmAnimate->isChecked());
    // Qt flips the mark itself before the command runs; the command inverts it, so undo Qt's flip.
    connect(ItmAnimate, &QAction::triggered, this, [this] {
        ItmAnimate->setChecked(!ItmAnimate->isChecked());
        ItmAnimate_Click();
    });
}

void Principale::ActiveBar1_Click(QAction* tool)
{
    const QString name = tool->objectName();
    for (const ToolCommand& entry : toolCommands) {
        if (name != QLatin1String(entry.tool))
            continue;
        attempt([&] {
            if (name == QLatin1String("ToolListView")) {
                ItmViewType_Click(0);
                ActiveBar1->Tools("ToolListView")->setChecked(true);
                ActiveBar1->Tools("ToolReportView")->setChecked(false);
            } else if (name == QLatin1String("ToolReportView")) {
                ItmViewType_Click(1);
                ActiveBar1->Tools("ToolListView")->setChecked(false);
                ActiveBar1->Tools("ToolReportView")->setChecked(true);
            } else if (name == QLatin1String("ToolShowCurrent")) {
                QAction* showCurrent = ActiveBar1->Tools("ToolShowCurrent");
                showCurrent->setChecked(!showCurrent->isChecked());
                ItmViewDefOrActual_Click();
            } else {
                (this->*entry.command)();
            }
        });
        return;
    }
}

void Principale::ActiveBar1_PreCustomizeMenu(bool& cancel)
{
    cancel = true;
}

void Principale::ItmAnimate_Click()
{
    ItmAnimate->setChecked(!ItmAnimate->isChecked());
}

void Principale::setAnimationShown(bool shown)
{
    ItmAnimate->setChecked(shown);
}

bool Principale::isAnimationShown() const
{
    return ItmAnimate->isChecked();
}
