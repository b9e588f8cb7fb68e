#include "installfixture.h"

#include "windows/picturebox.h"

#include <QLabel>

class CurrentView : public InstallTest
{
protected:
    bool enabled(const char* tool) const { return bar()->Tools(QLatin1String(tool))->isEnabled(); }
};

TEST_F(CurrentView, ShowsTheInstalledScreensLockedAndSwitchesBackExactly)
{
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), screenBytes(1));
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOS.SYS"), screenBytes(2)); // and no C:\LOGO.SYS
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    select(QStringLiteral("Sunrise"));
    bar()->Tools(QStringLiteral("ToolSetDefault"))->setEnabled(true);

    toggleCurrentView();

    EXPECT_FALSE(child<PictureBox>(*window, "Imag0")->hasPicture());
    EXPECT_TRUE(child<PictureBox>(*window, "Imag1")->hasPicture()
        && child<PictureBox>(*window, "Imag2")->hasPicture());
    EXPECT_EQ(child<PictureBox>(*window, "Imag0")->tag(),
        QStringLiteral("C:\\LOGO.SYS")); // a click opens the installed file
    EXPECT_EQ(child<PictureBox>(*window, "Imag2")->tag(), QStringLiteral("C:\\WINDOWS\\LOGOS.SYS"));
    EXPECT_FALSE(list()->isEnabled());
    for (const char* tool : { "MnuLogo", "ToolRandom", "ToolRename", "ToolDelete", "ToolSetDefault" })
        EXPECT_FALSE(enabled(tool)) << tool;
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), QStringLiteral("Current logo setting"));
    EXPECT_EQ(
        child<QLabel>(*window, "DefaultLogo")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_TRUE(child<QLabel>(*window, "LogoType")->isHidden());

    toggleCurrentView();

    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), DontKnow);
    EXPECT_EQ(
        child<QLabel>(*window, "DefaultLogo")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->toolTip(), QStringLiteral("Default logo set"));
    EXPECT_EQ(selectedName(), QStringLiteral("Sunrise"));
    EXPECT_TRUE(list()->isEnabled());
    for (const char* tool : { "MnuLogo", "ToolRandom", "ToolSetDefault" })
        EXPECT_TRUE(enabled(tool)) << tool;
    EXPECT_FALSE(child<QLabel>(*window, "LogoType")->isHidden());
}
