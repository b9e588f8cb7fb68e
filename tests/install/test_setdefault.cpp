#include "installfixture.h"

#include "platform/files.h"

#include <QDir>
#include <QLabel>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

using platform::GetAttr;
using platform::SetAttr;

namespace
{

const QString Logo = QStringLiteral("C:\\LOGO.SYS");
const QString LogoW = QStringLiteral("C:\\WINDOWS\\LOGOW.SYS");
const QString LogoS = QStringLiteral("C:\\WINDOWS\\LOGOS.SYS");

// A small tmpfs over a folder for the length of a test; unmounted however the test ends.
class SmallFileSystem
{
public:
    SmallFileSystem(const QString& folder, const char* options)
        : m_folder(folder.toLocal8Bit())
    {
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0)
            m_mounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_error;
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
    SetAttr(Logo, platform::vbReadOnly | platform::vbHidden | platform::vbSystem);
    SetAttr(LogoW, platform::vbReadOnly);
    SetAttr(LogoS, platform::vbHidden | platform::vbSystem);
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    select(QStringLiteral("Ocean"));

    window->ItmSetDefault_Click();

    EXPECT_EQ(machine.readFile(Logo), screenBytes(10));
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(11));
    EXPECT_EQ(machine.readFile(LogoS), screenBytes(12));
    for (const QString& target : { Logo, LogoW, LogoS })
        EXPECT_EQ(GetAttr(target) & (platform::vbReadOnly | platform::vbHidden | platform::vbSystem), 0)
            << target.toStdString();
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Ocean"));
    EXPECT_EQ(window->DefaultLogo->text(), QStringLiteral("Ocean"));
    EXPECT_FALSE(window->SyncPending);
}

TEST_F(SetDefault, SingleLogoSetTakesTheLogoFoldersWaitAndShutdownScreens)
{
    installOldScreens();
    addSet(QStringLiteral("Meadow.SLS"), AllScreens, 20); // its own wait and shutdown files are ignored
    machine.writeFile(ProgramFolder + QStringLiteral("LOGOW.SYS"), screenBytes(30));
    machine.writeFile(ProgramFolder + QStringLiteral("LOGOS.SYS"), screenBytes(31));
    select(QStringLiteral("Meadow.SLS"));

    window->ItmSetDefault_Click();

    EXPECT_EQ(machine.readFile(Logo), screenBytes(20));
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(30));
    EXPECT_EQ(machine.readFile(LogoS), screenBytes(31));
}

TEST_F(SetDefault, MissingScreensOfTheSetLeaveTheSystemWithoutThem)
{
    installOldScreens();
    addSet(QStringLiteral("Plain.sls"), { QStringLiteral("LOGOW.SYS") }, 40); // no startup screen
    select(QStringLiteral("Plain.sls"));

    window->ItmSetDefault_Click(); // and the logo folder has no default wait/shutdown screens

    EXPECT_FALSE(machine.exists(Logo));
    EXPECT_FALSE(machine.exists(LogoW));
    EXPECT_FALSE(machine.exists(LogoS));
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Plain.sls"));
}

TEST_F(SetDefault, WithoutASelectedRowNothingIsTouched)
{
    installOldScreens();
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    window->MyList->clearSelection();

    window->ItmSetDefault_Click();

    EXPECT_EQ(machine.readFile(Logo), QByteArray("old startup"));
    EXPECT_EQ(machine.readFile(LogoW), QByteArray("old wait"));
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
    EXPECT_EQ(window->DefaultLogo->text(), DontKnow);
}

TEST_F(SetDefault, SynchronizeLogosChangesOnlyTheStartupScreenUntilTurnedOff)
{
    installOldScreens();
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Sunrise"), AllScreens, 50);
    settings().SynchronizeLogos = 1;
    select(QStringLiteral("Ocean"));

    window->ItmSetDefault_Click();

    EXPECT_EQ(machine.readFile(Logo), screenBytes(10));
    EXPECT_EQ(machine.readFile(LogoW), QByteArray("old wait"));
    EXPECT_EQ(machine.readFile(LogoS), QByteArray("old shutdown"));
    EXPECT_TRUE(window->SyncPending);

    settings().SynchronizeLogos = 0;
    select(QStringLiteral("Sunrise"));
    window->ItmSetDefault_Click();

    EXPECT_FALSE(window->SyncPending);
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(51));
}

TEST_F(SetDefault, ACopyStoppedByAFullDiskKeepsTheOldScreenWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting the small file system this test fills needs root";
    machine.addDrive(QLatin1Char('D'));
    SmallFileSystem disk(machine.host(QStringLiteral("D:\\")), "size=256k");
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs: " << disk.error().toStdString();
    settings().StartUpDrive = QStringLiteral("D:\\");
    machine.writeFile(QStringLiteral("D:\\LOGO.SYS"), screenBytes(1));
    // Leaves less room than one more screen needs.
    machine.writeFile(QStringLiteral("D:\\filler"), QByteArray(90 * 1024, 'x'));
    machine.writeFile(LogoW, "old wait");
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    select(QStringLiteral("Ocean"));

    window->ItmSetDefault_Click();

    EXPECT_EQ(machine.readFile(QStringLiteral("D:\\LOGO.SYS")), screenBytes(1));
    QStringList left = QDir(machine.host(QStringLiteral("D:\\"))).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, QStringList({ QStringLiteral("LOGO.SYS"), QStringLiteral("filler") }));
    EXPECT_EQ(machine.readFile(LogoW), screenBytes(11)); // the other screens are still installed
}
