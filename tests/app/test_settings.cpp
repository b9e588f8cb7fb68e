#include "fakesettingsview.h"
#include "support/freshsettings.h"
#include "support/testmachine.h"

#include "app/registrylayer.h"
#include "app/settings.h"
#include "app/settingsstore.h"

#include <gtest/gtest.h>

using platform::HKEY_LOCAL_MACHINE;
using platform::REG_SZ;

namespace
{

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { startWithFreshSettings(); }
    void store(const QString& name, const QString& value)
    {
        CreateRegKey(HKEY_LOCAL_MACHINE, SettingsKey);
        WriteRegValue(HKEY_LOCAL_MACHINE, SettingsKey, name, value, REG_SZ);
    }
    QString stored(const QString& name)
    {
        // Text values come back with their terminating NUL, as the system gives them.
        return ReadRegValue(HKEY_LOCAL_MACHINE, SettingsKey, name).toString().section(QChar(u'\0'), 0, 0);
    }
    void restart()
    {
        startWithFreshSettings();
        view = FakeSettingsView {};
        LoadSettings(view);
    }

    TestMachine machine;
    FakeSettingsView view;
};

} // namespace

TEST_F(SettingsTest, FirstRunTakesEveryDefault)
{
    LoadSettings(view);
    const Settings& s = settings();
    EXPECT_EQ(s.LogoPath, s.AppPath);
    EXPECT_EQ(s.DefaultLogoSet, QString());
    EXPECT_EQ(s.StartUpDrive, QStringLiteral("C:\\"));
    EXPECT_EQ(s.DefaultAction, 0);
    EXPECT_EQ(view.viewIndex, 0);
    EXPECT_EQ(view.customCaption, QStringLiteral("Custom Program"));
    EXPECT_EQ(s.ConfirmLogosetDelete, 1);
    EXPECT_EQ(s.ConfirmLogoTypeChange, 1);
    EXPECT_EQ(s.DeleteInRecycleBin, 1);
    EXPECT_EQ(s.SynchronizeLogos, 0);
    EXPECT_EQ(s.ActionOnDoubleClick, 0);
}

TEST_F(SettingsTest, FirstSaveCreatesTheKeyWithTheDefaults)
{
    LoadSettings(view);
    settings().ShowSplashScreen = 1;
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("LogoPath")), QStringLiteral("C:\\Program Files\\Bootcanvas\\"));
    EXPECT_EQ(stored(QStringLiteral("StartUpDrive")), QStringLiteral("C"));
    EXPECT_EQ(stored(QStringLiteral("View")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("DefaultLogoSet")), QString());
    EXPECT_EQ(stored(QStringLiteral("ConfirmLogosetDelete")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("ShowSplashScreen")), QStringLiteral("1"));
}

TEST_F(SettingsTest, StoredValuesAreLimitedAndKept)
{
    store(QStringLiteral("StartUpDrive"), QStringLiteral("D"));
    store(QStringLiteral("DefaultAction"), QStringLiteral("7"));
    store(QStringLiteral("View"), QStringLiteral("5"));
    store(QStringLiteral("ConfirmLogosetDelete"), QStringLiteral("0"));
    store(QStringLiteral("CustomProgName"), QStringLiteral("GIMP"));
    LoadSettings(view);
    EXPECT_EQ(settings().StartUpDrive, QStringLiteral("D:\\"));
    EXPECT_EQ(settings().DefaultAction, 0);
    EXPECT_EQ(view.viewIndex, 0);
    EXPECT_EQ(settings().ConfirmLogosetDelete, 0);
    EXPECT_EQ(view.customCaption, QStringLiteral("GIMP"));

    SaveSettings(view);
    restart();
    EXPECT_EQ(stored(QStringLiteral("StartUpDrive")), QStringLiteral("D"));
    EXPECT_EQ(settings().StartUpDrive, QStringLiteral("D:\\"));
    EXPECT_EQ(settings().ConfirmLogosetDelete, 0);
}

TEST_F(SettingsTest, ReportViewSurvivesARestart)
{
    LoadSettings(view);
    view.ItmViewType_Click(1);
    SaveSettings(view);
    restart();
    EXPECT_EQ(view.viewIndex, 1);
}

TEST_F(SettingsTest, LogoPathGainsItsBackslashOrFallsBackToTheProgramFolder)
{
    machine.makeFolder(QStringLiteral("C:\\My Logos"));
    store(QStringLiteral("LogoPath"), QStringLiteral("C:\\My Logos"));
    LoadSettings(view);
    EXPECT_EQ(settings().LogoPath, QStringLiteral("C:\\My Logos\\"));
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("LogoPath")), QStringLiteral("C:\\My Logos\\"));

    store(QStringLiteral("LogoPath"), QStringLiteral("C:\\Gone"));
    restart();
    EXPECT_EQ(settings().LogoPath, settings().AppPath);
}

TEST_F(SettingsTest, UnknownInstalledSetIsSavedAsEmptyText)
{
    store(QStringLiteral("DefaultLogoSet"), QStringLiteral("Beach"));
    LoadSettings(view);
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Beach"));
    view.defaultCaption = QStringLiteral("<Don't know>");
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("DefaultLogoSet")), QString());
    view.defaultCaption = QStringLiteral("Sunrise");
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("DefaultLogoSet")), QStringLiteral("Sunrise"));
}

TEST_F(SettingsTest, ValuesThatAreNotNumbersLeaveTheirDefaults)
{
    store(QStringLiteral("DefaultAction"), QStringLiteral("99999"));
    store(QStringLiteral("DeleteInTheRecycleBin"), QStringLiteral("0"));
    store(QStringLiteral("ActionOnDoubleClick"), QStringLiteral("1"));
    LoadSettings(view);
    EXPECT_EQ(settings().DefaultAction, 0);
    EXPECT_EQ(settings().DeleteInRecycleBin, 0);
    EXPECT_EQ(settings().ActionOnDoubleClick, 1);
}

TEST_F(SettingsTest, AnimationChoicesStartOffAndSurviveARestart)
{
    LoadSettings(view);
    EXPECT_FALSE(view.animationShown);
    EXPECT_EQ(settings().AnimatedBar, 0);
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("AutoshowAnimation")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("AnimatedBar")), QStringLiteral("0"));

    view.animationShown = true;
    settings().AnimatedBar = 1;
    SaveSettings(view);
    EXPECT_EQ(stored(QStringLiteral("AutoshowAnimation")), QStringLiteral("1"));
    restart();
    EXPECT_TRUE(view.animationShown);
    EXPECT_EQ(settings().AnimatedBar, 1);
}
