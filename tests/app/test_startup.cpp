#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include "app/defaultmachine.h"
#include "app/machinesetup.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/systemfolders.h"

#include "platform/machine.h"
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::HKEY_LOCAL_MACHINE;
using platform::REG_SZ;

TEST(Startup, SplashIsShownOnlyForOneOrNoSetting)
{
    TestMachine machine;
    EXPECT_EQ(readShowSplashScreen(), 1);
    CreateRegKey(HKEY_LOCAL_MACHINE, SettingsKey);
    const std::pair<const char*, int> cases[]
        = { { "0", 0 }, { "2", 2 }, { "", 1 }, { "1", 1 }, { "99999", 0 } };
    for (const auto& [stored, expected] : cases) {
        WriteRegValue(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("ShowSplashScreen"),
            QString::fromLatin1(stored), REG_SZ);
        EXPECT_EQ(readShowSplashScreen(), expected) << stored;
    }
}

TEST(Startup, SplashStaysForWhatIsLeftOfItsMinimumTime)
{
    EXPECT_EQ(remainingSplashMillis(0), 700);
    EXPECT_EQ(remainingSplashMillis(200), 500);
    EXPECT_EQ(remainingSplashMillis(700), 0);
    EXPECT_EQ(remainingSplashMillis(5000), 0);
}

namespace
{

bool isLogoScreen(const QString& hostPath)
{
    QImageReader reader(hostPath, "BMP");
    const QImage image = reader.read();
    return image.width() == 320 && image.height() == 400 && image.format() == QImage::Format_Indexed8;
}

} // namespace

TEST(DefaultMachine, IsACompleteWindowsInstallationWithSampleSets)
{
    QTemporaryDir folder;
    createDefaultMachine(folder.path());
    const platform::Machine machine = platform::Machine::open(folder.path());
    EXPECT_EQ(machine.windowsFolder(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_TRUE(machine.drive(QLatin1Char('Z')).has_value());

    QDir root(folder.path());
    for (const char* screen : { "drive_c/LOGO.SYS", "drive_c/WINDOWS/LOGOW.SYS", "drive_c/WINDOWS/LOGOS.SYS",
             "drive_c/Program Files/Bootcanvas/LOGOW.SYS",
             "drive_c/Program Files/Bootcanvas/Sunrise/LOGOS.SYS",
             "drive_c/Program Files/Bootcanvas/Meadow.sls/LOGO.SYS" })
        EXPECT_TRUE(isLogoScreen(root.filePath(QString::fromLatin1(screen)))) << screen;

    platform::setCurrentMachine(machine);
    EXPECT_EQ(platform::GetPrivateProfileInt(
                  QStringLiteral("Options"), QStringLiteral("Logo"), 0, QStringLiteral("C:\\msdos.sys")),
        1);
    QFile msdos(root.filePath(QStringLiteral("drive_c/MSDOS.SYS")));
    ASSERT_TRUE(msdos.open(QIODevice::ReadOnly));
    EXPECT_GT(msdos.size(), 1024); // Windows wants the file bigger than 1 KB
    EXPECT_EQ(GetStartupFolder(), QStringLiteral("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\"));
    EXPECT_TRUE(exists(GetStartupFolder(), 16));
}

TEST(Startup, DamagedMachineIsExplainedOnceAndLeftAsItWas)
{
    QTemporaryDir folder;
    const QByteArray damaged = "[Drives]\nC=drive_c,floppy-of-doom\n";
    QFile ini(QDir(folder.path()).filePath(QStringLiteral("machine.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(damaged);
    ini.close();
    const QByteArray previous = qgetenv("BOOTCANVAS_MACHINE");
    qputenv("BOOTCANVAS_MACHINE", folder.path().toLocal8Bit());
    ScriptedMsgBox msgbox;
    EXPECT_FALSE(openMachineInUse());
    qputenv("BOOTCANVAS_MACHINE", previous);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_TRUE(msgbox.shown[0].prompt.contains(QStringLiteral("machine.ini")))
        << msgbox.shown[0].prompt.toStdString();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), damaged);
}

TEST(Startup, FileExistsTellsEmptyFromMissing)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS"), "x");
    EXPECT_EQ(FileExists(QString(), 16), std::nullopt);
    EXPECT_EQ(FileExists(QStringLiteral("c:\\logos\\beach"), 16), true);
    EXPECT_EQ(FileExists(QStringLiteral("C:\\Logos\\Beach\\"), 16), true);
    EXPECT_EQ(FileExists(QStringLiteral("C:\\Logos\\Beach\\logo.sys"), 0), true);
    EXPECT_EQ(FileExists(QStringLiteral("C:\\Logos\\Gone"), 16), false);
    EXPECT_EQ(FileExists(QStringLiteral("Q:\\Logos"), 16), false); // a drive the machine lacks
}
