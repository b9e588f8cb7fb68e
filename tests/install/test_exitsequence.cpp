#include "installfixture.h"

#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "library/activebar.h"
#include "platform/files.h"
#include "platform/profile.h"

#include <QAction>
#include <QLabel>

namespace
{

const QString RunKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString IniFile = QStringLiteral("C:\\Program Files\\Bootcanvas\\Tandemist.ini");

const QByteArray MsdosSys
    = "[Paths]\r\nWinDir=C:\\WINDOWS\r\n\r\n[Options]\r\nBootGUI=1\r\nLogo=1\r\n;\r\n"
      ";padding so that the file is big enough\r\n;xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\r\n";

QString registryText(const QString& key, const QString& name)
{
    return CutAtNull(ReadRegValue(platform::HKEY_LOCAL_MACHINE, key, name).toString());
}

QString runValue()
{
    return registryText(RunKey, QStringLiteral("Tandemist"));
}

QString iniPath()
{
    return platform::GetPrivateProfileString(
        QStringLiteral("Settings"), QStringLiteral("Path"), QString(), IniFile);
}

} // namespace

class ExitSequence : public InstallTest
{
protected:
    void installWithSync(const QString& name)
    {
        settings().SynchronizeLogos = 1;
        select(name);
        window->ItmSetDefault_Click();
    }
};

TEST_F(ExitSequence, ChangedLogoOptionIsWrittenAsBlankAndDigitKeepingEveryOtherByte)
{
    for (const int option : { 0, 1 }) {
        machine.writeFile(QStringLiteral("C:\\MSDOS.SYS"), MsdosSys);
        platform::SetAttr(
            QStringLiteral("C:\\MSDOS.SYS"), platform::vbReadOnly | platform::vbHidden | platform::vbSystem);
        window.reset();
        window = std::make_unique<Principale>();
        window->MsdosPath = QStringLiteral("C:\\msdos.sys");
        window->logochanged = true;
        settings().LogoOption = static_cast<qint16>(option);

        window->Form_Unload();

        QByteArray expected = MsdosSys;
        expected.replace("Logo=1", "Logo= " + QByteArray::number(option));
        EXPECT_EQ(machine.readFile(QStringLiteral("C:\\MSDOS.SYS")), expected);
        EXPECT_EQ(
            platform::GetAttr(QStringLiteral("C:\\MSDOS.SYS")) & (platform::vbReadOnly | platform::vbHidden),
            0);
    }
}

TEST_F(ExitSequence, UnchangedLogoOptionOnlyMarksTheFileReadOnly)
{
    machine.writeFile(QStringLiteral("C:\\MSDOS.SYS"), MsdosSys);

    window->Form_Unload();

    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\MSDOS.SYS")), MsdosSys);
    EXPECT_EQ(platform::GetAttr(QStringLiteral("C:\\MSDOS.SYS")), int(platform::vbReadOnly));
}

TEST_F(ExitSequence, AMissingBootConfigurationIsNotCreated)
{
    window->logochanged = true;
    window->Form_Unload();
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\MSDOS.SYS")));
}

TEST_F(ExitSequence, PendingCopyRegistersTheCompanionWithTheSetFolder)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    installWithSync(QStringLiteral("Ocean"));

    window->Form_Unload();

    EXPECT_EQ(runValue(), QStringLiteral("C:\\Program Files\\Bootcanvas\\tandemist.exe /auto"));
    EXPECT_EQ(iniPath(), QStringLiteral("C:\\Program Files\\Bootcanvas\\Ocean"));
    EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), QStringLiteral("Ocean"));
}

TEST_F(ExitSequence, PendingCopyOfASingleLogoSetNamesTheLogoFolder)
{
    addSet(QStringLiteral("Meadow.sls"), { QStringLiteral("LOGO.SYS") }, 10);
    installWithSync(QStringLiteral("Meadow.sls"));

    window->Form_Unload();

    EXPECT_EQ(iniPath(), QStringLiteral("C:\\Program Files\\Bootcanvas\\"));
}

TEST_F(ExitSequence, ALaterInstallationWithoutSynchronisingRemovesTheRegistration)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    // Left behind by an earlier run.
    machine.writeFile(IniFile, "[Settings]\r\nPath=C:\\Somewhere\r\n");
    CreateRegKey(platform::HKEY_LOCAL_MACHINE, RunKey);
    WriteRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist"), QStringLiteral("x"),
        platform::REG_SZ);
    installWithSync(QStringLiteral("Ocean"));
    settings().SynchronizeLogos = 0;
    window->ItmSetDefault_Click();

    window->Form_Unload();

    EXPECT_FALSE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());
    EXPECT_FALSE(machine.exists(IniFile));
}

TEST_F(ExitSequence, ClosingInTheCurrentSettingViewKeepsTheInstalledSet)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    installWithSync(QStringLiteral("Ocean"));
    QAction* showCurrent = window->ActiveBar1->Tools(QStringLiteral("ToolShowCurrent"));
    showCurrent->setChecked(true);
    window->ItmViewDefOrActual_Click();
    ASSERT_EQ(window->DefaultLogo->text(), QStringLiteral("Current logo setting"));

    window->Form_Unload();

    EXPECT_EQ(iniPath(), QStringLiteral("C:\\Program Files\\Bootcanvas\\Ocean"));
    EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), QStringLiteral("Ocean"));
}
