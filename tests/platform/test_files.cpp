#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/hostcallerror.h"
#include "platform/tempfiles.h"
#include "support/fileerrornumber.h"
#include "support/testmachine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace platform;

namespace
{

// Hidden and system bits need extended attributes on the test folder's file system.
bool keepsDosAttributes(const TestMachine& machine)
{
    machine.writeFile(QStringLiteral("C:\\probe"), {});
    SetAttr(QStringLiteral("C:\\probe"), vbHidden);
    const bool kept = GetAttr(QStringLiteral("C:\\probe")) == vbHidden;
    SetAttr(QStringLiteral("C:\\probe"), vbNormal);
    Kill(QStringLiteral("C:\\probe"));
    return kept;
}

QStringList hostEntries(const TestMachine& machine, const QString& windowsFolder)
{
    return QDir(machine.host(windowsFolder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(FileErrors, CarryTheRuntimeNumbersAndTheWindowsPath)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\LOGO.SYS"), "x");

    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")); }), FileNotFound);
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\NOWHERE\\LOGOW.SYS")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("E:\\LOGO.SYS")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\*.SYS")); }), BadFileName);
    EXPECT_EQ(errorNumberOf([] { GetAttr(QStringLiteral("C:\\missing")); }), FileNotFound);
    EXPECT_EQ(errorNumberOf([] { FileCopy(QStringLiteral("C:\\missing"), QStringLiteral("C:\\x")); }),
        FileNotFound);
    EXPECT_EQ(errorNumberOf([] { FileCopy(QStringLiteral("C:\\LOGO.SYS"), QStringLiteral("C:\\No\\x")); }),
        PathNotFound);
    EXPECT_EQ(errorNumberOf([] { FileCopy(QStringLiteral("C:\\LOGO.SYS"), QStringLiteral("C:\\WINDOWS")); }),
        PathFileAccessError);
    EXPECT_EQ(errorNumberOf([] { readFile(QStringLiteral("C:\\WINDOWS"), 100); }), PathFileAccessError);
    EXPECT_EQ(errorNumberOf([] { listFiles(QStringLiteral("C:\\NOWHERE")); }), PathNotFound);

    try {
        Kill(QStringLiteral("c:\\windows\\LOGOS.SYS"));
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("File not found: c:\\windows\\LOGOS.SYS"));
    }
    EXPECT_EQ(hostCallError(ENOSPC, QStringLiteral("C:\\x")).number(), PathFileAccessError);
    EXPECT_EQ(hostCallError(EACCES, QStringLiteral("C:\\x")).number(), PermissionDenied);
    EXPECT_EQ(hostCallError(ENAMETOOLONG, QStringLiteral("C:\\x")).number(), BadFileName);
}

TEST(FileAttributes, ProtectedFilesAreReplacedOnceMadeNormal)
{
    TestMachine machine;
    const QString logow = QStringLiteral("C:\\WINDOWS\\LOGOW.SYS");
    const QString logos = QStringLiteral("C:\\WINDOWS\\LOGOS.SYS");
    machine.writeFile(QStringLiteral("C:\\Set\\LOGOW.SYS"), "new wait");
    machine.writeFile(logow, "old wait");
    machine.writeFile(logos, "old shutdown");

    SetAttr(logow, vbReadOnly | vbArchive);
    EXPECT_EQ(GetAttr(logow) & vbReadOnly, vbReadOnly);
    EXPECT_EQ(errorNumberOf([&] { Kill(logow); }), PathFileAccessError);
    EXPECT_EQ(
        errorNumberOf([&] { FileCopy(QStringLiteral("C:\\Set\\LOGOW.SYS"), logow); }), PathFileAccessError);
    EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(logow, "x"); }), PathFileAccessError);
    EXPECT_EQ(machine.readFile(logow), "old wait");

    SetAttr(logow, FileAttributeNormalApi);
    EXPECT_EQ(GetAttr(logow), vbNormal);
    FileCopy(QStringLiteral("C:\\Set\\LOGOW.SYS"), logow);
    EXPECT_EQ(machine.readFile(logow), "new wait");
    EXPECT_EQ(GetAttr(QStringLiteral("C:\\WINDOWS")), vbDirectory);

    if (!keepsDosAttributes(machine))
        GTEST_SKIP() << "the temporary folder keeps no extended attributes";
    SetAttr(logos, vbHidden | vbSystem | vbReadOnly);
    EXPECT_EQ(GetAttr(logos), vbHidden | vbSystem | vbReadOnly);
    SetAttr(logos, vbHidden | vbSystem);
    // A directory search does not find hidden or system files, so neither does Kill.
    EXPECT_EQ(errorNumberOf([&] { Kill(logos); }), FileNotFound);
    EXPECT_EQ(
        errorNumberOf([&] { FileCopy(QStringLiteral("C:\\Set\\LOGOW.SYS"), logos); }), PathFileAccessError);
    SetAttr(logos, vbNormal);
    Kill(logos);
    EXPECT_FALSE(machine.exists(logos));
}

