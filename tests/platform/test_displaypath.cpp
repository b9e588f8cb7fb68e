#include "support/testmachine.h"

#include "platform/displaypath.h"
#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::pathForDisplay;
using platform::pathFromDisplay;

TEST(DisplayPath, DrivesTheImagedWindowsLacksShowAsHostPathsAndReadBack)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("library/Sunrise"));
    const QString library = dir.filePath(QStringLiteral("library"));
    QFile image(dir.filePath(QStringLiteral("win98.img"))); // a drive location that is a file is an image
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.close();
    const QByteArray ini = "[Drives]\nC=" + dir.filePath(QStringLiteral("win98.img")).toUtf8() + ",fixed\nP="
        + library.toUtf8() + ",fixed\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\nProgram=P:\\\n";
    platform::setCurrentMachine(platform::Machine::fromIniText(dir.path(), ini));

    EXPECT_EQ(pathForDisplay(QStringLiteral("P:\\")), library + u'/');
    EXPECT_EQ(pathForDisplay(QStringLiteral("p:\\sunrise\\")), library + QStringLiteral("/Sunrise/"));
    EXPECT_EQ(pathForDisplay(QStringLiteral("C:\\WINDOWS\\")), QStringLiteral("C:\\WINDOWS\\"));
    EXPECT_EQ(pathForDisplay(QString()), QString());

    EXPECT_EQ(pathFromDisplay(library + u'/'), QStringLiteral("P:\\"));
    EXPECT_EQ(pathFromDisplay(library + QStringLiteral("/Sunrise")), QStringLiteral("P:\\Sunrise"));
    EXPECT_EQ(pathFromDisplay(QStringLiteral("C:\\WINDOWS")), QStringLiteral("C:\\WINDOWS"));
    // No drive holds it: left as typed, for the caller's own check to refuse.
    EXPECT_EQ(pathFromDisplay(QStringLiteral("/no/drive/here")), QStringLiteral("/no/drive/here"));

    // A machine on host folders is the Windows installation itself: its paths stay Windows paths.
    TestMachine onFolders;
    EXPECT_EQ(pathForDisplay(QStringLiteral("C:\\Program Files\\Bootcanvas\\")),
        QStringLiteral("C:\\Program Files\\Bootcanvas\\"));
}
