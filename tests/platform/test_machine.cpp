#include "platform/fileerror.h"
#include "platform/machine.h"
#include "support/scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace
{

const QString Folder = QStringLiteral("/srv/machine");

QString damageReason(const QByteArray& ini)
{
    try {
        Machine::fromIniText(Folder, ini);
    } catch (const DamagedFileError& error) {
        EXPECT_EQ(error.file(), Folder + QStringLiteral("/machine.ini"));
        return error.reason();
    }
    return {};
}

} // namespace

TEST(Machine, ReadsDrivesPathsProgramsAndOtherValues)
{
    const Machine machine = Machine::fromIniText(Folder,
        "; a hand-written machine\r\n"
        "[drives]\r\n"
        "c = drive_c , FIXED\r\n"
        "Z=/,remote\r\n"
        "D=/mnt/cd,rom,cdrom\r\n"
        "\r\n"
        "[Paths]\r\n"
        "Windows=c:\\Windows\\\r\n"
        "[Programs]\r\n"
        "C:\\WINDOWS\\pbrush.exe=/usr/bin/kolourpaint\r\n"
        "[Online]\r\n"
        "UpdateUrl=http://127.0.0.1/x.dat\r\n");
    ASSERT_EQ(machine.drives().size(), 3);
    EXPECT_EQ(machine.drives().at(0).letter, QLatin1Char('C')); // sorted by letter
    EXPECT_EQ(machine.drive(QLatin1Char('c'))->hostFolder, Folder + QStringLiteral("/drive_c"));
    EXPECT_EQ(machine.drive(QLatin1Char('C'))->type, DriveType::Fixed);
    EXPECT_EQ(machine.drive(QLatin1Char('Z'))->hostFolder, QStringLiteral("/"));
    EXPECT_EQ(machine.drive(QLatin1Char('Z'))->type, DriveType::Remote);
    // The type follows the last comma, so a folder may contain commas.
    EXPECT_EQ(machine.drive(QLatin1Char('D'))->hostFolder, QStringLiteral("/mnt/cd,rom"));
    EXPECT_EQ(machine.drive(QLatin1Char('D'))->type, DriveType::CdRom);
    EXPECT_FALSE(machine.drive(QLatin1Char('E')));

    EXPECT_EQ(machine.windowsFolder(), QStringLiteral("C:\\Windows"));
    EXPECT_EQ(machine.tempFolder(), QStringLiteral("C:\\Windows\\TEMP"));
    EXPECT_EQ(machine.programFolder(), QStringLiteral("C:\\Program Files\\Bootcanvas"));

    EXPECT_EQ(machine.hostProgramFor(QStringLiteral("c:/windows/PBRUSH.EXE")),
        QStringLiteral("/usr/bin/kolourpaint"));
    EXPECT_TRUE(machine.hostProgramFor(QStringLiteral("C:\\WINDOWS\\notepad.exe")).isEmpty());
    EXPECT_EQ(machine.value(QStringLiteral("online"), QStringLiteral("updateurl")),
        QStringLiteral("http://127.0.0.1/x.dat"));
    EXPECT_TRUE(machine.value(QStringLiteral("Online"), QStringLiteral("Missing")).isEmpty());
    EXPECT_EQ(machine.systemHivePath(), Folder + QStringLiteral("/system.reg"));
    EXPECT_EQ(machine.userHivePath(), Folder + QStringLiteral("/user.reg"));
}

TEST(Machine, DamagedIniTextIsRefusedWithAReason)
{
    const QByteArray paths = "[Paths]\nWindows=C:\\WINDOWS\n";
    const QList<QByteArray> damaged = {
        "",
        "[Paths]\nWindows=C:\\WINDOWS\n",
        "[Drives]\nCD=drive_c,fixed\n",
        "[Drives]\n1=drive_c,fixed\n",
        "[Drives]\nC=drive_c,floppy\n",
        "[Drives]\nC=,fixed\n",
        "[Drives]\nC=drive_c\nc=other\n",
        "[Drives]\nD=drive_d\n", // the default Windows folder is on C
        "[Drives]\nC=drive_c\n[Paths]\nTemp=E:\\TEMP\n", // unmapped drive
        "[Drives]\nC=drive_c\n[Paths]\nWindows=WINDOWS\n",
        "[Drives]\nC=drive_c\n[Paths]\nWindows=C:\\WIN?\n",
        "[Drives\nC=drive_c\n",
        "[Drives]\nC=drive_c\njust words\n",
        "C=drive_c\n[Drives]\nC=drive_c\n",
        QByteArray("[Drives]\nC=drive_c\0\n", 19),
        "[Drives]\nC=drive_\xff\n",
        "[Drives]\nC=drive_c\n;" + QByteArray(Machine::MaxIniBytes, 'x'),
    };
    for (const QByteArray& ini : damaged)
        EXPECT_FALSE(damageReason(ini).isEmpty()) << ini.left(80).toStdString();
}

TEST(Machine, OpenReadsTheFolderAndRefusesMissingOrOversizedFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    try {
        Machine::open(dir.path());
        FAIL() << "a folder without machine.ini opened";
    } catch (const DamagedFileError& error) {
        EXPECT_EQ(error.reason(), QStringLiteral("missing"));
        EXPECT_TRUE(error.userMessage().contains(QStringLiteral("machine.ini")));
    }

    QFile ini(dir.filePath(QStringLiteral("machine.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Drives]\nC=drive_c,fixed\n");
    ini.close();
    const Machine machine = Machine::open(dir.path());
    EXPECT_EQ(machine.drive(QLatin1Char('C'))->hostFolder, dir.filePath(QStringLiteral("drive_c")));
    EXPECT_EQ(machine.folder(), dir.path());

    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write(QByteArray(Machine::MaxIniBytes, ';'));
    ini.close();
    EXPECT_THROW(Machine::open(dir.path()), DamagedFileError);
}

TEST(Machine, FolderInUseFollowsTheEnvironment)
{
    {
        const ScopedEnvironment data("XDG_DATA_HOME", "/data/home");
        const ScopedEnvironment machine("BOOTCANVAS_MACHINE", "");
        EXPECT_EQ(defaultMachineFolder(), QStringLiteral("/data/home/bootcanvas/machine"));
        EXPECT_EQ(machineFolderInUse(), defaultMachineFolder());
    }
    {
        // A relative XDG_DATA_HOME is not valid and falls back to the home folder.
        const ScopedEnvironment data("XDG_DATA_HOME", "relative");
        const ScopedEnvironment home("HOME", "/home/someone");
        const ScopedEnvironment machine("BOOTCANVAS_MACHINE", "/mnt/win98machine");
        EXPECT_EQ(defaultMachineFolder(), QStringLiteral("/home/someone/.local/share/bootcanvas/machine"));
        EXPECT_EQ(machineFolderInUse(), QStringLiteral("/mnt/win98machine"));
    }
}
