#include "app/defaultmachine.h"
#include "platform/fileerror.h"
#include "platform/profile.h"
#include "support/testmachine.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

namespace
{

const QString Msdos = QStringLiteral("C:\\WINDOWS\\MSDOS.SYS");

QByteArray realMsdosSys()
{
    return defaultMsdosSys();
}

QString valueOf(const QByteArray& text, const char* section, const char* key)
{
    return IniDocument::parse(text)
        .value(QString::fromLatin1(section), QString::fromLatin1(key))
        .value_or("<none>");
}

} // namespace

TEST(IniDocument, ReadsKeysOfTheirSectionOnlyWithoutRegardToCaseOrBlanks)
{
    const QByteArray text = "Stray=0\n; Logo=7\n[ options ]\n  LOGO  =  1  \nnot a key\n[Other]\nLogo=2\n"
                            "[OPTIONS]\nLate=3\n";
    EXPECT_EQ(valueOf(text, "Options", "logo"), "1");
    EXPECT_EQ(valueOf(text, "other", "Logo"), "2");
    EXPECT_EQ(valueOf(text, "Options", "Late"), "3"); // a section may appear twice
    EXPECT_EQ(valueOf(text, "Options", "Stray"), "<none>");
    EXPECT_EQ(valueOf(text, "Options", "not a key"), "<none>");
    EXPECT_EQ(valueOf("[A]\nK=\n", "A", "K"), "");
}

TEST(IniDocument, WritingLogoKeepsEveryOtherByteOfMsdosSys)
{
    const QByteArray original = realMsdosSys();
    IniDocument document = IniDocument::parse(original);
    document.setValue(QStringLiteral("OPTIONS"), QStringLiteral("logo"), QStringLiteral(" 0"));
    QByteArray expected = original;
    expected.replace("Logo=1\r\n", "Logo= 0\r\n");
    EXPECT_EQ(document.toBytes(), expected);
}

TEST(IniDocument, ReplacesInPlaceKeepingTheKeysOwnSpelling)
{
    IniDocument document = IniDocument::parse("[Settings]\nPATH = old ; note\nNext=1");
    document.setValue(QStringLiteral("settings"), QStringLiteral("Path"), QStringLiteral("C:\\Sets\\Blue"));
    EXPECT_EQ(document.toBytes(), "[Settings]\nPATH =C:\\Sets\\Blue\nNext=1");
}

TEST(IniDocument, AddsKeysAfterTheLastKeyOfTheirSectionAndSectionsAtTheEnd)
{
    IniDocument msdos = IniDocument::parse(realMsdosSys());
    msdos.setValue(QStringLiteral("Options"), QStringLiteral("BootDelay"), QStringLiteral("0"));
    EXPECT_TRUE(msdos.toBytes().contains("Logo=1\r\nBootDelay=0\r\n;\r\n;The following"));

    IniDocument unix = IniDocument::parse("[A]\nx=1\n\n[B]\ny=2");
    unix.setValue(QStringLiteral("a"), QStringLiteral("z"), QStringLiteral("3"));
    unix.setValue(QStringLiteral("B"), QStringLiteral("w"), QStringLiteral("4"));
    unix.setValue(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("5"));
    EXPECT_EQ(unix.toBytes(), "[A]\nx=1\nz=3\n\n[B]\ny=2\nw=4\n\n[New]\nk=5\n");

    IniDocument empty = IniDocument::parse({});
    empty.setValue(QStringLiteral("Settings"), QStringLiteral("Path"), QStringLiteral("C:\\X"));
    EXPECT_EQ(empty.toBytes(), "[Settings]\r\nPath=C:\\X\r\n");

    IniDocument headerOnly = IniDocument::parse("[S]");
    headerOnly.setValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(headerOnly.toBytes(), "[S]\r\nk=v\r\n");
}

TEST(IniDocument, RefusesNamesThatWouldNotReadBackAndFlattensLineBreaks)
{
    for (const char* key : { "", "  ", "a=b", ";x", "[x", "two\nlines" }) {
        IniDocument document = IniDocument::parse("[S]\n");
        document.setValue(QStringLiteral("S"), QString::fromLatin1(key), QStringLiteral("v"));
        EXPECT_EQ(document.toBytes(), "[S]\n") << key;
    }
    EXPECT_FALSE(IniDocument::canStore(QStringLiteral("a]b"), QStringLiteral("k")));

    IniDocument document = IniDocument::parse("[S]\n");
    document.setValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(document.toBytes(), "[S]\nk=one  two\n");
}

