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

// The commands that run once per activation of their tool, whichever band or key activated it.
const ToolCommand toolCommands[] = {
    { "ToolRename", &Principale::ItmRename_Click },
    { "ToolDelete", &Principale::ItmDelete_Click },
    { "ToolRefresh", &Principale::itmRefresh_Click },
    { "ToolSetDefault", &Principale::ItmSetDefault_Click },
    { "ToolBrowser", &Principale::ItmLogoManager_Click },
    { "ToolExplore", &Principale::ItmExplore_Click },
    { "ToolRandom", &Principale::ItmRandomSpin_Click },
    { "ToolPrefer", &Principale::ItmPref_Click },
    { "Online", &Principale::ItmOnline_Click },
    { "ToolContents", &Principale::ItmContents_Click },
    { "ToolTutorial", &Principale::ItmTutorial_Click },
    { "ToolAbout", &Principale::ItmAbout_Click },
    { "MnuExit", &Principale::ItmExit_Click },
};

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

    connect(ActiveBar1, &ActiveBar::PreCustomizeMenu, this, &Principale::ActiveBar1_PreCustomizeMenu);
}

// Every command is one action: the menu entries the program knows (ItmRename, ItmViewType, ...) are
// the tools themselves, and the classic menus are the bands that show them.
void Principale::createMenus()
{
    MnuListLogo = ActiveBar1->band(QStringLiteral("LogoBand"));
    MnuTools = ActiveBar1->band(QStringLiteral("OptionsBand"));
    MnuHelp = ActiveBar1->band(QStringLiteral("HelpBand"));
    const std::pair<QAction**, const char*> entries[]
        = { { &ItmRename, "ToolRename" }, { &ItmDelete, "ToolDelete" }, { &ItmSetDefault, "ToolSetDefault" },
              { &ItmExplore, "ToolExplore" }, { &ItmRefresh, "ToolRefresh" },
              { &ItmLogoManager, "ToolBrowser" }, { &ItmViewType[0], "ToolListView" },
              { &ItmViewType[1], "ToolReportView" }, { &ItmViewDefOrActual, "ToolShowCurrent" },
              { &ItmRandomSpin, "ToolRandom" }, { &ItmPref, "ToolPrefer" }, { &ItmContents, "ToolContents" },
              { &ItmAbout, "ToolAbout" }, { &ItmExit, "MnuExit" } };
    for (const auto& [entry, tool] : entries)
        *entry = ActiveBar1->Tools(QLatin1String(tool));

    Pictures = new PictureActions(this);
    Pictures->choosePreferences = [this] { ItmPref_Click(); };
    MnuOpenWith = Pictures->menu();
    ItmOpenAct = Pictures->actions();
    MnuOpenWith->addSeparator()->setVisible(false);
    // Its mark is all it does, and the action flips that itself.
    ItmAnimate = MnuOpenWith->addAction(QStringLiteral("Autoshow animation"));
    ItmAnimate->setObjectName(QStringLiteral("ItmAnimate"));
    ItmAnimate->setCheckable(true);
    ItmAnimate->setVisible(false);
}

void Principale::connectCommands()
{
    for (const ToolCommand& entry : toolCommands)
        connect(ActiveBar1->Tools(QLatin1String(entry.tool)), &QAction::triggered, this,
            [this, command = entry.command] { attempt([&] { (this->*command)(); }); });
    // Checkable tools run on `toggled`, so a mark changed by a click, a key or an assistive tool
    // always runs its command once and the view never gets out of step with the mark.
    for (int i = 0; i < 2; ++i)
        connect(
            ItmViewType[i], &QAction::toggled, this, [this, i] { attempt([&] { ItmViewType_Click(i); }); });
    connect(ItmViewDefOrActual, &QAction::toggled, this,
        [this] { attempt([&] { ItmViewDefOrActual_Click(); }); });
    // Every animated preview follows the mark.
    connect(ItmAnimate, &QAction::toggled, &AnimationSwitch::instance(), &AnimationSwitch::setOn);
    AnimationSwitch::instance().setOn(ItmAnimate->isChecked());
}

void Principale::ActiveBar1_Click(QAction* tool)
{
    if (tool)
        tool->trigger();
}

void Principale::ActiveBar1_PreCustomizeMenu(bool& cancel)
{
    cancel = true;
}

void Principale::ItmAnimate_Click()
{
    ItmAnimate->toggle();
}

void Principale::setAnimationShown(bool shown)
{
    ItmAnimate->setChecked(shown);
}

bool Principale::isAnimationShown() const
{
    return ItmAnimate->isChecked();
}
