#include "installfixture.h"

#include "app/imagemachine.h"
#include "app/registrylayer.h"
#include "diskimage/imagedrives.h"
#include "install/companionsession.h"
#include "install/screeninstall.h"
#include "install/screentargets.h"
#include "platform/machine.h"
#include "support/imagemachine.h"
#include "support/scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{

QString registeredSet()
{
    const QString value
        = ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"))
              .toString();
    return value.left(value.indexOf(QChar(0))); // REG_SZ data ends in its NUL
}

QByteArray hostBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool installationPending()
{
    return QFileInfo::exists(platform::currentMachine().folder() + QStringLiteral("/pending-installation"));
}

} // namespace

using InstallTransaction = InstallTest;

// A host folder's installation cut short after its first screen: the next command finishes it.
TEST_F(InstallTransaction, AnInstallationCutShortOnAHostFolderIsFinishedByTheNextCommand)
{
    const QList<ScreenContent> screens { { startupScreenTarget(), screenBytes(10) },
        { waitScreenTarget(), screenBytes(11) }, { shutdownScreenTarget(), std::nullopt } };
    machine.writeFile(shutdownScreenTarget(), "old shutdown");
    recordInstallIntent({ QStringLiteral("Ocean"), screens });
    machine.writeFile(startupScreenTarget(), screenBytes(10)); // where the command was killed

    EXPECT_EQ(finishInterruptedInstall(), QStringLiteral("Ocean"));
    EXPECT_EQ(machine.readFile(waitScreenTarget()), screenBytes(11));
    EXPECT_FALSE(machine.exists(shutdownScreenTarget()));
    EXPECT_EQ(registeredSet(), QStringLiteral("Ocean"));
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Ocean"));
    EXPECT_FALSE(installationPending());
    EXPECT_EQ(finishInterruptedInstall(), std::nullopt);
}

// A record whose screens are missing was cut short before it was whole: nothing to finish.
TEST_F(InstallTransaction, ARecordWithoutItsScreensIsDroppedAndChangesNothing)
{
    machine.writeFile(startupScreenTarget(), "old startup");
    recordInstallIntent({ QStringLiteral("Ocean"), { { startupScreenTarget(), screenBytes(10) } } });
    QFile::remove(platform::currentMachine().folder() + QStringLiteral("/pending-installation/screen1.bin"));

    EXPECT_EQ(finishInterruptedInstall(), std::nullopt);
    EXPECT_EQ(machine.readFile(startupScreenTarget()), "old startup");
    EXPECT_FALSE(installationPending());
}

// The default machine's library on a disk image opened as --image opens it.
class ImageTransaction : public ::testing::TestWithParam<TestImage::Layout>
{
protected:
    void SetUp() override
    {
        if (!TestImage::toolsAvailable())
            GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
        image = std::make_unique<TestImage>(GetParam());
        useImageMachine(image->path());
        openCompanionMachine();
        loadCompanionSettings();
    }

    diskimage::ImageDrive& drive() const { return diskimage::openImageDrive(image->path(), 0); }
    QByteArray libraryScreen(const QString& relative) const
    {
        return hostBytes(platform::defaultMachineFolder()
            + QStringLiteral("/drive_c/Program Files/Bootcanvas/") + relative);
    }

    QTemporaryDir dataHome;
    ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
    ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", QString() };
    std::unique_ptr<TestImage> image;
};

TEST_P(ImageTransaction, ANearlyFullImageIsRefusedWholeWithOneMessage)
{
    installNamedSet(QStringLiteral("Deep Ocean"));
    // Room for one or two screens of a set, not for three.
    const qint64 screen = libraryScreen(QStringLiteral("Meadow.sls/LOGO.SYS")).size();
    const qint64 free = drive().volume().freeBytes();
    image->put(QStringLiteral("FILLER.BIN"), QByteArray(free - 2 * screen - 16 * 1024, 'f'));
    const QByteArray before = image->bytes();

    try {
        installNamedSet(QStringLiteral("Meadow.sls"));
        ADD_FAILURE() << "installed into a full image";
    } catch (const std::exception& error) {
        const QString message = QString::fromStdString(error.what());
        EXPECT_TRUE(message.contains(image->path())) << error.what();
        EXPECT_TRUE(message.contains(QStringLiteral("missing"))) << error.what();
    }
    EXPECT_EQ(image->bytes(), before);
    EXPECT_EQ(registeredSet(), QStringLiteral("Deep Ocean"));
    EXPECT_FALSE(installationPending());
}

// Cut short after the first in-place write (the staged entries gone, their clusters lost, no
// target changed yet): the next command repairs the image, finishes the set and names it.
TEST_P(ImageTransaction, AnImageInstallationCutShortIsFinishedByTheNextCommand)
{
    installNamedSet(QStringLiteral("Deep Ocean"));
    drive().stopReplacementsAfterStep(1);
    EXPECT_THROW(installNamedSet(QStringLiteral("Meadow.sls")), std::exception);
    drive().stopReplacementsAfterStep(0);
    EXPECT_TRUE(installationPending());
    EXPECT_EQ(registeredSet(), QStringLiteral("Deep Ocean")); // not named before its screens are in

    EXPECT_EQ(finishInterruptedInstall(), QStringLiteral("Meadow.sls"));
    EXPECT_EQ(registeredSet(), QStringLiteral("Meadow.sls"));
    EXPECT_EQ(image->get(QStringLiteral("LOGO.SYS")), libraryScreen(QStringLiteral("Meadow.sls/LOGO.SYS")));
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), libraryScreen(QStringLiteral("LOGOW.SYS")));
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOS.SYS")), libraryScreen(QStringLiteral("LOGOS.SYS")));
    EXPECT_EQ(image->fsckProblems(), QString());
    EXPECT_TRUE(image->get(QStringLiteral("FSCK0000.REC")).isEmpty()); // our staged screens are not kept
    EXPECT_FALSE(installationPending());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImageTransaction, ::testing::Values(TestImage::Layout::Fat16, TestImage::Layout::Fat32));
