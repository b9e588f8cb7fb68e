#include "installfixture.h"

#include "platform/files.h"

#include <QDir>
#include <QLabel>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

using namespace platform;

namespace
{

const QString Logo = QStringLiteral("C:\\LOGO.SYS");
const QString LogoW = QStringLiteral("C:\\WINDOWS\\LOGOW.SYS");
const QString LogoS = QStringLiteral("C:\\WINDOWS\\LOGOS.SYS");

// A small tmpfs over a folder for the length of a test.
struct SmallFileSystem {
    SmallFileSystem(const QString& folder, const char* options)
        : path(folder.toLocal8Bit())
    {
        mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, options) == 0;
        error = mounted ? "" : std::strerror(errno);
    }
    ~SmallFileSystem()
    {
        if (mounted)
            ::umount2(path.constData(), MNT_DETACH);
    }
    QByteArray path;
    bool mounted;
    const char* error;
};

} // namespace

class SetDefault : public InstallTest
{
protected:
    void installOldScreens()
    {
        machine.writeFile(Logo, "old startup");
        machine.writeFile(LogoW, "old wait");
        machine.writeFile(LogoS, "old shutdown");
    }
};

TEST_F(SetDefault, MultiLogoSetReplacesProtectedScreensAndBecomesTheInstalledSet)
{
    installOldScreens();
    SetAttr(Logo, vbReadOnly | vbHidden | vbSystem);
    SetAttr(LogoW, vbReadOnly);
    SetAttr(LogoS, vbHidden | vbSystem);
    addSet(QStringLiteral("Ocean"), AllScreens, 10);

    install(QStringLiteral("Ocean"));

    EXPECT_EQ(machine.readFile(Logo), screenBytes(10));
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(11));
    EXPECT_EQ(machine.readFile(LogoS), screenBytes(12));
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Ocean"));
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), QStringLiteral("Ocean"));
}

TEST_F(SetDefault, SingleLogoSetUsesTheLogoFoldersScreensAndMissingOnesVanish)
{
    installOldScreens();
    addSet(QStringLiteral("Meadow.SLS"), { QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") }, 20);
    machine.writeFile(Program + QStringLiteral("LOGOW.SYS"), screenBytes(30)); // and no default LOGOS.SYS

    install(QStringLiteral("Meadow.SLS"));

    EXPECT_FALSE(machine.exists(Logo));
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(30));
    EXPECT_FALSE(machine.exists(LogoS));
}

TEST_F(SetDefault, WithoutASelectedRowNothingIsTouched)
{
    installOldScreens();
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    window->ItmSetDefault_Click();
    EXPECT_EQ(machine.readFile(Logo), QByteArray("old startup"));
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
}

TEST_F(SetDefault, AFullDiskRefusesTheWholeSetAndKeepsTheOldScreens)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting the small file system this test fills needs root";
    machine.addDrive(QLatin1Char('D'));
    SmallFileSystem disk(machine.host(QStringLiteral("D:\\")), "size=256k");
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small tmpfs: " << disk.error;
    settings().StartUpDrive = QStringLiteral("D:\\");
    machine.writeFile(QStringLiteral("D:\\LOGO.SYS"), screenBytes(1));
    machine.writeFile(QStringLiteral("D:\\filler"), QByteArray(90 * 1024, 'x')); // no room for another screen
    addSet(QStringLiteral("Ocean"), AllScreens, 10);

    install(QStringLiteral("Ocean"));

    EXPECT_EQ(machine.readFile(QStringLiteral("D:\\LOGO.SYS")), screenBytes(1));
    QStringList left = QDir(machine.host(QStringLiteral("D:\\"))).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, QStringList({ QStringLiteral("LOGO.SYS"), QStringLiteral("filler") }));
    EXPECT_FALSE(fileExists(LogoW)); // no screen of the set went in
    EXPECT_NE(settings().DefaultLogoSet, QStringLiteral("Ocean"));
}
