#include "app/defaultmachine.h"
#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "install/shelllink.h"
#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

// Reads back what a Windows shell needs from a link: its flags, the target's local path and the
// strings, checking every size and offset on the way.
struct ReadLink {
    quint32 flags = 0;
    QString localPath;
    QStringList strings;
    bool complete = false;
};

quint32 at32(const QByteArray& bytes, qsizetype offset)
{
    return offset + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + offset) : 0xFFFFFFFF;
}

ReadLink readLink(const QByteArray& bytes)
{
    ReadLink link;
    const QByteArray classId = QByteArray::fromHex("0114020000000000c000000000000046");
    if (at32(bytes, 0) != 0x4C || bytes.mid(4, 16) != classId)
        return link;
    link.flags = at32(bytes, 20);
    qsizetype position = 0x4C;
    if (link.flags & 0x02) {
        const quint32 size = at32(bytes, position);
        const QByteArray info = bytes.mid(position, size);
        if (info.size() != qsizetype(size) || at32(info, 4) != 0x1C || (at32(info, 8) & 1) == 0)
            return link;
        const quint32 baseOffset = at32(info, 16);
        link.localPath = QString::fromLatin1(info.mid(baseOffset).constData());
        position += size;
    }
    for (quint32 flag : { 0x04u, 0x08u, 0x10u, 0x20u }) {
        if (!(link.flags & flag))
            continue;
        if (position + 2 > bytes.size())
            return link;
        const quint16 count = qFromLittleEndian<quint16>(bytes.constData() + position);
        link.strings << QString::fromLatin1(bytes.mid(position + 2, count));
        position += 2 + count;
    }
    link.complete = position + 4 == bytes.size() && at32(bytes, position) == 0;
    return link;
}

} // namespace

TEST(ShellLink, HoldsTheTargetAndItsStringsInTheShellsLayout)
{
    ShellLink link;
    link.target = QStringLiteral("C:\\Program Files\\Bootcanvas\\shufflet.exe");
    link.description = QStringLiteral("Shufflet");
    link.relativePath = QStringLiteral(".\\shufflet.exe");
    link.arguments = QStringLiteral("/quiet");
    const ReadLink read = readLink(shellLinkBytes(link));

    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.localPath, link.target);
    EXPECT_EQ(read.strings, QStringList({ link.description, link.relativePath, link.arguments }));
    EXPECT_EQ(read.flags & 0x10, 0u); // no working folder was given
}

TEST(ShellLink, DefaultMachineSuppliesBothStartupShortcutsAndMapsTheirPrograms)
{
    QTemporaryDir folder;
    createDefaultMachine(folder.path());
    const QDir program(folder.filePath(QStringLiteral("drive_c/Program Files/Bootcanvas")));
    for (const char* name : { "Shufflet", "Cyclette" }) {
        QFile file(program.filePath(QLatin1String(name) + QStringLiteral(".lnk")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        const ReadLink read = readLink(bytes);
        const QString exe = QStringLiteral("C:\\Program Files\\Bootcanvas\\")
            + QString::fromLatin1(name).toLower() + QStringLiteral(".exe");
        EXPECT_TRUE(read.complete) << name;
        EXPECT_EQ(read.localPath, exe);
        EXPECT_FALSE(platform::currentMachine().hostProgramFor(exe).isEmpty()) << name;

        const QString fileTool = QStandardPaths::findExecutable(QStringLiteral("file"));
        if (!fileTool.isEmpty()) {
            QProcess identify;
            identify.start(fileTool, { QStringLiteral("-b"), file.fileName() });
            identify.waitForFinished();
            EXPECT_TRUE(identify.readAllStandardOutput().contains("MS Windows shortcut")) << name;
        }
    }
    EXPECT_FALSE(platform::currentMachine()
                     .hostProgramFor(QStringLiteral("C:\\Program Files\\Bootcanvas\\tandemist.exe"))
                     .isEmpty());
    EXPECT_EQ(
        CutAtNull(ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"))
                      .toString()),
        QStringLiteral("Sunrise"));
}
