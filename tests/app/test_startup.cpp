#include "support/testmachine.h"

#include "app/defaultmachine.h"
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
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"2", 2}, {"", 1}, {"1", 1}, {"99999", 0}};
    for (const auto& [stored, expected] : cases) {
        WriteRegValue(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("ShowSplashScreen"), QString::fromLatin1(stored), REG_SZ);
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

namespace {

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
    for (const char* screen : {"drive_c/LOGO.SYS", "drive_c/WINDOWS/LOGOW.SYS", "drive_c/WINDOWS/LOGOS.SYS",
                               "drive_c/Program Files/Bootcanvas/LOGOW.SYS", "drive_c/Program Files/Bootcanvas/Sunrise/LOGOS.SYS",
                               "drive_c/Program Files/Bootcanvas/Meadow.sls/LOGO.SYS"})
        EXPECT_TRUE(isLogoScreen(root.filePath(QString::fromLatin1(screen)))) << screen;

    platform::setCurrentMachine(machine);
    EXPECT_EQ(platform::GetPrivateProfileInt(QStringLiteral("Options"), QStringLiteral("Logo"), 0, QStringLiteral("C:\\msdos.sys")), 1);
    QFile msdos(root.filePath(QStringLiteral("drive_c/MSDOS.SYS")));
    ASSERT_TRUE(msdos.open(QIODevice::ReadOnly));
    EXPECT_GT(msdos.size(), 1024); // Windows wants the file bigger than 1 KB
    EXPECT_EQ(GetStartupFolder(), QStringLiteral("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\"));
    EXPECT_TRUE(exists(GetStartupFolder(), 16));
}
