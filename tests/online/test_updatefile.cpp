#include "online/updatefile.h"
#include "online/versionnumber.h"

#include <gtest/gtest.h>

TEST(UpdateFile, ReadsEveryFieldWhateverTheLineEndsCaseAndComments)
{
    const QByteArray text = "\xef\xbb\xbf# published with 4.1\r\n; another comment\r\n\r\n[update]\r\n"
                            "  VERSION = 4.1.0 \r\nDownload=bootcanvas-4.1.tar.gz\r\nAbstract=Short\r\n"
                            "Description=One\r\nDescription=\r\nDescription=Three = 3\r\nColour=blue\r\n"
                            "[Later]\r\nVersion=not read\r\nDescription=nor this\r\n";
    QString error;
    const std::optional<UpdateFile> file = UpdateFile::parse(text, &error);
    ASSERT_TRUE(file) << error.toStdString();
    EXPECT_EQ(file->version, QStringLiteral("4.1.0"));
    EXPECT_EQ(file->download, QStringLiteral("bootcanvas-4.1.tar.gz"));
    EXPECT_EQ(file->abstract, QStringLiteral("Short"));
    EXPECT_EQ(file->description, QStringLiteral("One\n\nThree = 3"));
}

TEST(UpdateFile, RefusesWhatItCannotTrust)
{
    const QByteArray valid = "[Update]\nVersion=4.0.1\nDownload=https://example.org/b.tar.gz\n";
    ASSERT_TRUE(UpdateFile::parse(valid));
    const QByteArray refused[] = {
        "",
        "<html><body>Welcome to the hotel network</body></html>",
        "Version=4.0.1\n[Update]\nDownload=http://h/\n",
        "[Other]\n[Update]\nVersion=4.0.1\nDownload=http://h/\n",
        "[Update]\nDownload=http://h/\n",
        "[Update]\nVersion=4.0.1\n",
        "[Update]\nVersion=4.0.1\nVersion=4.0.2\nDownload=http://h/\n",
        "[Update]\nVersion=4.0.1\nDownload=http://h/\n[Update]\n",
        "[Update]\nVersion=v4\nDownload=http://h/\n",
        "[Update]\nVersion=4.0.1\nDownload=ftp://h/b.tar.gz\n",
        "[Update]\nVersion=4.0.1\nDownload=javascript:alert(1)\n",
        "[Update]\nVersion=4.0.1\nDownload=http://h/\njust words\n",
        "[Update\nVersion=4.0.1\nDownload=http://h/\n",
        valid + "Description=\xff\xfe\n",
        valid + QByteArray("Description=a\0b\n", 16),
        valid + "Description=" + QByteArray(UpdateFile::MaxBytes, 'x') + "\n",
    };
    for (const QByteArray& text : refused) {
        QString error;
        EXPECT_FALSE(UpdateFile::parse(text, &error)) << text.left(80).toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(VersionNumber, ComparesNumberByNumber)
{
    auto newer = [](const char* a, const char* b) {
        return VersionNumber::parse(QLatin1String(a))->isNewerThan(*VersionNumber::parse(QLatin1String(b)));
    };
    EXPECT_TRUE(newer("4.0.10", "4.0.9"));
    EXPECT_FALSE(newer("4.0.9", "4.0.10"));
    EXPECT_TRUE(newer("4.1", "4.0.99"));
    EXPECT_TRUE(newer("4.0.0.1", "4.0"));
    EXPECT_FALSE(newer("4.0", "4.0.0"));
    EXPECT_FALSE(newer("4.0.0", "4.0"));
    EXPECT_EQ(
        VersionNumber::parse(QStringLiteral("004.000"))->compare(*VersionNumber::parse(QStringLiteral("4"))),
        0);
    EXPECT_TRUE(newer("999999999", "999999998"));

    for (const char* bad :
        { "", "4.", ".4", "4..0", "4.0.0.0.0", "-4", "+4", "4 .0", "4.0a", "1234567890", "4,0" })
        EXPECT_FALSE(VersionNumber::parse(QLatin1String(bad))) << bad;
}

TEST(VersionNumber, DisplayFormFoldsTheLastTwoNumbers)
{
    EXPECT_EQ(displayVersion(QStringLiteral("4.0.0")), QStringLiteral("4.00"));
    EXPECT_EQ(displayVersion(QStringLiteral("4.1.2")), QStringLiteral("4.12"));
    // Numbers of two digits would run together, so they stay as they are.
    EXPECT_EQ(displayVersion(QStringLiteral("4.0.10")), QStringLiteral("4.0.10"));
}
