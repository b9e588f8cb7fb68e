#include "app/pathhelpers.h"

#include <gtest/gtest.h>

TEST(PathHelpers, AddBackslashAddsOnlyWhenMissingAndTrimsThen)
{
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\Logos")), QStringLiteral("C:\\Logos\\"));
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\Logos\\")), QStringLiteral("C:\\Logos\\"));
    EXPECT_EQ(AddBackslash(QStringLiteral("  C:\\Logos  ")), QStringLiteral("C:\\Logos\\"));
    EXPECT_EQ(AddBackslash(QString()), QStringLiteral("\\"));
}

TEST(PathHelpers, GetLastPathPartShortensTheCallersPath)
{
    QString path = QStringLiteral("C:\\Logos\\Blue\\");
    EXPECT_EQ(GetLastPathPart(path), QStringLiteral("Blue"));
    EXPECT_EQ(path, QStringLiteral("C:\\Logos\\Blue"));
    QString bare = QStringLiteral("Blue");
    EXPECT_EQ(GetLastPathPart(bare), QStringLiteral("Blue"));
}

TEST(PathHelpers, GetExtensionKeepsCaseAndLooksAtTheLastComponentOnly)
{
    EXPECT_EQ(GetExtension(QStringLiteral("C:\\Logos\\Beach.sls")), QStringLiteral(".sls"));
    EXPECT_EQ(GetExtension(QStringLiteral("Beach")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("C:\\My.Logos\\Beach")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("archive.tar.gz")), QStringLiteral(".gz"));
    // A blank after the dot ends the extension, as the shell decides.
    EXPECT_EQ(GetExtension(QStringLiteral("Beach.sls copy")), QString());
}

TEST(PathHelpers, GetFileNameIsTheLastComponent)
{
    EXPECT_EQ(GetFileName(QStringLiteral("C:\\Logos\\Beach.sls")), QStringLiteral("Beach.sls"));
    EXPECT_EQ(GetFileName(QStringLiteral("C:\\Logos\\Beach\\")), QStringLiteral("Beach\\"));
    EXPECT_EQ(GetFileName(QStringLiteral("C:LOGO.SYS")), QStringLiteral("LOGO.SYS"));
    EXPECT_EQ(GetFileName(QStringLiteral("LOGO.SYS")), QStringLiteral("LOGO.SYS"));
}

TEST(PathHelpers, ShortenPathKeepsTheDriveAndTheTail)
{
    const QString path = QStringLiteral("C:\\Programs\\Logos\\Sets\\Blue");
    EXPECT_EQ(ShortenPath(path, 20), QStringLiteral("C:\\...\\Sets\\Blue"));
    EXPECT_EQ(ShortenPath(path, 27), path);
    EXPECT_EQ(ShortenPath(path, 100), path);
    // No "\" left in the tail: only the drive and the dots.
    EXPECT_EQ(
        ShortenPath(QStringLiteral("C:\\AVeryLongFolderNameWithoutBreaks"), 10), QStringLiteral("C:\\..."));
    EXPECT_LE(ShortenPath(QStringLiteral("C:\\abc\\defgh\\ijklmnop\\qrs"), 12).size(), 13);
}

TEST(PathHelpers, LeadingNumberReadsLikeTheRuntimesVal)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("1")), 1);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 12abc")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("32767")), 32767);
    EXPECT_EQ(leadingNumber(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(leadingNumber(QStringLiteral("99999")), std::nullopt);
    EXPECT_EQ(leadingNumber(QStringLiteral("\u0663")), 0); // digits of other scripts are not numbers
}

TEST(PathHelpers, SetKindDependsOnTheNameOnly)
{
    EXPECT_TRUE(isSingleLogoSet(QStringLiteral("Beach.sls")));
    EXPECT_TRUE(isSingleLogoSet(QStringLiteral("Beach.SLS")));
    EXPECT_TRUE(isSingleLogoSet(QStringLiteral("Beach.Sls")));
    EXPECT_FALSE(isSingleLogoSet(QStringLiteral("Beach.slsx")));
    EXPECT_FALSE(isSingleLogoSet(QStringLiteral("Beach")));
    EXPECT_FALSE(isSingleLogoSet(QStringLiteral("Sea.view")));
}