TEST(IniDocument, RemovesEveryOccurrenceOfAKeyAndNothingElse)
{
    IniDocument document = IniDocument::parse("[S]\r\nk=1\r\n;k=c\r\n[T]\r\nk=2\r\n[s]\r\nK=3");
    document.removeKey(QStringLiteral("S"), QStringLiteral("k"));
    EXPECT_EQ(document.toBytes(), "[S]\r\n;k=c\r\n[T]\r\nk=2\r\n[s]\r\n");
}

TEST(PrivateProfile, ReadsIntegersAsWindowsDoesWithDefaultsForWhatIsNotThere)
{
    TestMachine machine;
    const auto logo = [&](int defaultValue) {
        return GetPrivateProfileInt(QStringLiteral("Options"), QStringLiteral("Logo"), defaultValue, Msdos);
    };
    EXPECT_EQ(logo(1), 1); // no file at all
    const std::pair<QByteArray, int> cases[] = {
        { "Logo= 0", 0 },
        { "Logo=-12abc", -12 },
        { "Logo=+7", 7 },
        { "Logo=yes", 9 },
        { "Logo=", 9 },
        { "Other=0", 9 },
        { "Logo=99999999999999", 2147483647 },
    };
    for (const auto& [line, expected] : cases) {
        machine.writeFile(Msdos, "[Options]\r\n" + line + "\r\n");
        EXPECT_EQ(logo(9), expected) << line.constData();
    }
    EXPECT_EQ(GetPrivateProfileString(
                  QStringLiteral("Options"), QStringLiteral("Logo"), QStringLiteral("d"), Msdos),
        "99999999999999");
    EXPECT_EQ(GetPrivateProfileString(
                  QStringLiteral("Options"), QStringLiteral("Other"), QStringLiteral("d"), Msdos),
        "d");
}

TEST(PrivateProfile, WritesAtomicallyCreatingTheFileAndHandlesLatin1)
{
    TestMachine machine;
    const QString ini = QStringLiteral("C:\\Program Files\\Bootcanvas\\Tandemist.ini");
    ASSERT_TRUE(WritePrivateProfileString(
        QStringLiteral("Settings"), QStringLiteral("Path"), QStringLiteral("C:\\Logos\\Café"), ini));
    EXPECT_EQ(machine.readFile(ini), "[Settings]\r\nPath=C:\\Logos\\Caf\xE9\r\n");
    EXPECT_EQ(GetPrivateProfileString(QStringLiteral("settings"), QStringLiteral("path"), {}, ini),
        QStringLiteral("C:\\Logos\\Café"));
    EXPECT_FALSE(WritePrivateProfileString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"),
        QStringLiteral("C:\\NoSuchFolder\\x.ini")));
    EXPECT_FALSE(WritePrivateProfileString(
        QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("Q:\\x.ini")));
}

TEST(PrivateProfile, LeavesReadOnlyAndDamagedFilesAsTheyWere)
{
    TestMachine machine;
    machine.writeFile(Msdos, realMsdosSys());
    QFile::setPermissions(machine.host(Msdos), QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(WritePrivateProfileString(
        QStringLiteral("Options"), QStringLiteral("Logo"), QStringLiteral(" 0"), Msdos));
    EXPECT_EQ(machine.readFile(Msdos), realMsdosSys());

    const QByteArray withNul("[Options]\r\nLogo=0\r\n\0garbage", 27);
    const QByteArray tooBig = "[Options]\r\nLogo=0\r\n" + QByteArray(IniDocument::MaxBytes, ';');
    for (const QByteArray& damaged : { withNul, tooBig }) {
        QFile::remove(machine.host(Msdos));
        machine.writeFile(Msdos, damaged);
        EXPECT_EQ(GetPrivateProfileInt(QStringLiteral("Options"), QStringLiteral("Logo"), 1, Msdos), 1);
        EXPECT_THROW(WritePrivateProfileString(
                         QStringLiteral("Options"), QStringLiteral("Logo"), QStringLiteral(" 1"), Msdos),
            DamagedFileError);
        EXPECT_EQ(machine.readFile(Msdos), damaged);
    }
}
