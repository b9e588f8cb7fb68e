// bootcanvas-cli commands started together on one machine, as real processes.
#include "climachine.h"

namespace
{

class CliWriters : public CliMachine
{
protected:
    void SetUp() override
    {
        CliMachine::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(finish(start({ QStringLiteral("current") })), 0);
    }

    QString drive() const { return home.filePath(QStringLiteral("bootcanvas/machine/drive_c/")); }
};

} // namespace

TEST_F(CliWriters, TwoInstallsStartedTogetherNeverMixTheirSets)
{
    const QStringList sets { QStringLiteral("Deep Ocean"), QStringLiteral("Meadow.sls") };
    ASSERT_NE(screenOf(sets[0], InstalledScreens[0]), screenOf(sets[1], InstalledScreens[0]));
    for (int round = 0; round < 20; ++round) {
        const auto first = start({ QStringLiteral("install"), sets[round % 2] });
        const auto second = start({ QStringLiteral("install"), sets[1 - round % 2] });
        EXPECT_EQ(finish(first), 0) << first->readAllStandardError().toStdString();
        EXPECT_EQ(finish(second), 0) << second->readAllStandardError().toStdString();

        const QString named = installedSet();
        ASSERT_TRUE(sets.contains(named)) << qPrintable(named);
        for (const QString& screen : InstalledScreens)
            EXPECT_EQ(bytesOf(drive() + screen), screenOf(named, screen))
                << "round " << round << ": " << qPrintable(screen) << " is not of " << qPrintable(named);
    }
}