TEST(FileAttributes, DirectorySearchMaskDecidesWhatExists)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), "l");
    EXPECT_TRUE(entryExists(QStringLiteral("c:\\startup\\SHUFFLET.LNK"), vbNormal));
    EXPECT_FALSE(entryExists(QStringLiteral("C:\\StartUp\\Cyclette.lnk"), vbNormal));
    EXPECT_FALSE(entryExists(QStringLiteral("C:\\StartUp"), vbNormal));
    EXPECT_TRUE(entryExists(QStringLiteral("C:\\StartUp\\"), vbDirectory));
    EXPECT_TRUE(entryExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbDirectory));
    for (const char* never : { "", "C:\\a|b", "Q:\\x", "relative" })
        EXPECT_FALSE(entryExists(QString::fromUtf8(never), vbDirectory)) << never;
    EXPECT_TRUE(folderExists(QStringLiteral("C:\\STARTUP")));
    EXPECT_FALSE(folderExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk")));
    EXPECT_TRUE(fileExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk")));
    EXPECT_FALSE(fileExists(QStringLiteral("C:\\StartUp")));

    SetAttr(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbReadOnly);
    EXPECT_TRUE(entryExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbNormal));
    if (!keepsDosAttributes(machine))
        GTEST_SKIP() << "the temporary folder keeps no extended attributes";
    SetAttr(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbHidden | vbSystem);
    EXPECT_FALSE(entryExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbNormal));
    EXPECT_FALSE(entryExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbHidden));
    EXPECT_TRUE(entryExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk"), vbHidden | vbSystem));
    EXPECT_TRUE(fileExists(QStringLiteral("C:\\StartUp\\Shufflet.lnk")));
}

