#include "installfixture.h"

#include "app/imagemachine.h"
#include "app/registrylayer.h"
#include "diskimage/imagedrives.h"
#include "diskimage/mtools.h"
#include "install/companionsession.h"
#include "install/screendebris.h"
#include "install/screeninstall.h"
#include "install/screentargets.h"
#include "platform/fileerror.h"
#include "platform/files.h"
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

// A record is read back only up to its limit; one that would be longer is never written, so a
// cut installation is never left with a record the next command drops.
TEST_F(InstallTransaction, ARecordPastItsLengthLimitIsNeitherWrittenNorRead)
{
    const auto kept = [](int) { return std::optional<QByteArray>("screen"); };
    const QByteArray tail = "\n[Screen1]\nTarget=C:\\LOGO.SYS\n";
    QByteArray record = "[Installation]\nNamesSet=1\nScreens=1\nSet=";
    const qsizetype nameLength = MaxInstallRecordBytes - record.size() - tail.size();
    record += QByteArray(nameLength, 'n') + tail;
    const std::optional<InstallIntent> longest = parseInstallIntent(record, kept);
    ASSERT_TRUE(longest && longest->setName);
    EXPECT_EQ(longest->setName->size(), nameLength);
    EXPECT_EQ(parseInstallIntent(record.insert(50, 'n'), kept), std::nullopt);

    const QString tooLong(MaxInstallRecordBytes, u'n');
    EXPECT_THROW(recordInstallIntent({ tooLong, { { startupScreenTarget(), screenBytes(10) } } }),
        platform::FileError);
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
    QString libraryPath(const QString& relative) const
    {
        return platform::defaultMachineFolder() + QStringLiteral("/drive_c/Program Files/Bootcanvas/")
            + relative;
    }
    QByteArray libraryScreen(const QString& relative) const { return hostBytes(libraryPath(relative)); }
    // What installing `set` puts in place: its own screens, else the logo folder's.
    QList<ScreenContent> setScreens(const QString& set) const
    {
        QList<ScreenContent> screens;
        const QStringList targets { startupScreenTarget(), waitScreenTarget(), shutdownScreenTarget() };
        for (int i = 0; i < targets.size(); ++i) {
            const QString own = set + u'/' + AllScreens[i];
            screens.append(
                { targets[i], libraryScreen(QFileInfo::exists(libraryPath(own)) ? own : AllScreens[i]) });
        }
        return screens;
    }

    // A file of the user's whose entry is deleted while its clusters stay taken: a lost chain that
    // is not ours. Returns its bytes.
    QByteArray loseUserFile(const QString& name) const
    {
        const QByteArray notes = QByteArray("the user's own notes\n").repeated(300);
        image->put(name, notes);
        const diskimage::FatEntry entry = *drive().volume().find({ name });
        QFile raw(image->path());
        EXPECT_TRUE(raw.open(QIODevice::ReadWrite));
        for (const qint64 offset : drive().volume().slotOffsets(entry)) {
            raw.seek(offset);
            raw.write("\xE5", 1);
        }
        return notes;
    }
    QStringList recoveredFiles() const
    {
        QStringList names;
        for (const diskimage::FatEntry& entry :
            drive().volume().listFolder({}).value_or(QList<diskimage::FatEntry>()))
            if (entry.name.startsWith(QStringLiteral("FSCK"), Qt::CaseInsensitive))
                names.append(entry.name);
        return names;
    }

    // One message naming the image and what is missing, and nothing left to finish.
    void expectRefusedAsTooFull(const QString& set) const
    {
        try {
            installNamedSet(set);
            ADD_FAILURE() << "installed into a full image";
        } catch (const std::exception& error) {
            const QString message = QString::fromStdString(error.what());
            EXPECT_TRUE(message.contains(image->path())) << error.what();
            EXPECT_TRUE(message.contains(QStringLiteral("missing"))) << error.what();
        }
        EXPECT_FALSE(installationPending());
    }

    const QStringList InstalledScreens = { QStringLiteral("LOGO.SYS"), QStringLiteral("WINDOWS/LOGOW.SYS"),
        QStringLiteral("WINDOWS/LOGOS.SYS") };
    QTemporaryDir dataHome;
    ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
    ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", QString() };
    std::unique_ptr<TestImage> image;
};

// Old screens that free next to nothing: room for two new screens, not for three.
TEST_P(ImageTransaction, ANearlyFullImageIsRefusedWholeWithOneMessage)
{
    installNamedSet(QStringLiteral("Deep Ocean"));
    for (const QString& screen : InstalledScreens)
        image->put(screen, "a small screen of the user's");
    const qint64 screen = libraryScreen(QStringLiteral("Meadow.sls/LOGO.SYS")).size();
    const qint64 free = drive().volume().freeBytes();
    image->put(QStringLiteral("FILLER.BIN"), QByteArray(free - 2 * screen - 16 * 1024, 'f'));
    const QByteArray before = image->bytes();

    expectRefusedAsTooFull(QStringLiteral("Meadow.sls"));
    EXPECT_EQ(image->bytes(), before);
    EXPECT_EQ(registeredSet(), QStringLiteral("Deep Ocean"));
}

// Cut short after the first in-place write (the staged entries gone, the new screens' clusters
// lost, no target changed yet), the next command repairs the image, finishes the set and names it.
// Stopped after the second (the targets on the new screens, the old ones' clusters lost), the
// engine ends as if all went well; a plain repair then still knows the old screens for ours. Either
// way our lost screens are freed, not kept as recovered files, while a lost chain of the user's is.
TEST_P(ImageTransaction, AnImageInstallationCutShortLeavesNoDebrisAfterTheNextCommandOrARepair)
{
    const QStringList sets { QStringLiteral("Deep Ocean"), QStringLiteral("Meadow.sls") };
    installNamedSet(sets[0]);
    for (const int step : { 1, 2 }) {
        const QString set = sets[step % 2], before = sets[1 - step % 2];
        drive().stopReplacementsAfterStep(step);
        try {
            installNamedSet(set);
        } catch (const std::exception&) {
        }
        drive().stopReplacementsAfterStep(0);
        const QByteArray notes = loseUserFile(QStringLiteral("NOTES%1.TXT").arg(step));
        if (step == 1) {
            EXPECT_TRUE(installationPending());
            EXPECT_EQ(registeredSet(), before) << "named before its screens are in";
            EXPECT_EQ(finishInterruptedInstall(), set);
        } else {
            EXPECT_FALSE(installationPending());
            EXPECT_FALSE(repairImagesDroppingScreenDebris().first().report.wasClean);
        }
        EXPECT_EQ(registeredSet(), set);
        for (const ScreenContent& screen : setScreens(set))
            EXPECT_EQ(platform::readFile(screen.target, screen.data->size()), *screen.data)
                << "step " << step << ": " << qPrintable(screen.target);
        EXPECT_EQ(image->fsckProblems(), QString()) << "step " << step;
        EXPECT_FALSE(installationPending());
        // fsck.fat keeps what it cannot name; only that was recovered.
        const QStringList recovered = recoveredFiles();
        ASSERT_EQ(recovered.size(), 1) << "step " << step << ": " << qPrintable(recovered.join(u' '));
        EXPECT_TRUE(image->get(recovered[0]).startsWith(notes)) << "step " << step;
        drive().change(QStringLiteral("mdel"), { diskimage::Mtools::volumePath({ recovered[0] }) }, false);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImageTransaction, ::testing::Values(TestImage::Layout::Fat16, TestImage::Layout::Fat32));
