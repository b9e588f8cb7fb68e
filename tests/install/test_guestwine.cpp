// The Windows companion programs run under wine on a folder laid out like a guest, put there by
// Bootcanvas's own deployment. Each "Windows start" runs WIN.INI's load= and run= entries and the
// StartUp shortcuts, one after the other, as Windows starts them.
#include "app/settings.h"
#include "install/guestdeployment.h"
#include "install/gueststartup.h"
#include "platform/machine.h"
#include "platform/profile.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace
{

const QStringList Sets = { QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Gamma") };

struct Shortcut {
    QString target, arguments;
};

// The target and arguments of a shell link as the Windows shell reads them.
Shortcut readShortcut(const QByteArray& link)
{
    if (link.size() < 0x50)
        return {};
    const quint32 flags = qFromLittleEndian<quint32>(link.constData() + 0x14);
    const int info = 0x4C;
    const quint32 infoSize = qFromLittleEndian<quint32>(link.constData() + info);
    const quint32 basePath = qFromLittleEndian<quint32>(link.constData() + info + 0x10);
    Shortcut shortcut { QString::fromLatin1(link.constData() + info + basePath), {} };
    int at = info + int(infoSize);
    for (const quint32 flag : { 0x04u, 0x08u, 0x10u, 0x20u }) {
        if (!(flags & flag))
            continue;
        const int length = qFromLittleEndian<quint16>(link.constData() + at);
        if (flag == 0x20)
            shortcut.arguments = QString::fromLatin1(link.mid(at + 2, length));
        at += 2 + length;
    }
    return shortcut;
}

QByteArray hostBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GuestUnderWine : public ::testing::Test
{
protected:
    // One wine prefix for the whole program: its first start is slow.
    static void SetUpTestSuite()
    {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty()) {
            s_problem = "wine is not installed (Debian packages wine and wine32)";
            return;
        }
        s_prefix = std::make_unique<QTemporaryDir>();
        QProcess boot;
        boot.setProcessEnvironment(environment());
        boot.start(QStringLiteral("wineboot"), { QStringLiteral("-i") });
        if (!boot.waitForFinished(180000) || boot.exitCode() != 0
            || !QFileInfo::exists(s_prefix->filePath(QStringLiteral("drive_c/windows")))) {
            s_problem = "wine cannot start here: " + boot.readAllStandardError().left(300).toStdString();
            s_prefix.reset();
        }
    }
    static void TearDownTestSuite()
    {
        if (!s_prefix)
            return;
        QProcess stop;
        stop.setProcessEnvironment(environment());
        stop.start(QStringLiteral("wineserver"), { QStringLiteral("-k") });
        stop.waitForFinished(30000);
        s_prefix.reset();
    }

    static QProcessEnvironment environment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), s_prefix ? s_prefix->path() : QString());
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
        environment.remove(QStringLiteral("DISPLAY"));
        return environment;
    }

    void SetUp() override
    {
        if (!s_prefix)
            GTEST_SKIP() << s_problem;
        // A guest whose drive C is the prefix's own, declared a real installation; the library on H.
        // Wine keeps its own files on drive C; only ours are cleared between the tests.
        const QString driveC = s_prefix->filePath(QStringLiteral("drive_c"));
        QDir(driveC + QStringLiteral("/Program Files/Bootcanvas Companions")).removeRecursively();
        QDir(driveC + QStringLiteral("/windows/Start Menu")).removeRecursively();
        for (const char* screen : { "/LOGO.SYS", "/windows/LOGOW.SYS", "/windows/LOGOS.SYS" })
            QFile::remove(driveC + QLatin1String(screen));
        QDir(m_machine.path()).mkpath(QStringLiteral("host"));
        platform::setCurrentMachine(platform::Machine::fromIniText(m_machine.path(),
            "[Drives]\nC=" + QFile::encodeName(driveC)
                + ",fixed\nH=host,fixed\n[Paths]\nWindows=C:\\windows\nTemp=C:\\windows\nProgram=H:\\\n"
                  "[Windows]\nInstallation=real\n"));
        resetSettings();
        Settings& s = settings();
        s.AppPath = s.LogoPath = QStringLiteral("H:\\");
        s.WinPath = QStringLiteral("C:\\windows\\");
        s.StartUpDrive = QStringLiteral("C:\\");
        for (const QString& set : Sets) {
            QDir(host(QStringLiteral("H:\\"))).mkpath(set);
            for (const char* screen : { "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" })
                write(QStringLiteral("H:\\") + set + QLatin1Char('\\') + QLatin1String(screen),
                    set.toLatin1() + ' ' + screen);
        }
        startup = guestStartupFolder();
    }
    void TearDown() override { resetSettings(); }

    static QString host(const QString& windowsPath) { return platform::hostPathFor(windowsPath); }
    static void write(const QString& windowsPath, const QByteArray& bytes)
    {
        QFile file(host(windowsPath));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    // Runs a Windows program of the guest under wine and waits for it; its exit code.
    static int runInGuest(const QString& program, const QString& arguments = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        QStringList argv { host(program) };
        if (!arguments.isEmpty())
            argv += arguments.split(QLatin1Char(' '));
        process.start(QStringLiteral("wine"), argv);
        if (!process.waitForFinished(60000))
            return -1;
        return process.exitCode();
    }

    // The set whose startup screen is installed, read from the screen itself.
    static QString shownSet()
    {
        return QString::fromLatin1(hostBytes(host(QStringLiteral("C:\\LOGO.SYS")))).section(u' ', 0, 0);
    }
    static QString waitSet()
    {
        return QString::fromLatin1(hostBytes(host(QStringLiteral("C:\\windows\\LOGOW.SYS"))))
            .section(u' ', 0, 0);
    }

    // One Windows start: WIN.INI's load= and run= programs, then the StartUp shortcuts in the order
    // given. Every command line is read before the first program runs, as Windows does.
    void startWindows(bool startupInReverse = false)
    {
        QList<Shortcut> commands;
        for (const QString& key : { QStringLiteral("load"), QStringLiteral("run") })
            for (const QString& program : platform::GetPrivateProfileString(
                     QStringLiteral("windows"), key, QString(), QStringLiteral("C:\\windows\\WIN.INI"))
                                              .split(QLatin1Char(' '), Qt::SkipEmptyParts))
                commands.append({ program, {} });
        QStringList links
            = QDir(host(startup)).entryList({ QStringLiteral("*.lnk") }, QDir::Files, QDir::Name);
        if (startupInReverse)
            std::reverse(links.begin(), links.end());
        for (const QString& link : links)
            commands.append(readShortcut(hostBytes(host(startup + link))));
        for (const Shortcut& command : commands)
            EXPECT_EQ(runInGuest(command.target, command.arguments), 0) << qPrintable(command.target);
    }

    inline static std::unique_ptr<QTemporaryDir> s_prefix;
    inline static std::string s_problem;
    QTemporaryDir m_machine;
    QString startup;
};

