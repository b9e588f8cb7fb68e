#include "app/imagemachine.h"
#include "app/settings.h"
#include "diskimage/imageexport.h"
#include "images/grafica.h"
#include "install/bootoptions.h"
#include "install/companionregistration.h"
#include "install/companionsession.h"
#include "install/installedset.h"
#include "install/originalscreens.h"
#include "platform/fileerror.h"
#include "platform/launcher.h"
#include "platform/machine.h"
#include "sets/libraryscan.h"
#include "support/imagemachine.h"
#include "support/scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

QByteArray hostBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString libraryFile(const QString& relative)
{
    return platform::defaultMachineFolder() + QStringLiteral("/drive_c/Program Files/Bootcanvas/") + relative;
}

} // namespace

// Every kind of image, opened as --image opens it, with the default machine's library on the host.
class ImageInstall : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        if (!TestImage::toolsAvailable())
            GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
        const QString kind = QString::fromLatin1(GetParam());
        raw = std::make_unique<TestImage>(kind == QLatin1String("fat32") ? TestImage::Layout::Fat32
                : kind == QLatin1String("fat12")                         ? TestImage::Layout::Fat12
                                                                         : TestImage::Layout::Fat16);
        raw->put(QStringLiteral("LOGO.SYS"), "the user's own startup screen");
        imagePath = raw->path();
        if (kind == QLatin1String("vhd") || kind == QLatin1String("qcow2")) {
            if (!TestImage::qemuImgAvailable())
                GTEST_SKIP() << "qemu-img is missing (Debian package qemu-utils)";
            imagePath = raw->convertedTo(
                kind == QLatin1String("vhd") ? QStringLiteral("vpc") : QStringLiteral("qcow2"));
        }
        try {
            useImageMachine(imagePath);
            openCompanionMachine();
        } catch (const std::exception& error) {
            if (kind == QLatin1String("qcow2"))
                GTEST_SKIP() << "FUSE cannot be used here, so qcow2 images cannot be opened: "
                             << error.what();
            throw;
        }
        loadCompanionSettings();
    }

    // The image as raw bytes after the test's changes (qcow2 converted back).
    TestImage result() const
    {
        if (!imagePath.endsWith(QLatin1String(".qcow2")))
            return TestImage(imagePath, raw->offset());
        const QString back = imagePath + QStringLiteral(".raw");
        runTool(QStringLiteral("qemu-img"),
            { QStringLiteral("convert"), QStringLiteral("-U"), QStringLiteral("-O"), QStringLiteral("raw"),
                imagePath, back });
        return TestImage(back, raw->offset());
    }

    QTemporaryDir dataHome;
    ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
    ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", QString() };
    std::unique_ptr<TestImage> raw;
    QString imagePath;
};

