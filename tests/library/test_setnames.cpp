// The names a set's folder may have, checked before anything is written.
#include "sets/setname.h"

#include <gtest/gtest.h>

namespace
{

const QString LogoPath = QStringLiteral("C:\\Program Files\\Bootcanvas\\Logos\\");

TEST(SetNames, DeviceNamesAloneOrWithAnExtensionAreRefusedInAnyCase)
{
    for (const char* name :
        { "CON", "con", "Prn.sls", "AUX.tar.gz", "nul ", "COM1", "com9.x", "LPT1", "lpt1.sls" })
        EXPECT_TRUE(checkSetName(QString::fromLatin1(name), LogoPath).rule.contains("DOS device")) << name;
    // Only the exact device names: these are ordinary names.
    for (const char* name : { "CONSOLE", "COM0", "COM10", "LPT", "Bacon", "my.con", "nul-island" })
        EXPECT_TRUE(checkSetName(QString::fromLatin1(name), LogoPath).rule.isEmpty()) << name;
    EXPECT_EQ(checkSetName("lpt1.sls", LogoPath).rule,
        "LPT1 is the name of a DOS device, which no disk can hold, with or without an extension.");
}

TEST(SetNames, ForbiddenCharactersControlCharactersAndLength)
{
    for (QChar c : QStringLiteral("\\/:*?\"<>|"))
        EXPECT_EQ(checkSetName(QStringLiteral("a") + c + QStringLiteral("b"), LogoPath).rule,
            "A set name cannot hold any of the characters \\ / : * ? \" < > |.")
            << c.toLatin1();
    EXPECT_EQ(checkSetName(QStringLiteral("a\u0001b"), LogoPath).rule,
        "A set name cannot hold control characters.");
    // The whole path of the longest screen file must stay within Windows' 259 characters.
    const qsizetype room = 259 - LogoPath.size() - 10;
    EXPECT_TRUE(checkSetName(QString(room, u'x'), LogoPath).rule.isEmpty());
    EXPECT_EQ(checkSetName(QString(room + 1, u'x'), LogoPath).rule,
        QStringLiteral("A set name can have at most %1 characters in this logo folder.").arg(room));
    EXPECT_FALSE(checkSetName(QString(256, u'x'), QStringLiteral("C:\\")).rule.isEmpty());
}

TEST(SetNames, TrailingDotsAndBlanksGoAndEmptyNamesHaveTheirOwnMessage)
{
    const SetNameCheck trimmed = checkSetName(QStringLiteral(" Sunrise. ."), LogoPath);
    EXPECT_EQ(trimmed.name, " Sunrise"); // leading blanks are kept, as Windows keeps them
    EXPECT_TRUE(trimmed.rule.isEmpty());
    for (const char* blank : { "", "   " }) {
        const SetNameCheck empty = checkSetName(QString::fromLatin1(blank), LogoPath);
        EXPECT_TRUE(empty.empty) << blank;
        EXPECT_EQ(empty.rule, emptySetNameMessage());
    }
    const SetNameCheck dots = checkSetName(QStringLiteral(".."), LogoPath);
    EXPECT_FALSE(dots.empty);
    EXPECT_EQ(dots.rule, "A set name needs more than dots and blanks.");
}

} // namespace