TEST_F(GuestUnderWine, ShuffletInstallsAnotherOfTheGuestsSetsAtRandom)
{
    deployStartupChange(StartupChange::Random, startup);
    QSet<QString> installed;
    QString previous;
    for (int run = 0; run < 5; ++run) {
        startWindows();
        const QString now = shownSet();
        EXPECT_TRUE(Sets.contains(now)) << qPrintable(now);
        EXPECT_NE(now, previous);
        EXPECT_EQ(waitSet(), now); // synchronising is off: all three at once
        EXPECT_EQ(guestInstalledSet(), now); // where the host reads it
        installed.insert(now);
        previous = now;
    }
    EXPECT_GE(installed.size(), 2);
}

TEST_F(GuestUnderWine, CycletteWalksTheListInOrderAndWraps)
{
    deployStartupChange(StartupChange::Sequential, startup);
    const QString program = guestCompanionFolder() + QStringLiteral("cyclette.exe");
    for (const QString& expected : { Sets[0], Sets[1], Sets[2], Sets[0] }) {
        ASSERT_EQ(runInGuest(program), 0);
        EXPECT_EQ(shownSet(), expected);
    }
}

TEST_F(GuestUnderWine, SynchronizedStartsKeepEachSessionsScreensTogether)
{
    settings().SynchronizeLogos = 1;
    deployStartupChange(StartupChange::Sequential, startup);
    recordHostInstallationInGuest(Sets[0]);
    write(QStringLiteral("C:\\LOGO.SYS"), "Alpha LOGO.SYS");
    write(QStringLiteral("C:\\windows\\LOGOW.SYS"), "Alpha LOGOW.SYS");
    for (int start = 0; start < 5; ++start) {
        const QString shown = shownSet();
        startWindows(start % 2 == 1); // Tandemist before or after Cyclette
        EXPECT_EQ(waitSet(), shown) << "start " << start;
        EXPECT_NE(shownSet(), shown); // the next start shows the next set
        EXPECT_TRUE(QFileInfo::exists(host(startup + QStringLiteral("Tandemist.lnk"))));
    }

    // Tandemist alone copies the pending screens once and removes its shortcut.
    const QString pending = shownSet();
    ASSERT_EQ(
        runInGuest(guestCompanionFolder() + QStringLiteral("tandemist.exe"), QStringLiteral("/auto")), 0);
    EXPECT_EQ(waitSet(), pending);
    EXPECT_FALSE(QFileInfo::exists(host(startup + QStringLiteral("Tandemist.lnk"))));
    EXPECT_FALSE(QFileInfo::exists(host(guestCompanionFolder() + QStringLiteral("Tandemist.ini"))));
    EXPECT_EQ(runInGuest(guestCompanionFolder() + QStringLiteral("tandemist.exe"), QStringLiteral("now")), 2);
}
