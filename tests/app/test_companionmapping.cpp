#include "app/companionmapping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QString Installed = QStringLiteral("/usr/bin");

QByteArray withInstalledCompanions(const QByteArray& ini)
{
    return withCompanionsIn(ini, Installed);
}

} // namespace

TEST(CompanionMapping, MovesEveryCompanionLineToTheInstalledBinaries)
{
    const QByteArray older = "[Drives]\r\nC=drive_c,fixed\r\n\r\n[programs]\r\n"
                             "P:\\tandemist.exe=/home/me/src/build/tools/tandemist\r\n"
                             "C:\\Program Files\\Bootcanvas\\SHUFFLET.EXE = /opt/old/shufflet \r\n"
                             "C:\\Program Files\\Bootcanvas\\cyclette.exe=/usr/bin/cyclette\r\n"
                             "C:\\WINDOWS\\pbrush.exe=/usr/bin/kolourpaint\r\n";
    EXPECT_EQ(withInstalledCompanions(older),
        QByteArray("[Drives]\r\nC=drive_c,fixed\r\n\r\n[programs]\r\n"
                   "P:\\tandemist.exe=/usr/bin/tandemist\r\n"
                   "C:\\Program Files\\Bootcanvas\\SHUFFLET.EXE = /usr/bin/shufflet \r\n"
                   "C:\\Program Files\\Bootcanvas\\cyclette.exe=/usr/bin/cyclette\r\n"
                   "C:\\WINDOWS\\pbrush.exe=/usr/bin/kolourpaint\r\n"));
}

TEST(CompanionMapping, LeavesWhatIsNotTheProgramsOwnMapping)
{
    const QByteArray ini = "[Online]\nP:\\tandemist.exe=/elsewhere/tandemist\n"
                           "[Programs]\n"
                           "P:\\shufflet.exe=/usr/local/bin/my-shuffler\n" // the user's own program
                           "P:\\cyclette.exe=/opt/cyclette --verbose\n" // a command with arguments
                           "P:\\othertandemist.exe=/opt/tandemist\n"
                           "; P:\\tandemist.exe=/opt/tandemist\n"
                           "P:\\tandemist.exe=/usr/bin/tandemist";
    EXPECT_EQ(withInstalledCompanions(ini), ini);
}

TEST(CompanionMapping, RewritesTheMachineFileOnlyWithAnInstalledFolder)
{
    QTemporaryDir machine;
    const QString ini = QDir(machine.path()).filePath(QStringLiteral("machine.ini"));
    const QByteArray older = "[Programs]\nP:\\tandemist.exe=/build/tools/tandemist\n";
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(older);
    file.close();

    moveCompanionMapping(machine.path(), QString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), older);
    file.close();

    moveCompanionMapping(machine.path(), Installed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Programs]\nP:\\tandemist.exe=/usr/bin/tandemist\n"));
}

TEST(CompanionMapping, ABuildTreeIsNoInstallation)
{
    // The test programs lie in the build tree, where the companions are in tools/.
    EXPECT_EQ(installedCompanionFolder(), QString());
}