TEST_P(ImageInstall, InstallsSetsShowsThemEditsBootOptionAndRestores)
{
    const platform::Machine& machine = platform::currentMachine();
    EXPECT_EQ(machine.folder(), imageMachineFolder(imagePath));
    EXPECT_EQ(machine.windowsFolder(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_TRUE(librarySets().contains(QStringLiteral("Deep Ocean")));

    EXPECT_EQ(installNamedSet(QStringLiteral("Deep Ocean")), QStringLiteral("Deep Ocean"));
    // A Windows that is not running gets all three screens at once, and no pending copy.
    settings().SynchronizeLogos = 1;
    EXPECT_EQ(installNamedSet(QStringLiteral("Meadow.sls")), QStringLiteral("Meadow.sls"));
    EXPECT_EQ(librarySets().at(installedSetRow(librarySets())), QStringLiteral("Meadow.sls"));
    EXPECT_TRUE(pendingCopyFolder().isEmpty());
    EXPECT_TRUE(systemHoldsSet(QStringLiteral("Meadow.sls")));
    qint32 width = 0, height = 0;
    qint16 bits = 0;
    GetBmpInfo(QStringLiteral("C:\\LOGO.SYS"), width, height, bits); // what the current-setting view reads
    EXPECT_EQ(QList<int>({ width, height, bits }), QList<int>({ 320, 400, 8 }));
    writeLogoOption(QStringLiteral("C:\\MSDOS.SYS"), true, 0);

    {
        const TestImage after = result();
        EXPECT_EQ(after.get(QStringLiteral("LOGO.SYS")),
            hostBytes(libraryFile(QStringLiteral("Meadow.sls/LOGO.SYS"))));
        EXPECT_EQ(after.get(QStringLiteral("WINDOWS/LOGOW.SYS")),
            hostBytes(libraryFile(QStringLiteral("LOGOW.SYS"))));
        EXPECT_EQ(after.get(QStringLiteral("WINDOWS/LOGOS.SYS")),
            hostBytes(libraryFile(QStringLiteral("LOGOS.SYS"))));
        QByteArray msdos = TestImage::msdosSys();
        EXPECT_EQ(after.get(QStringLiteral("MSDOS.SYS")), msdos.replace("Logo=1", "Logo= 0"));
        EXPECT_EQ(after.fsckProblems(), QString());
    }

    restoreOriginalScreens();
    const TestImage restored = result();
    EXPECT_EQ(restored.get(QStringLiteral("LOGO.SYS")), "the user's own startup screen");
    EXPECT_TRUE(restored.get(QStringLiteral("WINDOWS/LOGOW.SYS")).isEmpty()); // it had none
    EXPECT_EQ(restored.fsckProblems(), QString());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ImageInstall, ::testing::Values("fat12", "fat16", "fat32", "vhd", "qcow2"));

using ImageLibrary = ImageMachineTest;

TEST_F(ImageLibrary, ScansALogoFolderInsideTheImage)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    image->makeFolder(QStringLiteral("Program Files/Bootcanvas"));
    for (const char* set : { "Deep Ocean", "beach.sls", "Zebra" })
        image->makeFolder(QStringLiteral("Program Files/Bootcanvas/") + QLatin1String(set));
    image->put(QStringLiteral("Program Files/Bootcanvas/LOGOW.SYS"), "not a set");
    const LibraryScan scan
        = scanLogoLibrary(QStringLiteral("C:\\Program Files\\Bootcanvas\\"), QStringLiteral("deep ocean"));
    ASSERT_EQ(scan.sets.size(), 3);
    EXPECT_EQ(scan.sets[0].name, QStringLiteral("beach.sls"));
    EXPECT_EQ(scan.installedSet, QStringLiteral("Deep Ocean"));
}

TEST(ImageMachinePrograms, CompanionProgramsRunAgainstAnImageMachineAsOnTheDefaultOne)
{
    if (!TestImage::toolsAvailable())
        GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
    const QTemporaryDir dataHome;
    const ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
    const ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", QString() };
    const TestImage image;
    useImageMachine(image.path());
    openCompanionMachine();
    loadCompanionSettings();

    const platform::Machine defaultMachine = platform::Machine::open(platform::defaultMachineFolder());
    const QString registered
        = settings().AppPath + QStringLiteral("tandemist.exe"); // the Run entry's program
    for (const QString& name :
        { QStringLiteral("tandemist"), QStringLiteral("shufflet"), QStringLiteral("cyclette") }) {
        const QString host = defaultMachine.hostProgramFor(
            QStringLiteral("C:\\Program Files\\Bootcanvas\\") + name + ".exe");
        ASSERT_FALSE(host.isEmpty());
        const QString inProgramFolder = settings().AppPath + name + QStringLiteral(".exe");
        EXPECT_EQ(platform::resolveProgramCommand(inProgramFolder, {}).value(0), host) << name.toStdString();
    }
    EXPECT_EQ(platform::resolveProgramCommand(registered, { QStringLiteral("/auto") }),
        QStringList(
            { defaultMachine.hostProgramFor(QStringLiteral("C:\\Program Files\\Bootcanvas\\tandemist.exe")),
                QStringLiteral("/auto") }));
}
