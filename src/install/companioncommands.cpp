#include "companioncommands.h"

#include "companionregistration.h"
#include "companionsession.h"
#include "systemscreens.h"

#include "app/settings.h"
#include "platform/files.h"
#include "platform/profile.h"

#include <QTextStream>
#include <functional>

namespace
{

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int reportingFailures(const QString& program, const std::function<void()>& command)
{
    try {
        command();
        out().flush();
        return 0;
    } catch (const std::exception& error) {
        out().flush();
        err() << program << ": " << QString::fromStdString(error.what()) << Qt::endl;
        return 1;
    }
}

void reportInstalled(const QString& setName)
{
    if (setName.isEmpty()) {
        out() << "No other logo set to change to." << Qt::endl;
        return;
    }
    out() << "Installed \"" << setName << "\"";
    if (settings().SynchronizeLogos != 0)
        out() << " (wait and shutdown screens at the next Windows start)";
    out() << Qt::endl;
}

void openWithSettings()
{
    openCompanionMachine();
    loadCompanionSettings();
}

QString presence(const QString& path)
{
    return platform::fileExists(path) ? path : path + QStringLiteral(" (none)");
}

} // namespace

int runShufflet(const QString& program)
{
    return reportingFailures(program, [] {
        openWithSettings();
        RandomSource source = randomChangeSource();
        reportInstalled(installRandomSet(source));
    });
}

int runCyclette(const QString& program)
{
    return reportingFailures(program, [] {
        openWithSettings();
        reportInstalled(installNextSet());
    });
}

int runInstallCommand(const QString& program, const QString& setName)
{
    return reportingFailures(program, [&] {
        openWithSettings();
        reportInstalled(installNamedSet(setName));
    });
}

int runTandemist(const QString& program, const QStringList& arguments)
{
    if (arguments.size() != 1 || arguments[0].compare(QLatin1String("/auto"), Qt::CaseInsensitive) != 0) {
        err() << "usage: " << program << " /auto\n"
              << "  copies the wait and shutdown screens left pending by Bootcanvas into the Windows folder"
              << Qt::endl;
        return 2;
    }
    return reportingFailures(program, [] {
        openCompanionMachine();
        const QString folder = runDelayedCopy();
        out() << "Copied the wait and shutdown screens from " << folder << Qt::endl;
    });
}

int runCurrentCommand(const QString& program)
{
    return reportingFailures(program, [] {
        openWithSettings();
        const QStringList sets = librarySets();
        const int row = installedSetRow(sets);
        out() << "installed set: " << (row < 0 ? DontKnow : sets[row]) << '\n'
              << "startup screen: " << presence(startupScreenTarget()) << '\n'
              << "wait screen: " << presence(waitScreenTarget()) << '\n'
              << "shutdown screen: " << presence(shutdownScreenTarget()) << '\n';
        if (platform::fileExists(tandemistIniPath())) {
            out() << "pending copy from: "
                  << platform::GetPrivateProfileString(
                         QStringLiteral("Settings"), QStringLiteral("Path"), QString(), tandemistIniPath())
                  << '\n';
        }
    });
}

void prepareUnattendedProcess()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            err() << message << Qt::endl;
    });
}
