// bootcanvas-cli commands started together on one machine, as real processes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QStringList Screens = { QStringLiteral("LOGO.SYS"), QStringLiteral("WINDOWS/LOGOW.SYS"),
    QStringLiteral("WINDOWS/LOGOS.SYS") };

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class CliWriters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "bootcanvas-cli is not built";
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        environment.remove(QStringLiteral("BOOTCANVAS_MACHINE"));
        ASSERT_EQ(finish(start({ QStringLiteral("current") })), 0);
    }

    std::unique_ptr<QProcess> start(const QStringList& arguments) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(program, arguments);
        return process;
    }
    static int finish(const std::unique_ptr<QProcess>& process)
    {
        process->waitForFinished(60000);
        return process->exitCode();
    }

    QString drive() const { return home.filePath(QStringLiteral("bootcanvas/machine/drive_c/")); }
    // What a set installs: its own screen, or the logo folder's where the set has none.
    QByteArray screenOf(const QString& set, const QString& screen) const
    {
        const QString library = drive() + QStringLiteral("Program Files/Bootcanvas/");
        const QString name = QFileInfo(screen).fileName();
        const QString own = library + set + u'/' + name;
        return bytesOf(QFileInfo::exists(own) ? own : library + name);
    }
    QString installedSet() const
    {
        const auto current = start({ QStringLiteral("current") });
        finish(current);
        const QString output = QString::fromLocal8Bit(current->readAllStandardOutput());
        return output.section(u'\n', 0, 0).section(QStringLiteral(": "), 1);
    }

    const QString program = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

} // namespace

TEST_F(CliWriters, TwoInstallsStartedTogetherNeverMixTheirSets)
{
    const QStringList sets { QStringLiteral("Deep Ocean"), QStringLiteral("Meadow.sls") };
    ASSERT_NE(screenOf(sets[0], Screens[0]), screenOf(sets[1], Screens[0]));
    for (int round = 0; round < 20; ++round) {
        const auto first = start({ QStringLiteral("install"), sets[round % 2] });
        const auto second = start({ QStringLiteral("install"), sets[1 - round % 2] });
        EXPECT_EQ(finish(first), 0) << first->readAllStandardError().toStdString();
        EXPECT_EQ(finish(second), 0) << second->readAllStandardError().toStdString();

        const QString named = installedSet();
        ASSERT_TRUE(sets.contains(named)) << qPrintable(named);
        for (const QString& screen : Screens)
            EXPECT_EQ(bytesOf(drive() + screen), screenOf(named, screen))
                << "round " << round << ": " << qPrintable(screen) << " is not of " << qPrintable(named);
    }
}
