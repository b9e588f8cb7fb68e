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

// Every tool, with the command it runs once per activation whichever band or key activated it
// (none for the menu-bar openers and for the checkable tools, which run on `toggled`).
struct Tool {
    Command command;
    ActiveBar::ToolDefinition definition;
};

const QList<Tool>& tools()
{
    // clang-format off: one tool a row reads as a table
    static const QList<Tool> table = {
        { nullptr, { "MnuLogo", "&Logo", {}, "Logo", {}, -1, false } },
        { nullptr, { "MnuOptions", "&Options", {}, "Logo", {}, -1, false } },
        { nullptr, { "MnuHelp", "&Help", {}, "Logo", {}, -1, false } },
        { &Principale::ItmExit_Click, { "MnuExit", "E&xit", {}, "Logo", {}, -1, false } },
        { &Principale::ItmRename_Click, { "ToolRename", "&Rename", "Rename selected logo set", "Logo", "edit-rename", QStyle::SP_FileDialogDetailedView, false } },
        { &Principale::ItmDelete_Click, { "ToolDelete", "D&elete", "Delete selected logo set", "Logo", "edit-delete", QStyle::SP_TrashIcon, false } },
        { &Principale::ItmSetDefault_Click, { "ToolSetDefault", "Set as default", "Set as default", "Logo", "emblem-default", QStyle::SP_DialogApplyButton, false } },
        { &Principale::ItmLogoManager_Click, { "ToolBrowser", "Logo &browser...", "Logo browser", "Logo", "image-x-generic", QStyle::SP_FileDialogNewFolder, false } },
        { &Principale::ItmExplore_Click, { "ToolExplore", "&Explore", "Opens the folder in Explorer", "Logo", "folder-open", QStyle::SP_DirOpenIcon, false } },
        { &Principale::itmRefresh_Click, { "ToolRefresh", "&Refresh", "Refreshed the logo sets list", "Logo", "view-refresh", QStyle::SP_BrowserReload, false } },
        { &Principale::ItmImportPack_Click, { "ToolImportPack", "Import logo &pack...", "Import the logo sets of a ZIP pack", "Logo", "document-import", -1, false } },
        { &Principale::ItmExportPack_Click, { "ToolExportPack", "Expor&t logo pack...", "Save the selected logo set as a ZIP pack", "Logo", "document-export", -1, false } },
        { nullptr, { "ToolListView", "View as l&ist", {}, "Options", "view-list-text", QStyle::SP_FileDialogListView, true } },
        { nullptr, { "ToolReportView", "View as &report", {}, "Options", "view-list-details", QStyle::SP_FileDialogDetailedView, true } },
        { nullptr, { "ToolShowCurrent", "Show current &logo setting", "Show current logo setting", "Options", "computer", QStyle::SP_ComputerIcon, true } },
        { &Principale::ItmRandomSpin_Click, { "ToolRandom", "Rando&m Change", "Random change", "Options", "media-playlist-shuffle", QStyle::SP_MediaSkipForward, false } },
        { &Principale::ItmPref_Click, { "ToolPrefer", "&Preferences...", {}, "Options", "preferences-system", -1, false } },
        { &Principale::ItmOnline_Click, { "Online", "&Online check...", {}, "Options", "network-workgroup", -1, false } },
        { &Principale::ItmContents_Click, { "ToolContents", "Contents", "Contents", "Logo", "help-contents", QStyle::SP_DialogHelpButton, false } },
        { &Principale::ItmTutorial_Click, { "ToolTutorial", "Tutorial", {}, "Logo", {}, -1, false } },
        { &Principale::ItmAbout_Click, { "ToolAbout", "About...", "About...", "Logo", "help-about", QStyle::SP_MessageBoxInformation, false } },
        { nullptr, { "WhatIsThis", "What's this?", {}, "Logo", {}, -1, false } },
    };
    // clang-format on
    return table;
}

} // namespace

void Principale::createBars()
{
    ActiveBar1 = new ActiveBar(this);
    ActiveBar1->setObjectName(QStringLiteral("ActiveBar1"));
    for (const Tool& tool : tools())
        ActiveBar1->addTool(tool.definition);

    ActiveBar1->addDropDownBand("LogoBand", "Logo", "MnuLogo",
        { "ToolRename", "ToolDelete", "ToolSetDefault", "ToolBrowser", "ToolExplore", "ToolRefresh",
            "ToolImportPack", "ToolExportPack" });
    ActiveBar1->addDropDownBand("OptionsBand", "Options", "MnuOptions",
        { "ToolListView", "ToolReportView", "ToolShowCurrent", "ToolRandom", "ToolPrefer", "Online" });
    ActiveBar1->addDropDownBand(
        "HelpBand", "Help", "MnuHelp", { "ToolContents", "ToolTutorial", "ToolAbout" });
    ActiveBar1->addMenuBarBand("MainMenu", { "MnuLogo", "MnuOptions", "MnuHelp", "MnuExit" });
    ActiveBar1->addToolBarBand("BarMain", "Main",
        { "ToolRename", "ToolDelete", "ToolSetDefault", "ToolBrowser", "ToolRefresh", "ToolShowCurrent",
            "ToolRandom", "ToolContents", "ToolAbout" });
    ActiveBar1->Tools("ToolListView")->setChecked(true);
    for (QAction* needsSelection : setTools())
        needsSelection->setEnabled(false);

    connect(ActiveBar1, &ActiveBar::PreCustomizeMenu, this, &Principale::ActiveBar1_PreCustomizeMenu);
}

// Every command is one action: the menu entries the handlers name (ItmRename, ItmViewType, ...) are
// the tools themselves, and the list's menu is the Logo band that shows them.
void Principale::createMenus()
{
    MnuListLogo = ActiveBar1->band(QStringLiteral("LogoBand"));
    const std::pair<QAction**, const char*> entries[] = { { &ItmViewType[0], "ToolListView" },
        { &ItmViewType[1], "ToolReportView" }, { &ItmViewDefOrActual, "ToolShowCurrent" } };
    for (const auto& [entry, tool] : entries)
        *entry = ActiveBar1->Tools(QLatin1String(tool));

    Pictures = new PictureActions(this);
    Pictures->choosePreferences = [this] { ItmPref_Click(); };
    ItmOpenAct = Pictures->actions();
    QMenu* openWith = Pictures->menu();
    openWith->addSeparator()->setVisible(false);
    // Its mark is all it does, and the action flips that itself.
    ItmAnimate = openWith->addAction(QStringLiteral("Autoshow animation"));
    ItmAnimate->setObjectName(QStringLiteral("ItmAnimate"));
    ItmAnimate->setCheckable(true);
    ItmAnimate->setVisible(false);
}

void Principale::connectCommands()
{
    for (const Tool& tool : tools())
        if (tool.command)
            connect(ActiveBar1->Tools(tool.definition.name), &QAction::triggered, this,
                [this, command = tool.command] { attempt([&] { (this->*command)(); }); });
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

std::array<QAction*, 3> Principale::setTools() const
{
    return { ActiveBar1->Tools(QStringLiteral("ToolRename")), ActiveBar1->Tools(QStringLiteral("ToolDelete")),
        ActiveBar1->Tools(QStringLiteral("ToolSetDefault")) };
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
