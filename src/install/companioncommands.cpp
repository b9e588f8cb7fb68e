#include "companioncommands.h"

#include "companionregistration.h"
#include "companionsession.h"
#include "installedset.h"
#include "machinewriter.h"
#include "originalscreens.h"
#include "realinstallation.h"
#include "screendebris.h"
#include "screeninstall.h"
#include "screentargets.h"
#include "systemscreens.h"

#include "app/settings.h"
#include "diskimage/imagecommand.h"
#include "platform/drivebackend.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"

#include "app/consolestreams.h"

#include <QCoreApplication>
#include <QTextStream>
#include <functional>

namespace
{

int reportingFailures(const QString& program, const std::function<void()>& command)
{
    try {
        // The image drives the command changes are flushed once, when it is done.
        diskimage::ImageCommand images;
        command();
        images.finish();
        standardOutput().flush();
        return 0;
    } catch (const std::exception& error) {
        standardOutput().flush();
        standardError() << program << ": " << QString::fromStdString(error.what()) << Qt::endl;
        return 1;
    }
}

void reportInstalled(const QString& setName)
{
    if (setName.isEmpty()) {
        standardOutput() << QCoreApplication::translate(
            "CompanionCommands", "No other logo set to change to.")
                         << Qt::endl;
        return;
    }
    // A real installation is not running while it is written, so nothing waits for its next start.
    const bool heldBack = settings().SynchronizeLogos != 0 && !machineIsRealInstallation();
    standardOutput() << (heldBack ? QCoreApplication::translate("CompanionCommands",
                             "Installed \"%1\" (wait and shutdown screens at the next Windows start)")
                                  : QCoreApplication::translate("CompanionCommands", "Installed \"%1\""))
                            .arg(setName)
                     << Qt::endl;
}

void openWithSettings()
{
    openCompanionMachine();
    loadCompanionSettings();
    finishInterruptedInstall();
}

// The recorded set, unless the system holds a mix of it and another set that nothing will complete.
QString installedSetText(const QStringList& sets, int row)
{
    if (row < 0)
        return DontKnow;
    if (!systemHoldsSet(sets[row]))
        return DontKnow + QStringLiteral(" (the screens are not all those of \"%1\")").arg(sets[row]);
    return sets[row];
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

int runTandemist(const QString& program)
{
    return reportingFailures(program, [] {
        openCompanionMachine();
        finishInterruptedInstall();
        const QString folder = runDelayedCopy();
        standardOutput() << QCoreApplication::translate(
            "CompanionCommands", "Copied the wait and shutdown screens from %1")
                                .arg(folder)
                         << Qt::endl;
    });
}

int runCurrentCommand(const QString& program)
{
    return reportingFailures(program, [] {
        openWithSettings();
        const QStringList sets = librarySets();
        const int row = installedSetRow(sets);
        standardOutput() << "installed set: " << installedSetText(sets, row) << '\n'
                         << "startup screen: " << presence(startupScreenTarget()) << '\n'
                         << "wait screen: " << presence(waitScreenTarget()) << '\n'
                         << "shutdown screen: " << presence(shutdownScreenTarget()) << '\n';
        if (const QString pending = pendingCopyFolder(); !pending.isEmpty())
            standardOutput() << "pending copy from: " << pending << '\n';
    });
}

int runRestoreCommand(const QString& program)
{
    return reportingFailures(program, [] {
        openWithSettings();
        const MachineWriter writer;
        for (const QString& target : systemScreenTargets())
            platform::checkWritable(target);
        restoreOriginalScreens();
        recordNoInstalledSet();
        standardOutput() << QCoreApplication::translate(
            "CompanionCommands", "Put back the screens the system had before the first installation.")
                         << Qt::endl;
    });
}

int runRepairCommand(const QString& program)
{
    return reportingFailures(program, [] {
        openCompanionMachine();
        const MachineWriter writer;
        for (const diskimage::DriveRepair& repair : repairImagesDroppingScreenDebris())
            standardOutput() << repair.letter << ": " << repair.imagePath << ": "
                             << (repair.report.wasClean ? "clean" : "repaired") << '\n'
                             << repair.report.checkerOutput << Qt::endl;
        // Once the images are whole again, an installation they cut short can be finished.
        if (const std::optional<QString> finished = finishInterruptedInstall())
            standardOutput() << "Finished the interrupted installation"
                             << (finished->isEmpty() ? QString()
                                                     : QStringLiteral(" of \"%1\"").arg(*finished))
                             << Qt::endl;
    });
}

void prepareUnattendedProcess()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            standardError() << message << Qt::endl;
    });
}
