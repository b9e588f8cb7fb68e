#include "installfixture.h"

#include "library/activebar.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QLabel>

class CurrentView : public InstallTest
{
protected:
    void toggle()
    {
        QAction* tool = window->ActiveBar1->Tools(QStringLiteral("ToolShowCurrent"));
        tool->setChecked(!tool->isChecked());
        window->ItmViewDefOrActual_Click();
    }
    bool toolEnabled(const char* name) const
    {
        return window->ActiveBar1->Tools(QLatin1String(name))->isEnabled();
    }
};

TEST_F(CurrentView, ShowsTheInstalledScreensAndLocksTheListAndSetCommands)
{
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), screenBytes(1));
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOS.SYS"), screenBytes(2)); // and no C:\LOGO.SYS
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    select(QStringLiteral("Ocean"));
    window->ActiveBar1->Tools(QStringLiteral("ToolSetDefault"))->setEnabled(true);

    toggle();

    EXPECT_FALSE(window->Imag[0]->hasPicture());
    EXPECT_TRUE(window->Imag[1]->hasPicture());
    EXPECT_TRUE(window->Imag[2]->hasPicture());
    // A click on a preview acts on the installed file.
    EXPECT_EQ(window->Imag[0]->tag(), QStringLiteral("C:\\LOGO.SYS"));
    EXPECT_EQ(window->Imag[2]->tag(), QStringLiteral("C:\\WINDOWS\\LOGOS.SYS"));
    EXPECT_FALSE(window->MyList->isEnabled());
    for (const char* tool : { "MnuLogo", "ToolRandom", "ToolRename", "ToolDelete", "ToolSetDefault" })
        EXPECT_FALSE(toolEnabled(tool)) << tool;
    EXPECT_EQ(window->DefaultLogo->text(), QStringLiteral("Current logo setting"));
    EXPECT_EQ(window->DefaultLogo->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(window->DefaultLogo->toolTip(), QStringLiteral("Showing current logo setting"));
    EXPECT_TRUE(window->LogoType->isHidden());
}

TEST_F(CurrentView, SwitchingBackRestoresCaptionSelectionAndToolStates)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    select(QStringLiteral("Sunrise"));
    window->ActiveBar1->Tools(QStringLiteral("ToolSetDefault"))->setEnabled(true);
    ASSERT_EQ(window->DefaultLogo->text(), DontKnow);

    toggle();
    toggle();

    EXPECT_EQ(window->DefaultLogo->text(), DontKnow);
    EXPECT_EQ(window->DefaultLogo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window->DefaultLogo->toolTip(), QStringLiteral("Default logo set"));
    EXPECT_EQ(selectedName(), QStringLiteral("Sunrise"));
    EXPECT_TRUE(window->MyList->isEnabled());
    EXPECT_TRUE(toolEnabled("MnuLogo"));
    EXPECT_TRUE(toolEnabled("ToolRandom"));
    EXPECT_TRUE(toolEnabled("ToolSetDefault"));
    EXPECT_FALSE(window->LogoType->isHidden());
}
