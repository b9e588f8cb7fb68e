#include "installfixture.h"

#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "install/companionregistration.h"
#include "install/installedset.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace
{

const QString Msdos = QStringLiteral("C:\\MSDOS.SYS");
const QString IniFile = Program + QStringLiteral("Tandemist.ini");
const QByteArray MsdosText
    = "[Paths]\r\nWinDir=C:\\WINDOWS\r\n\r\n[Options]\r\nBootGUI=1\r\nLogo=1\r\n;\r\n;padding\r\n";

QString registryText(const QString& key, const QString& name)
{
    return CutAtNull(ReadRegValue(platform::HKEY_LOCAL_MACHINE, key, name).toString());
}

QString iniPath()
{
    return platform::GetPrivateProfileString(
        QStringLiteral("Settings"), QStringLiteral("Path"), QString(), IniFile);
}

} // namespace

class ExitSequence : public InstallTest
{
};

TEST_F(ExitSequence, LogoOptionIsWrittenAsBlankAndDigitOnlyWhenChanged)
{
    for (const int option : { 0, 1 }) {
        machine.writeFile(Msdos, MsdosText);
        platform::SetAttr(Msdos, platform::vbReadOnly | platform::vbHidden | platform::vbSystem);
        newWindow();
        window->markLogoOptionChanged();
        settings().LogoOption = static_cast<qint16>(option);
        window->Form_Unload();
        EXPECT_EQ(machine.readFile(Msdos),
            QByteArray(MsdosText).replace("Logo=1", "Logo= " + QByteArray::number(option)));
        EXPECT_EQ(platform::GetAttr(Msdos) & (platform::vbReadOnly | platform::vbHidden), 0);
    }
    newWindow();
    window->Form_Unload(); // unchanged: the file is only marked read-only again
    EXPECT_EQ(machine.readFile(Msdos), QByteArray(MsdosText).replace("Logo=1", "Logo= 1"));
    EXPECT_EQ(platform::GetAttr(Msdos), int(platform::vbReadOnly));

    QFile::remove(machine.host(Msdos));
    newWindow();
    window->markLogoOptionChanged();
    window->Form_Unload();
    EXPECT_FALSE(machine.exists(Msdos)); // a boot file made from nothing would not boot
}

TEST_F(ExitSequence, PendingCopyRegistersTheCompanionUntilALaterInstallationCopiesAll)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Meadow.sls"), { QStringLiteral("LOGO.SYS") }, 20);
    settings().SynchronizeLogos = 1;
    install(QStringLiteral("Ocean"));
    window->Form_Unload();
    EXPECT_EQ(
        registryText(RunKey, QStringLiteral("Tandemist")), Program + QStringLiteral("tandemist.exe /auto"));
    EXPECT_EQ(iniPath(), Program + QStringLiteral("Ocean"));
    EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), QStringLiteral("Ocean"));

    newWindow();
    addSet(QStringLiteral("Meadow.sls"), {}, 0);
    install(QStringLiteral("Meadow.sls"));
    window->Form_Unload();
    EXPECT_EQ(iniPath(), Program); // a single-logo set's screens come from the logo folder

    newWindow();
    addSet(QStringLiteral("Ocean"), {}, 0);
    install(QStringLiteral("Ocean"));
    settings().SynchronizeLogos = 0;
    install(QStringLiteral("Ocean"));
    window->Form_Unload();
    EXPECT_FALSE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());
    EXPECT_FALSE(machine.exists(IniFile));
}

TEST_F(ExitSequence, ClosingInTheCurrentSettingViewKeepsTheInstalledSet)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    settings().SynchronizeLogos = 1;
    install(QStringLiteral("Ocean"));
    toggleCurrentView();
    ASSERT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), QStringLiteral("Current logo setting"));

    window->Form_Unload();

    EXPECT_EQ(iniPath(), Program + QStringLiteral("Ocean"));
    EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), QStringLiteral("Ocean"));
}

TEST_F(ExitSequence, ARunWithoutInstallationKeepsThePendingCopy)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    settings().SynchronizeLogos = 1;
    install(QStringLiteral("Ocean"));
    window->Form_Unload();

    newWindow(); // opened and closed again before Windows has started
    window->Form_Unload();

    EXPECT_EQ(
        registryText(RunKey, QStringLiteral("Tandemist")), Program + QStringLiteral("tandemist.exe /auto"));
    EXPECT_EQ(iniPath(), Program + QStringLiteral("Ocean"));
    EXPECT_TRUE(systemHoldsSet(QStringLiteral("Ocean")));
}

TEST_F(ExitSequence, APendingCopyBelongsToItsMachineNotToTheSharedProgramFolder)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Meadow"), AllScreens, 20);
    settings().SynchronizeLogos = 1;
    install(QStringLiteral("Ocean"));
    window->Form_Unload();
    const platform::Machine own = platform::currentMachine();

    // A second machine whose program folder is the same host folder, as every disk image's is.
    QTemporaryDir other;
    platform::setCurrentMachine(platform::Machine::fromIniText(other.path(),
        "[Drives]\nC=" + QFile::encodeName(machine.host(QStringLiteral("C:\\")))
            + ",fixed\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\nProgram=C:\\Program "
              "Files\\Bootcanvas\n"));
    EXPECT_TRUE(pendingCopyFolder().isEmpty());
    newWindow();
    settings().SynchronizeLogos = 0;
    install(QStringLiteral("Meadow"));
    window->Form_Unload();

    platform::setCurrentMachine(own);
    EXPECT_EQ(pendingCopyFolder(), Program + QStringLiteral("Ocean"));
}

TEST_F(ExitSequence, WindowSizeIsTheUsersAndComesBackAtTheNextStart)
{
    window->show();
    window->resize(900, 700);
    window->Form_Unload();
    newWindow();
    window->Form_Load();
    EXPECT_EQ(window->size(), QSize(900, 700));
}
