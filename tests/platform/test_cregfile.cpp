#include "support/cregbuilder.h"

#include "platform/cregfile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using platform::CregFile;

namespace
{

const QString ShellFolders
    = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

QByteArray germanUserDat()
{
    CregBuilder builder;
    builder.addString(QStringLiteral("AppEvents\\Schemes"), QString(), QStringLiteral(".Default"));
    builder.addString(ShellFolders, QStringLiteral("Desktop"), QStringLiteral("C:\\WINDOWS\\Desktop"));
    builder.addString(ShellFolders, QStringLiteral("Startup"),
        QStringLiteral("C:\\WINDOWS\\Startmen\u00fc\\Programme\\Autostart"));
    builder.addString(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
        QStringLiteral("x"), QStringLiteral("y"));
    return builder.bytes();
}

} // namespace

TEST(CregFile, FindsAStringValueByPathWithoutRegardToCase)
{
    const CregFile file(germanUserDat());
    EXPECT_EQ(file.stringValue(ShellFolders, QStringLiteral("Startup")),
        QStringLiteral("C:\\WINDOWS\\Startmen\u00fc\\Programme\\Autostart"));
    EXPECT_EQ(file.stringValue(ShellFolders.toUpper(), QStringLiteral("STARTUP")),
        file.stringValue(ShellFolders, QStringLiteral("Startup")));
    EXPECT_EQ(
        file.stringValue(ShellFolders, QStringLiteral("Desktop")), QStringLiteral("C:\\WINDOWS\\Desktop"));
    EXPECT_FALSE(file.stringValue(ShellFolders, QStringLiteral("Fonts")));
    EXPECT_FALSE(file.stringValue(
        QStringLiteral("Software\\Microsoft\\Windows\\Explorer"), QStringLiteral("Startup")));
}

TEST(CregFile, DamagedOrCutFilesGiveNoValueAndNeverReadOutside)
{
    const QByteArray good = germanUserDat();
    EXPECT_FALSE(CregFile(QByteArray()).stringValue(ShellFolders, QStringLiteral("Startup")));
    EXPECT_FALSE(CregFile("REGEDIT4\r\n").stringValue(ShellFolders, QStringLiteral("Startup")));
    for (int length = 0; length < good.size(); length += 7)
        EXPECT_FALSE(CregFile(good.left(length)).stringValue(ShellFolders, QStringLiteral("Startup")))
            << length;

    // A sibling link that points back at its own key makes a loop, which the walk leaves.
    QByteArray looping = good;
    const int second = 0x20 + 0x20 + 0x1C;
    qToLittleEndian<quint32>(0x20 + 0x1C, looping.data() + second + 0x14);
    EXPECT_FALSE(CregFile(looping).stringValue(QStringLiteral("Nowhere"), QStringLiteral("x")));
    // A data block that claims more bytes than the file has.
    QByteArray oversized = good;
    const int data = int(qFromLittleEndian<quint32>(good.constData() + 8));
    qToLittleEndian<quint32>(0x7FFFFFFF, oversized.data() + data + 4);
    EXPECT_FALSE(CregFile(oversized).stringValue(ShellFolders, QStringLiteral("Startup")));
}
