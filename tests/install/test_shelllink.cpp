#include "app/defaultmachine.h"
#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

quint32 at32(const QByteArray& bytes, qsizetype offset)
{
    return offset + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + offset) : 0xFFFFFFFF;
}

// The target a shell finds in a link, or empty when any size, offset or string runs astray.
QString linkTarget(const QByteArray& bytes)
{
    if (at32(bytes, 0) != 0x4C || bytes.mid(4, 16) != QByteArray::fromHex("0114020000000000c000000000000046"))
        return {};
    const quint32 flags = at32(bytes, 20);
    const QByteArray info = bytes.mid(0x4C, at32(bytes, 0x4C));
    if (!(flags & 0x02) || at32(info, 4) != 0x1C || !(at32(info, 8) & 1))
        return {};
    qsizetype position = 0x4C + info.size();
    for (quint32 flag : { 0x04u, 0x08u, 0x10u, 0x20u })
        if (flags & flag)
            position += 2 + qFromLittleEndian<quint16>(bytes.constData() + position);
    if (position + 4 != bytes.size() || at32(bytes, position) != 0)
        return {};
    return QString::fromLatin1(info.mid(at32(info, 16)).constData());
}

} // namespace

TEST(StartupShortcuts, DefaultMachineSuppliesLinksToItsMappedCompanionPrograms)
{
    QTemporaryDir folder;
    createDefaultMachine(folder.path());
    const QDir program(folder.filePath(QStringLiteral("drive_c/Program Files/Bootcanvas")));
    for (const char* name : { "Shufflet", "Cyclette" }) {
        QFile link(program.filePath(QLatin1String(name) + QStringLiteral(".lnk")));
        ASSERT_TRUE(link.open(QIODevice::ReadOnly)) << name;
        const QString exe = QStringLiteral("C:\\Program Files\\Bootcanvas\\%1.exe")
                                .arg(QString::fromLatin1(name).toLower());
        EXPECT_EQ(linkTarget(link.readAll()), exe);
        EXPECT_FALSE(platform::currentMachine().hostProgramFor(exe).isEmpty()) << name;
    }
    EXPECT_FALSE(platform::currentMachine()
                     .hostProgramFor(QStringLiteral("C:\\Program Files\\Bootcanvas\\tandemist.exe"))
                     .isEmpty());
}
