#include "support/testmachine.h"

#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "install/companionsession.h"
#include "installfixture.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/msgbox.h"
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace
{

const QString Program = QStringLiteral("C:\\Program Files\\Bootcanvas\\");
const QString RunKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

QString registryText(const QString& key, const QString& name)
{
    return CutAtNull(ReadRegValue(platform::HKEY_LOCAL_MACHINE, key, name).toString());
}

void writeSetting(const QString& name, const QString& value)
{
    CreateRegKey(platform::HKEY_LOCAL_MACHINE, SettingsKey);
    WriteRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, name, value, platform::REG_SZ);
}

// Points an environment variable somewhere for a scope, then puts back what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QString& value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

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

class Companion : public ::testing::Test
{
protected:
    void SetUp() override { resetSettings(); }
    void TearDown() override
    {
        setMsgBoxResponder({});
        resetSettings();
    }

    void addSet(const QString& name, int shade)
    {
        for (const char* screen : { "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" })
            machine.writeFile(
                Program + name + QLatin1Char('\\') + QLatin1String(screen), screenBytes(shade++));
    }
    void open()
    {
        openCompanionMachine();
        loadCompanionSettings();
    }

    TestMachine machine;
    // The companion programs work on the machine BOOTCANVAS_MACHINE names; the user's own default
    // machine is kept out of reach.
    ScopedEnvironment inUse { "BOOTCANVAS_MACHINE", machine.folder() };
    QTemporaryDir dataHome;
    ScopedEnvironment xdgData { "XDG_DATA_HOME", dataHome.path() };
};

TEST_F(Companion, MissingOrDamagedMachineSettingsAndLibraryAreReportedInOneLine)
{
    {
        QTemporaryDir empty;
        ScopedEnvironment nowhere("BOOTCANVAS_MACHINE", empty.path());
        const QString error = errorOf(openCompanionMachine);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains(QLatin1Char('\n')));
    }
    EXPECT_TRUE(errorOf(openCompanionMachine).isEmpty());
    EXPECT_TRUE(errorOf(loadCompanionSettings).contains(QLatin1String("no Bootcanvas settings")));

    writeSetting(QStringLiteral("LogoPath"), QStringLiteral("C:\\Gone\\"));
    EXPECT_TRUE(errorOf(loadCompanionSettings).contains(QLatin1String("C:\\Gone\\")));

    writeSetting(QStringLiteral("LogoPath"), Program);
    EXPECT_TRUE(errorOf([this] { open(); }).isEmpty());
    EXPECT_TRUE(errorOf([] { librarySets(); }).contains(QLatin1String("no logo set")));

    QFile hive(QDir(machine.folder()).filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly | QIODevice::Truncate));
    hive.write("this is not a registry file\n");
    hive.close();
    EXPECT_FALSE(errorOf(openCompanionMachine).isEmpty());
}

TEST_F(Companion, NextWrapsRoundAndRandomNeverPicksTheInstalledSet)
{
    addSet(QStringLiteral("Ocean"), 10);
    addSet(QStringLiteral("Sunrise"), 20);
    writeSetting(QStringLiteral("DefaultLogoSet"), QStringLiteral("sunrise"));
    open();

    EXPECT_EQ(installNextSet(), QStringLiteral("Ocean"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(10));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOS.SYS")), screenBytes(12));
    EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), QStringLiteral("Ocean"));
    EXPECT_EQ(installNextSet(), QStringLiteral("Sunrise"));

    addSet(QStringLiteral("Valley"), 30);
    RandomSource source = timeSeededSource();
    for (int i = 0; i < 6; ++i) {
        const QString before = settings().DefaultLogoSet;
        const QString installed = installRandomSet(source);
        EXPECT_NE(installed, before);
        EXPECT_EQ(registryText(SettingsKey, QStringLiteral("DefaultLogoSet")), installed);
    }
}

TEST_F(Companion, DelayedCopyHappensOnceAndUnregistersItself)
{
    addSet(QStringLiteral("Ocean"), 10);
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), "old wait");
    writeSetting(QStringLiteral("Synchronize logos"), QStringLiteral("1"));
    open();

    EXPECT_EQ(installNamedSet(QStringLiteral("OCEAN")), QStringLiteral("Ocean"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")), QByteArray("old wait"));
    EXPECT_EQ(
        registryText(RunKey, QStringLiteral("Tandemist")), Program + QStringLiteral("tandemist.exe /auto"));

    platform::SetAttr(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), platform::vbReadOnly);
    EXPECT_EQ(runDelayedCopy(), Program + QStringLiteral("Ocean"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")), screenBytes(11));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\WINDOWS\\LOGOS.SYS")), screenBytes(12));
    EXPECT_FALSE(ReadRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, QStringLiteral("Tandemist")).isValid());
    EXPECT_FALSE(machine.exists(Program + QStringLiteral("Tandemist.ini")));
    EXPECT_FALSE(errorOf([] { runDelayedCopy(); }).isEmpty());
    EXPECT_FALSE(errorOf([] { installNamedSet(QStringLiteral("Nowhere")); }).isEmpty());
}

TEST_F(Companion, ProgramsReportFromATerminal)
{
    const QString tools = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/");
    for (const char* name : { "shufflet", "cyclette", "tandemist" })
        if (!QFileInfo(tools + QLatin1String(name)).isExecutable())
            GTEST_SKIP() << "the companion programs are not built";
    addSet(QStringLiteral("Ocean"), 10);
    addSet(QStringLiteral("Sunrise"), 20);
    writeSetting(QStringLiteral("DefaultLogoSet"), QStringLiteral("Ocean"));

    const auto run = [&](const char* name, const QStringList& arguments, QString* output) {
        QProcess process;
        process.start(tools + QLatin1String(name), arguments);
        process.waitForFinished(30000);
        *output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        return process.exitCode();
    };
    QString output;
    EXPECT_EQ(run("cyclette", {}, &output), 0) << output.toStdString();
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(20));
    EXPECT_EQ(run("shufflet", {}, &output), 0) << output.toStdString();
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(10));

    EXPECT_EQ(run("tandemist", { QStringLiteral("/auto") }, &output), 1);
    EXPECT_TRUE(output.startsWith(QLatin1String("tandemist: ")));
    EXPECT_EQ(output.count(QLatin1Char('\n')), 1) << output.toStdString();
    EXPECT_EQ(run("tandemist", {}, &output), 2);

    QFile::remove(QDir(machine.folder()).filePath(QStringLiteral("machine.ini")));
    EXPECT_EQ(run("shufflet", {}, &output), 1);
    EXPECT_TRUE(output.startsWith(QLatin1String("shufflet: ")));
    EXPECT_EQ(output.count(QLatin1Char('\n')), 1) << output.toStdString();
}
