#include "app/machinecaption.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

platform::Machine machineWithDriveC(const QString& folder, const QString& location)
{
    return platform::Machine::fromIniText(folder,
        ("[Drives]\nC=" + location + ",fixed\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\n")
            .toUtf8());
}

} // namespace

TEST(MachineCaption, NamesTheImageOrAnOtherMachineFolderAndSaysReadOnly)
{
    QTemporaryDir home;
    const QString defaultFolder = home.filePath(QStringLiteral("machine"));
    QDir().mkpath(defaultFolder + QStringLiteral("/drive_c"));
    const platform::Machine standard = machineWithDriveC(defaultFolder, QStringLiteral("drive_c"));
    EXPECT_EQ(machineCaption(standard, defaultFolder + u'/'), QString());
    EXPECT_EQ(mainWindowTitle(QString()), QStringLiteral("Bootcanvas"));

    const QString other = home.filePath(QStringLiteral("win98-on-disk"));
    QDir().mkpath(other + QStringLiteral("/drive_c"));
    EXPECT_EQ(machineCaption(machineWithDriveC(other, QStringLiteral("drive_c")), defaultFolder), other);

    const QString image = home.filePath(QStringLiteral("vms/Win 98.img"));
    QDir().mkpath(home.filePath(QStringLiteral("vms")));
    QFile file(image);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const platform::Machine onImage = machineWithDriveC(home.filePath(QStringLiteral("images/w")), image);
    EXPECT_EQ(machineCaption(onImage, defaultFolder), QStringLiteral("Win 98.img"));
    EXPECT_EQ(
        mainWindowTitle(machineCaption(onImage, defaultFolder)), QStringLiteral("Win 98.img - Bootcanvas"));

    // Without a write bit the image is never written, not even by root.
    file.setPermissions(QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_EQ(machineCaption(onImage, defaultFolder), QStringLiteral("Win 98.img (read-only)"));
}
