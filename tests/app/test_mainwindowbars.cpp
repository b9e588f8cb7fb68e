#include "support/child.h"
#include "support/freshsettings.h"
#include "support/testmachine.h"

#include "app/registrylayer.h"
#include "app/settings.h"
#include "library/activebar.h"
#include "library/principale.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

using platform::HKEY_LOCAL_MACHINE;

namespace
{

class MainWindowBars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startWithFreshSettings();
        window.Form_Load();
    }
    QAction* tool(const char* name)
    {
        return child<ActiveBar>(window, "ActiveBar1")->Tools(QString::fromLatin1(name));
    }

    TestMachine machine;
    Principale window;
};

} // namespace

TEST_F(MainWindowBars, BandsShareTheirTools)
{
    QMenu* logoBand = child<ActiveBar>(window, "ActiveBar1")->band(QStringLiteral("LogoBand"));
    ASSERT_NE(logoBand, nullptr);
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("BarMain"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(logoBand->actions().contains(tool("ToolDelete")));
    EXPECT_TRUE(toolBar->actions().contains(tool("ToolDelete")));
    EXPECT_EQ(tool("MnuLogo")->menu(), logoBand);
    QStringList menuBar;
    for (QAction* entry : window.menuBar()->actions())
        menuBar << entry->objectName();
    EXPECT_EQ(menuBar, (QStringList { "MnuLogo", "MnuOptions", "MnuHelp", "MnuExit" }));
    EXPECT_EQ(child<ActiveBar>(window, "ActiveBar1")->Tools(QStringLiteral("NoSuchTool")), nullptr);
}

TEST_F(MainWindowBars, ViewToolsMoveTheMarksAndTheSavedView)
{
    tool("ToolReportView")->trigger();
    EXPECT_TRUE(tool("ToolReportView")->isChecked());
    EXPECT_FALSE(tool("ToolListView")->isChecked());
    EXPECT_TRUE(child<QAction>(window, "ToolReportView")->isChecked());
    EXPECT_FALSE(window.isListViewChecked());

    tool("ToolListView")->trigger();
    EXPECT_TRUE(tool("ToolListView")->isChecked());
    EXPECT_FALSE(tool("ToolReportView")->isChecked());
    EXPECT_TRUE(window.isListViewChecked());
}

TEST_F(MainWindowBars, ShowCurrentToolIsInvertedOncePerClick)
{
    tool("ToolShowCurrent")->trigger();
    EXPECT_TRUE(tool("ToolShowCurrent")->isChecked());
    tool("ToolShowCurrent")->trigger();
    EXPECT_FALSE(tool("ToolShowCurrent")->isChecked());
}

TEST_F(MainWindowBars, CustomisationMenuNeverOpens)
{
    bool cancel = false;
    Q_EMIT child<ActiveBar>(window, "ActiveBar1")->PreCustomizeMenu(cancel);
    EXPECT_TRUE(cancel);
}

TEST_F(MainWindowBars, ClosingTheWindowSavesTheSettings)
{
    tool("ToolReportView")->trigger();
    window.close();
    EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("View")).toString().left(1),
        QStringLiteral("1"));
    EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("LogoPath"))
                  .toString()
                  .section(QChar(u'\0'), 0, 0),
        settings().AppPath);
}

TEST_F(MainWindowBars, RestoredReportViewCarriesItsMarkInTheBars)
{
    tool("ToolReportView")->trigger();
    window.close();
    Principale restarted;
    restarted.Form_Load();
    EXPECT_FALSE(restarted.isListViewChecked());
    EXPECT_TRUE(
        child<ActiveBar>(restarted, "ActiveBar1")->Tools(QStringLiteral("ToolReportView"))->isChecked());
    EXPECT_FALSE(
        child<ActiveBar>(restarted, "ActiveBar1")->Tools(QStringLiteral("ToolListView"))->isChecked());
}
