// bootcanvas-cli installs as real processes, on a host-folder machine and on FAT16 and FAT32 disk
// images: killed at many moments, and started two at a time.
#include "climachine.h"
#include "support/testimage.h"

#include <QElapsedTimer>
#include <QThread>

namespace
{

enum class MachineKind { HostFolder, Fat16Image, Fat32Image };

std::string kindName(const ::testing::TestParamInfo<MachineKind>& kind)
{
    switch (kind.param) {
    case MachineKind::HostFolder:
        return "HostFolder";
    case MachineKind::Fat16Image:
        return "Fat16Image";
    case MachineKind::Fat32Image:
        return "Fat32Image";
    }
    return {};
}

class CliWriters : public CliMachine, public ::testing::WithParamInterface<MachineKind>
{
protected:
    void SetUp() override
    {
        CliMachine::SetUp();
        if (IsSkipped())
            return;
        if (GetParam() != MachineKind::HostFolder) {
            if (!TestImage::toolsAvailable())
                GTEST_SKIP()
                    << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
            useOwnRuntimeFolder();
            image = std::make_unique<TestImage>(
                GetParam() == MachineKind::Fat16Image ? TestImage::Layout::Fat16 : TestImage::Layout::Fat32,
                40);
        }
        // The default machine holds the library an image's machine installs from.
        ASSERT_EQ(run({ QStringLiteral("current") }).exitCode, 0);
        ASSERT_NE(screenOf(sets[0], InstalledScreens[0]), screenOf(sets[1], InstalledScreens[0]));
    }

    QString imagePath() const { return image ? image->path() : QString(); }
    std::unique_ptr<QProcess> install(const QString& set) const
    {
        return start({ QStringLiteral("install"), set }, imagePath());
    }
    QByteArray installed(const QString& screen) const
    {
        return image ? image->get(screen)
                     : bytesOf(home.filePath(QStringLiteral("bootcanvas/machine/drive_c/")) + screen);
    }
    // What fsck.fat finds wrong in the image, and the files it recovered into its root.
    QString fileSystemProblems() const
    {
        if (!image)
            return {};
        const QString recovered = image->get(QStringLiteral("FSCK0000.REC")).isEmpty()
            ? QString()
            : QStringLiteral("FSCK0000.REC kept");
        return image->fsckProblems() + recovered;
    }
    // The set the next command names, after it finished what a cut left; it must be whole.
    void expectOneWholeSet(const std::string& when) const
    {
        const QString named = installedSet(imagePath());
        ASSERT_TRUE(sets.contains(named)) << when << ": " << qPrintable(named);
        for (const QString& screen : InstalledScreens)
            EXPECT_EQ(installed(screen), screenOf(named, screen))
                << when << ": " << qPrintable(screen) << " is not of " << qPrintable(named);
        EXPECT_EQ(fileSystemProblems(), QString()) << when;
    }

    const QStringList sets { QStringLiteral("Deep Ocean"), QStringLiteral("Meadow.sls") };
    std::unique_ptr<TestImage> image;
};

} // namespace

TEST_P(CliWriters, AnInstallKilledAtAnyMomentLeavesOneWholeSetAndItsName)
{
    ASSERT_EQ(finish(install(sets[0])), 0);
    // How long a whole installation takes, so the kills fall across its length.
    QElapsedTimer clock;
    clock.start();
    const auto whole = install(sets[1]);
    ASSERT_EQ(finish(whole), 0) << whole->readAllStandardError().toStdString();
    const qint64 length = clock.elapsed();

    // From before the first write to just past the end, where the cut may miss altogether.
    constexpr int Moments = 12;
    for (int moment = 0; moment < Moments; ++moment) {
        const auto cut = install(sets[moment % 2]);
        QThread::msleep(length * moment / (Moments - 2));
        cut->kill();
        cut->waitForFinished(10000);
        expectOneWholeSet("moment " + std::to_string(moment));
    }
}

TEST_P(CliWriters, TwoInstallsStartedTogetherNeverMixTheirSets)
{
    for (int round = 0; round < 20; ++round) {
        const auto first = install(sets[round % 2]);
        const auto second = install(sets[1 - round % 2]);
        EXPECT_EQ(finish(first), 0) << first->readAllStandardError().toStdString();
        EXPECT_EQ(finish(second), 0) << second->readAllStandardError().toStdString();
        expectOneWholeSet("round " + std::to_string(round));
    }
}

INSTANTIATE_TEST_SUITE_P(Machines, CliWriters,
    ::testing::Values(MachineKind::HostFolder, MachineKind::Fat16Image, MachineKind::Fat32Image), kindName);