TEST(FileStatements, CopyRenameAndFoldersBehaveAsOnWindows)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Logos\\beach\\LOGO.SYS"), "beach");
    machine.writeFile(QStringLiteral("C:\\Logos\\Sea\\LOGO.SYS"), "sea");

    // The copy replaces an existing file in place and leaves no temporary file behind.
    FileCopy(QStringLiteral("C:\\Logos\\Sea\\logo.sys"), QStringLiteral("c:\\LOGOS\\BEACH\\Logo.Sys"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\beach\\LOGO.SYS")), "sea");
    EXPECT_EQ(
        hostEntries(machine, QStringLiteral("C:\\Logos\\beach")), QStringList { QStringLiteral("LOGO.SYS") });
    EXPECT_EQ(errorNumberOf([] {
        FileCopy(QStringLiteral("C:\\Logos\\Sea\\LOGO.SYS"), QStringLiteral("C:\\LOGOS\\SEA\\logo.sys"));
    }),
        PermissionDenied);

    EXPECT_EQ(
        errorNumberOf([] { Name(QStringLiteral("C:\\Logos\\beach"), QStringLiteral("C:\\Logos\\SEA")); }),
        FileAlreadyExists);
    Name(QStringLiteral("C:\\Logos\\beach"), QStringLiteral("C:\\Logos\\Beach"));
    EXPECT_EQ(listSubfolders(QStringLiteral("C:\\Logos")),
        (QStringList { QStringLiteral("Beach"), QStringLiteral("Sea") }));
    Name(QStringLiteral("C:\\Logos\\Beach"), QStringLiteral("C:\\Logos\\Beach.sls"));
    Name(QStringLiteral("C:\\Logos\\Sea\\LOGO.SYS"), QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")), "sea");
    EXPECT_EQ(
        errorNumberOf([] { Name(QStringLiteral("C:\\Logos\\Gone"), QStringLiteral("C:\\Logos\\New")); }),
        FileNotFound);
    EXPECT_EQ(errorNumberOf([] { Name(QStringLiteral("C:\\Logos\\Sea"), QStringLiteral("C:\\No\\Sea")); }),
        PathNotFound);
    EXPECT_EQ(errorNumberOf(
                  [] { Name(QStringLiteral("C:\\Logos\\Sea"), QStringLiteral("C:\\Logos\\Sea\\Inner")); }),
        PathFileAccessError);

    MkDir(QStringLiteral("C:\\Logos\\Mountains"));
    EXPECT_TRUE(QFileInfo(machine.host(QStringLiteral("C:\\Logos\\Mountains"))).isDir());
    EXPECT_EQ(errorNumberOf([] { MkDir(QStringLiteral("C:\\LOGOS\\mountains")); }), PathFileAccessError);
    EXPECT_EQ(errorNumberOf([] { MkDir(QStringLiteral("C:\\No\\Mountains")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { RmDir(QStringLiteral("C:\\Logos\\Beach.sls")); }), PathFileAccessError);
    EXPECT_EQ(errorNumberOf([] { RmDir(QStringLiteral("C:\\Logos\\Gone")); }), PathNotFound);
    RmDir(QStringLiteral("C:\\Logos\\mountains"));
    removeTree(QStringLiteral("C:\\Logos\\Beach.sls"));
    EXPECT_EQ(listSubfolders(QStringLiteral("C:\\Logos")), QStringList { QStringLiteral("Sea") });
    EXPECT_EQ(errorNumberOf([] { removeTree(QStringLiteral("C:\\")); }), PathFileAccessError);
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")));
}

TEST(FileListing, AlphabeticalWithoutRegardToCaseAndFilteredByWildcards)
{
    TestMachine machine;
    for (const char* name : { "b.SYS", "A.sys", "a.sys", "C.bmp", "readme", "logo.sysx" })
        machine.writeFile(QStringLiteral("C:\\Pics\\") + QString::fromUtf8(name), {});
    for (const char* name : { "zeta", "Alpha", "beta" })
        machine.makeFolder(QStringLiteral("C:\\Pics\\") + QString::fromUtf8(name));

    EXPECT_EQ(listSubfolders(QStringLiteral("c:\\pics")),
        (QStringList { QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("zeta") }));
    EXPECT_EQ(listFiles(QStringLiteral("C:\\Pics"), { QStringLiteral("*.sys"), QStringLiteral("*.BMP") }),
        (QStringList { QStringLiteral("A.sys"), QStringLiteral("a.sys"), QStringLiteral("b.SYS"),
            QStringLiteral("C.bmp") }));
    EXPECT_EQ(listFiles(QStringLiteral("C:\\Pics"), { QStringLiteral("*.*") }).size(), 6);
    EXPECT_EQ(listFiles(QStringLiteral("C:\\Pics"), { QStringLiteral("?.sys") }).size(), 3);

    EXPECT_TRUE(matchesWildcard(QStringLiteral("LOGO.SYS"), QStringLiteral("l*o.s?s")));
    EXPECT_TRUE(matchesWildcard(QStringLiteral("a.b.c"), QStringLiteral("*.c")));
    EXPECT_FALSE(matchesWildcard(QStringLiteral("LOGO.SYSX"), QStringLiteral("*.sys")));
    EXPECT_FALSE(matchesWildcard(QStringLiteral("LOGO"), QStringLiteral("*.sys")));

    if (!keepsDosAttributes(machine))
        GTEST_SKIP() << "the temporary folder keeps no extended attributes";
    SetAttr(QStringLiteral("C:\\Pics\\readme"), vbHidden);
    EXPECT_FALSE(listFiles(QStringLiteral("C:\\Pics")).contains(QStringLiteral("readme")));
    EXPECT_TRUE(listFiles(QStringLiteral("C:\\Pics"), { QStringLiteral("*") }, vbHidden)
                    .contains(QStringLiteral("readme")));
}

TEST(FileContents, ReadsWithinTheLimitAndReplacesAtomically)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\MSDOS.SYS"), "[Options]\r\nLogo=1\r\n");
    EXPECT_EQ(readFile(QStringLiteral("C:\\windows\\msdos.sys"), 19), "[Options]\r\nLogo=1\r\n");
    EXPECT_EQ(
        errorNumberOf([] { readFile(QStringLiteral("C:\\WINDOWS\\MSDOS.SYS"), 18); }), PathFileAccessError);
    EXPECT_EQ(readFile(QStringLiteral("C:\\WINDOWS\\MSDOS.SYS"), 1 << 20).size(), 19);

    const QString host = machine.host(QStringLiteral("C:\\WINDOWS\\MSDOS.SYS"));
    QFile::setPermissions(host, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    writeFileAtomically(QStringLiteral("C:\\WINDOWS\\msdos.sys"), "[Options]\r\nLogo=0\r\n");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\MSDOS.SYS")), "[Options]\r\nLogo=0\r\n");
    // The mask leaves out Qt's "user" bits, which repeat the owner's for the file's owner.
    EXPECT_EQ(QFile::permissions(host) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(hostEntries(machine, QStringLiteral("C:\\WINDOWS")),
        (QStringList { QStringLiteral("MSDOS.SYS"), QStringLiteral("TEMP") }));

    writeHostFileAtomically(machine.folder() + QStringLiteral("/user.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(readFile(QStringLiteral("C:\\..\\..\\WINDOWS\\MSDOS.SYS"), 100).size(), 19);
}

TEST(TemporaryFiles, AreNewEmptyAndUniquelyNamed)
{
    TestMachine machine;
    const QRegularExpression pattern(QStringLiteral("^C:\\\\WINDOWS\\\\TEMP\\\\~tm[0-9A-F]{4}\\.TMP$"));
    QSet<QString> names;
    QString first;
    for (int i = 0; i < 300; ++i) {
        const QString path = createTempFile(QStringLiteral("C:\\WINDOWS\\TEMP\\"), QStringLiteral("~tmp"));
        EXPECT_TRUE(pattern.match(path).hasMatch()) << path.toStdString();
        names.insert(path.toUpper());
        if (first.isEmpty())
            first = path;
    }
    EXPECT_EQ(names.size(), 300);
    EXPECT_EQ(hostEntries(machine, QStringLiteral("C:\\WINDOWS\\TEMP")).size(), 300);
    EXPECT_EQ(QFileInfo(machine.host(first)).size(), 0);
    EXPECT_EQ(errorNumberOf([] { createTempFile(QStringLiteral("C:\\NOWHERE"), QStringLiteral("~tm")); }),
        PathNotFound);
}
