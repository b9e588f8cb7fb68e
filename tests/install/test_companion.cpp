#include "installfixture.h"

#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "install/companioncommands.h"
#include "install/companionregistration.h"
#include "install/companionsession.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "support/scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

void writeSetting(const QString& name, const QString& value)
{
    CreateRegKey(platform::HKEY_LOCAL_MACHINE, SettingsKey);
    WriteRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, name, value, platform::REG_SZ);
}

const QString Tools = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/");

struct ProgramRun {
    int exitCode = -1;
    QString output, errors;
};

ProgramRun runProgram(const QString& name, const QStringList& arguments)
{
    QProcess process;
    process.start(Tools + name, arguments);
    process.waitForFinished(30000);
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

QString errorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const CompanionError& error) {
        return error.message();
    }
    return {};
}

} // namespace

// The companion programs work on the machine that BOOTCANVAS_MACHINE names; the user's own
// default machine stays out of reach.
class Companion : public ::testing::Test
{
protected:
    void TearDown() override
    {
        setMsgBoxResponder({});
        resetSettings();
    }
    void addSet(const QString& name, int shade)
    {
        for (const QString& screen : AllScreens)
            machine.writeFile(Program + name + QLatin1Char('\\') + screen, screenBytes(shade++));
    }

    TestMachine machine;
    ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", machine.folder() };
    QTemporaryDir dataHome;
    ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
};

TEST_F(Companion, MissingOrDamagedMachineSettingsAndLibraryAreReported)
{
    {
        QTemporaryDir empty;
        ScopedEnvironment nowhere("BOOTCANVAS_MACHINE", empty.path());
        EXPECT_FALSE(errorOf(openCompanionMachine).isEmpty());
    }
    EXPECT_TRUE(errorOf(openCompanionMachine).isEmpty());
    EXPECT_TRUE(errorOf(loadCompanionSettings).contains(QLatin1String("no Bootcanvas settings")));
    writeSetting(QStringLiteral("LogoPath"), QStringLiteral("C:\\Gone\\"));
    EXPECT_TRUE(errorOf(loadCompanionSettings).contains(QLatin1String("C:\\Gone\\")));
    writeSetting(QStringLiteral("LogoPath"), Program);
    EXPECT_TRUE(errorOf(loadCompanionSettings).isEmpty());
    EXPECT_TRUE(errorOf([] { librarySets(); }).contains(QLatin1String("no logo set")));

    QFile hive(QDir(machine.folder()).filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly | QIODevice::Truncate));
    hive.write("this is not a registry file\n");
    hive.close();
    EXPECT_FALSE(errorOf(openCompanionMachine).isEmpty());
}

TEST_F(Companion, ProgramsChangeTheSetAndReportFailuresInOneLine)
{
    const QString tools = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/");
    for (const char* name : { "shufflet", "cyclette", "tandemist" })
        if (!QFileInfo(tools + QLatin1String(name)).isExecutable())
            GTEST_SKIP() << "the companion programs are not built";
    addSet(QStringLiteral("Ocean"), 10);
    addSet(QStringLiteral("Sunrise"), 20);
    writeSetting(QStringLiteral("DefaultLogoSet"), QStringLiteral("sunrise"));
    QString output;
    const auto run = [&](const char* name, const QStringList& arguments = {}) {
        QProcess process;
        process.start(tools + QLatin1String(name), arguments);
        process.waitForFinished(30000);
        output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        return process.exitCode();
    };
    const auto installed = [] {
        return CutAtNull(
            ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"))
                .toString());
    };

    EXPECT_EQ(run("cyclette"), 0) << output.toStdString(); // wraps round to the first set
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(10));
    EXPECT_EQ(installed(), QStringLiteral("Ocean"));
    EXPECT_EQ(run("shufflet"), 0) << output.toStdString();
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOS.SYS")), screenBytes(22));
    EXPECT_EQ(installed(), QStringLiteral("Sunrise"));

    // Synchronising leaves the wait and shutdown screens to tandemist, which copies them once.
    writeSetting(QStringLiteral("Synchronize logos"), QStringLiteral("1"));
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), "old wait");
    platform::SetAttr(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), platform::vbReadOnly);
    EXPECT_EQ(run("cyclette"), 0) << output.toStdString();
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")), QByteArray("old wait"));
    EXPECT_EQ(run("tandemist", { QStringLiteral("/auto") }), 0) << output.toStdString();
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")), screenBytes(11));
    EXPECT_FALSE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());
    EXPECT_EQ(run("tandemist", { QStringLiteral("/auto") }), 1);
    EXPECT_TRUE(output.startsWith(QLatin1String("tandemist: ")) && output.count(QLatin1Char('\n')) == 1)
        << output.toStdString();
    EXPECT_EQ(run("tandemist"), 2);
    QFile::remove(QDir(machine.folder()).filePath(QStringLiteral("machine.ini")));
    EXPECT_EQ(run("shufflet"), 1);
    EXPECT_TRUE(output.startsWith(QLatin1String("shufflet: ")) && output.count(QLatin1Char('\n')) == 1)
        << output.toStdString();
}

