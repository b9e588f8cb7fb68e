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
        { nullptr, { "MnuLogo", QT_TRANSLATE_NOOP("Principale", "&Logo"), {}, "Logo", {}, -1, false } },
        { nullptr, { "MnuOptions", QT_TRANSLATE_NOOP("Principale", "&Options"), {}, "Logo", {}, -1, false } },
        { nullptr, { "MnuHelp", QT_TRANSLATE_NOOP("Principale", "&Help"), {}, "Logo", {}, -1, false } },
        { &Principale::ItmExit_Click, { "MnuExit", QT_TRANSLATE_NOOP("Principale", "E&xit"), {}, "Logo", {}, -1, false } },
        { &Principale::ItmRename_Click, { "ToolRename", QT_TRANSLATE_NOOP("Principale", "Re&name"), QT_TRANSLATE_NOOP("Principale", "Rename selected logo set"), "Logo", "edit-rename", QStyle::SP_FileDialogDetailedView, false } },
        { &Principale::ItmDelete_Click, { "ToolDelete", QT_TRANSLATE_NOOP("Principale", "D&elete"), QT_TRANSLATE_NOOP("Principale", "Delete selected logo set"), "Logo", "edit-delete", QStyle::SP_TrashIcon, false } },
        { &Principale::ItmSetDefault_Click, { "ToolSetDefault", QT_TRANSLATE_NOOP("Principale", "Set as default"), QT_TRANSLATE_NOOP("Principale", "Set as default"), "Logo", "emblem-default", QStyle::SP_DialogApplyButton, false } },
        { &Principale::ItmLogoManager_Click, { "ToolBrowser", QT_TRANSLATE_NOOP("Principale", "Logo &browser..."), QT_TRANSLATE_NOOP("Principale", "Logo browser"), "Logo", "image-x-generic", QStyle::SP_FileDialogNewFolder, false } },
        { &Principale::ItmExplore_Click, { "ToolExplore", QT_TRANSLATE_NOOP("Principale", "E&xplore"), QT_TRANSLATE_NOOP("Principale", "Opens the folder in Explorer"), "Logo", "folder-open", QStyle::SP_DirOpenIcon, false } },
        { &Principale::itmRefresh_Click, { "ToolRefresh", QT_TRANSLATE_NOOP("Principale", "&Refresh"), QT_TRANSLATE_NOOP("Principale", "Refreshed the logo sets list"), "Logo", "view-refresh", QStyle::SP_BrowserReload, false } },
        { &Principale::ItmImportPack_Click, { "ToolImportPack", QT_TRANSLATE_NOOP("Principale", "Import logo &pack..."), QT_TRANSLATE_NOOP("Principale", "Import the logo sets of a ZIP pack"), "Logo", "document-import", -1, false } },
        { &Principale::ItmExportPack_Click, { "ToolExportPack", QT_TRANSLATE_NOOP("Principale", "Expor&t logo pack..."), QT_TRANSLATE_NOOP("Principale", "Save the selected logo set as a ZIP pack"), "Logo", "document-export", -1, false } },
        { nullptr, { "ToolListView", QT_TRANSLATE_NOOP("Principale", "View as l&ist"), {}, "Options", "view-list-text", QStyle::SP_FileDialogListView, true } },
        { nullptr, { "ToolReportView", QT_TRANSLATE_NOOP("Principale", "View as &report"), {}, "Options", "view-list-details", QStyle::SP_FileDialogDetailedView, true } },
        { nullptr, { "ToolShowCurrent", QT_TRANSLATE_NOOP("Principale", "Show current &logo setting"), QT_TRANSLATE_NOOP("Principale", "Show current logo setting"), "Options", "computer", QStyle::SP_ComputerIcon, true } },
        { &Principale::ItmRandomSpin_Click, { "ToolRandom", QT_TRANSLATE_NOOP("Principale", "Rando&m Change"), QT_TRANSLATE_NOOP("Principale", "Random change"), "Options", "media-playlist-shuffle", QStyle::SP_MediaSkipForward, false } },
        { &Principale::ItmPref_Click, { "ToolPrefer", QT_TRANSLATE_NOOP("Principale", "&Preferences..."), {}, "Options", "preferences-system", -1, false } },
        { &Principale::ItmOnline_Click, { "Online", QT_TRANSLATE_NOOP("Principale", "&Online check..."), {}, "Options", "network-workgroup", -1, false } },
        { &Principale::ItmContents_Click, { "ToolContents", QT_TRANSLATE_NOOP("Principale", "Contents"), QT_TRANSLATE_NOOP("Principale", "Contents"), "Logo", "help-contents", QStyle::SP_DialogHelpButton, false } },
        { &Principale::ItmTutorial_Click, { "ToolTutorial", QT_TRANSLATE_NOOP("Principale", "Tutorial"), {}, "Logo", {}, -1, false } },
        { &Principale::ItmAbout_Click, { "ToolAbout", QT_TRANSLATE_NOOP("Principale", "About..."), QT_TRANSLATE_NOOP("Principale", "About..."), "Logo", "help-about", QStyle::SP_MessageBoxInformation, false } },
        { nullptr, { "WhatIsThis", QT_TRANSLATE_NOOP("Principale", "What's this?"), {}, "Logo", {}, -1, false } },
    };
    // clang-format on
    return table;
}

// The table keeps the English texts, so each window made translates them anew.
ActiveBar::ToolDefinition translated(ActiveBar::ToolDefinition definition)
{
    definition.caption = Principale::tr(definition.caption.toUtf8().constData());
    if (!definition.toolTip.isEmpty())
        definition.toolTip = Principale::tr(definition.toolTip.toUtf8().constData());
    return definition;
}

} // namespace

void Principale::createBars()
{
    ActiveBar1 = new ActiveBar(this);
    ActiveBar1->setObjectName(QStringLiteral("ActiveBar1"));
    for (const Tool& tool : tools())
        ActiveBar1->addTool(translated(tool.definition));

    ActiveBar1->addDropDownBand("LogoBand", tr("Logo"), "MnuLogo",
        { "ToolRename", "ToolDelete", "ToolSetDefault", "ToolBrowser", "ToolExplore", "ToolRefresh",
            "ToolImportPack", "ToolExportPack" });
    ActiveBar1->addDropDownBand("OptionsBand", tr("Options"), "MnuOptions",
        { "ToolListView", "ToolReportView", "ToolShowCurrent", "ToolRandom", "ToolPrefer", "Online" });
    ActiveBar1->addDropDownBand(
        "HelpBand", tr("Help"), "MnuHelp", { "ToolContents", "ToolTutorial", "ToolAbout" });
    ActiveBar1->addMenuBarBand("MainMenu", { "MnuLogo", "MnuOptions", "MnuHelp", "MnuExit" });
    ActiveBar1->addToolBarBand("BarMain", tr("Main"),
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
    ItmAnimate = openWith->addAction(tr("Autoshow animation"));
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
