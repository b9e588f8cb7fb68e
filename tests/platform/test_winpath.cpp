#include "platform/fileerror.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"
#include "support/fileerrornumber.h"
#include "support/testmachine.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(WindowsPathParsing, ResolvesSeparatorsDotsAndTrailingBlanksLexically)
{
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        { "C:\\WINDOWS\\LOGOW.SYS", "C:\\WINDOWS\\LOGOW.SYS" },
        { "c:/windows//temp/", "C:\\windows\\temp" },
        { "C:\\a\\.\\b\\..\\c", "C:\\a\\c" },
        { "C:\\..\\..\\WINDOWS", "C:\\WINDOWS" }, // never above the root
        { "C:\\WINDOWS\\..\\..", "C:\\" },
        { "C:", "C:\\" },
        { "C:LOGO.SYS", "C:\\LOGO.SYS" },
        { "C:\\LOGO.SYS. \\", "C:\\LOGO.SYS" }, // Windows drops trailing dots and blanks
        { "C:\\...\\x", "C:\\x" },
        { "d:\\ name with  blanks", "D:\\ name with  blanks" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseWindowsPath(QString::fromUtf8(c.input)).toString(), QString::fromUtf8(c.expected))
            << c.input;
}

TEST(WindowsPathParsing, RefusesForbiddenCharactersAndPathsWithoutDrive)
{
    for (const char* bad : { "C:\\a<b", "C:\\a>b", "C:\\a:b", "C:\\\"x\"", "C:\\a|b", "C:\\*.sys",
             "C:\\LOGO?.SYS", "C:\\tab\there", "C:\\x\\..\\a?" })
        EXPECT_EQ(errorNumberOf([&] { parseWindowsPath(QString::fromUtf8(bad)); }), BadFileName) << bad;
    for (const char* noDrive :
        { "", "C", "WINDOWS\\LOGOW.SYS", "\\LOGO.SYS", "\\\\server\\share\\x", "1:\\x", "é:\\x" })
        EXPECT_EQ(errorNumberOf([&] { parseWindowsPath(QString::fromUtf8(noDrive)); }), PathNotFound)
            << noDrive;

    EXPECT_TRUE(isValidName(QStringLiteral("Beach.sls")));
    for (const char* name : { "", ".", "..", "a/b", "a\\b", "a:b", "a\x7" })
        EXPECT_FALSE(isValidName(QString::fromUtf8(name))) << name;
}

TEST(HostPaths, MatchExistingEntriesWithoutRegardToCase)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS"), "x");
    const QString drive = QDir(machine.folder()).filePath(QStringLiteral("drive_c"));

    EXPECT_EQ(hostPathFor(QStringLiteral("c:\\logos\\BEACH\\logo.sys")),
        drive + QStringLiteral("/Logos/Beach/LOGO.SYS"));
    // New names keep the case given, also below a folder that does not exist yet.
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\LOGOS\\New Set\\Logo.Sys")),
        drive + QStringLiteral("/Logos/New Set/Logo.Sys"));
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\Missing\\Sub")), drive + QStringLiteral("/Missing/Sub"));
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\")), drive);
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\Logos\\..\\..\\..\\etc")), drive + QStringLiteral("/etc"));

    // On a case-sensitive host an exact match wins over another spelling.
    machine.writeFile(QStringLiteral("C:\\Logos\\beach\\LOGO.SYS"), "y");
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\Logos\\beach")), drive + QStringLiteral("/Logos/beach"));
    EXPECT_EQ(hostPathFor(QStringLiteral("C:\\Logos\\Beach")), drive + QStringLiteral("/Logos/Beach"));

    EXPECT_EQ(errorNumberOf([] { hostPathFor(QStringLiteral("Q:\\x")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { hostPathFor(QStringLiteral("C:\\a*b")); }), BadFileName);
    EXPECT_EQ(resolveToHost(QStringLiteral("/usr/share/x")), QStringLiteral("/usr/share/x"));
    EXPECT_EQ(resolveToHost(QStringLiteral("c:\\LOGOS")), drive + QStringLiteral("/Logos"));
}

TEST(HostPaths, WindowsPathOfAHostPathUsesTheLongestDrivePrefix)
{
    TestMachine machine;
    machine.addDrive(QLatin1Char('D'));
    const QString root = machine.folder();
    EXPECT_EQ(
        windowsPathFor(root + QStringLiteral("/drive_c/WINDOWS/TEMP")), QStringLiteral("C:\\WINDOWS\\TEMP"));
    EXPECT_EQ(windowsPathFor(root + QStringLiteral("/drive_c")), QStringLiteral("C:\\"));
    EXPECT_EQ(windowsPathFor(root + QStringLiteral("/drive_c/")), QStringLiteral("C:\\"));
    EXPECT_EQ(windowsPathFor(root + QStringLiteral("/drive_d/Pictures")), QStringLiteral("D:\\Pictures"));
    EXPECT_TRUE(windowsPathFor(root + QStringLiteral("/drive_cx/a")).isEmpty()); // not a folder boundary
    EXPECT_TRUE(windowsPathFor(QStringLiteral("/usr")).isEmpty());

    // With Z on the host's root every path has a drive, but the longer C prefix still wins.
    TestMachine wide("[Drives]\nZ=/,remote\n");
    EXPECT_EQ(windowsPathFor(QStringLiteral("/usr/share")), QStringLiteral("Z:\\usr\\share"));
    EXPECT_EQ(windowsPathFor(QStringLiteral("/")), QStringLiteral("Z:\\"));
    EXPECT_EQ(windowsPathFor(wide.folder() + QStringLiteral("/drive_c/x")), QStringLiteral("C:\\x"));
    EXPECT_EQ(hostPathFor(windowsPathFor(QStringLiteral("/usr/share"))), QStringLiteral("/usr/share"));
}