TEST_F(Companion, RestoreForgetsTheInstalledSetAndAnyPendingCopy)
{
    addSet(QStringLiteral("Ocean"), 10);
    machine.writeFile(QStringLiteral("C:\\LOGO.SYS"), "own startup");
    writeSetting(QStringLiteral("LogoPath"), Program);
    writeSetting(QStringLiteral("Synchronize logos"), QStringLiteral("1"));
    ASSERT_EQ(runInstallCommand(QStringLiteral("bootcanvas-cli"), QStringLiteral("ocean")), 0);
    ASSERT_TRUE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());

    ASSERT_EQ(runRestoreCommand(QStringLiteral("bootcanvas-cli")), 0);
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), QByteArray("own startup"));
    EXPECT_EQ(
        CutAtNull(ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"))
                      .toString()),
        QString());
    EXPECT_FALSE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());
    loadCompanionSettings();
    EXPECT_EQ(installedSetRow(librarySets()), -1);
}

TEST_F(Companion, ProgramsTakeHelpVersionAndImageAndRefuseAnythingElse)
{
    for (const char* name : { "shufflet", "cyclette", "tandemist" })
        if (!QFileInfo(Tools + QLatin1String(name)).isExecutable())
            GTEST_SKIP() << "the companion programs are not built";
    addSet(QStringLiteral("Ocean"), 10);
    addSet(QStringLiteral("Sunrise"), 20);
    writeSetting(QStringLiteral("LogoPath"), Program);
    const QStringList wrong[] = { { QStringLiteral("--bogus") }, { QStringLiteral("--image") },
        { QStringLiteral("now") }, { QStringLiteral("--help"), QStringLiteral("--version") } };
    for (const QString& name :
        { QStringLiteral("shufflet"), QStringLiteral("cyclette"), QStringLiteral("tandemist") }) {
        const ProgramRun help = runProgram(name, { QStringLiteral("--help") });
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.output.startsWith(QStringLiteral("usage: ") + name)) << qPrintable(help.output);
        EXPECT_TRUE(help.output.contains(QLatin1String("--image"))) << qPrintable(help.output);
        const ProgramRun version = runProgram(name, { QStringLiteral("--version") });
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_TRUE(version.output.contains(QLatin1String(BOOTCANVAS_VERSION))) << qPrintable(version.output);
        for (const QStringList& arguments : wrong) {
            const ProgramRun refused = runProgram(name, arguments);
            EXPECT_EQ(refused.exitCode, 2) << qPrintable(name + u' ' + arguments.join(u' '));
            EXPECT_TRUE(refused.errors.startsWith(QLatin1String("usage: "))) << qPrintable(refused.errors);
        }
        QStringList imageArguments = { QStringLiteral("--image"), QStringLiteral("/no/such.img") };
        if (name == QLatin1String("tandemist"))
            imageArguments << QStringLiteral("/auto");
        const ProgramRun missingImage = runProgram(name, imageArguments);
        EXPECT_EQ(missingImage.exitCode, 1);
        EXPECT_TRUE(missingImage.errors.contains(QLatin1String("/no/such.img")))
            << qPrintable(missingImage.errors);
    }
    EXPECT_EQ(runProgram(QStringLiteral("tandemist"), {}).exitCode, 2);
    EXPECT_EQ(
        runProgram(QStringLiteral("tandemist"), { QStringLiteral("/auto"), QStringLiteral("now") }).exitCode,
        2);
    // None of that changed a screen, or made the default machine that --image starts from.
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\LOGO.SYS")));
    EXPECT_FALSE(QFileInfo::exists(dataHome.filePath(QStringLiteral("bootcanvas"))));
}

TEST_F(Companion, CurrentNamesNoSetWhileTheSystemHoldsAMixOfTwo)
{
    if (!QFileInfo(Tools + QStringLiteral("bootcanvas-cli")).isExecutable())
        GTEST_SKIP() << "bootcanvas-cli is not built";
    addSet(QStringLiteral("Meadow"), 10);
    addSet(QStringLiteral("Ocean"), 20);
    writeSetting(QStringLiteral("LogoPath"), Program);
    ASSERT_EQ(runInstallCommand(QStringLiteral("bootcanvas-cli"), QStringLiteral("Meadow")), 0);
    writeSetting(QStringLiteral("Synchronize logos"), QStringLiteral("1"));
    ASSERT_EQ(runInstallCommand(QStringLiteral("bootcanvas-cli"), QStringLiteral("Ocean")), 0);
    EXPECT_TRUE(runProgram(QStringLiteral("bootcanvas-cli"), { QStringLiteral("current") })
                    .output.startsWith(QLatin1String("installed set: Ocean\n")));

    unregisterTandemist(); // Ocean's startup screen with Meadow's others, and nothing to complete them
    const ProgramRun mixed = runProgram(QStringLiteral("bootcanvas-cli"), { QStringLiteral("current") });
    EXPECT_EQ(mixed.exitCode, 0);
    EXPECT_TRUE(mixed.output.startsWith(QLatin1String("installed set: <Don't know>")))
        << qPrintable(mixed.output);
}
