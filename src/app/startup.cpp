#include "startup.h"

#include "imagemachine.h"
#include "machinesetup.h"
#include "pathhelpers.h"
#include "registrylayer.h"
#include "settings.h"
#include "systemfolders.h"

#include "install/screeninstall.h"
#include "library/principale.h"
#include "platform/machine.h"
#include "platform/msgbox.h"
#include "platform/terminationsignals.h"
#include "platformui/msgboxdialog.h"
#include "windows/appicon.h"
#include "windows/frmsplash.h"
#include "windows/pictureboxaccessible.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QThread>

namespace
{

// An installation a killed command left half done is finished before the window shows the set.
void finishCutShortInstallation()
{
    try {
        finishInterruptedInstall();
    } catch (const std::exception& error) {
        MsgBox(QCoreApplication::translate(
                   "Installation", "An installation that was cut short could not be finished: %1")
                   .arg(QString::fromStdString(error.what())),
            vbExclamation);
    }
}

// The main window's close runs the exit sequence (boot option, settings, companion program), so a
// log-out, SIGTERM or SIGHUP closes it too rather than ending the process with the changes unsaved.
void endRunThroughExitSequence()
{
    if (Principale* window = mainWindow())
        window->close();
}

void closeAtSessionEnd(QApplication& application)
{
    auto* terminations = new platform::TerminationSignals(&application);
    QObject::connect(terminations, &platform::TerminationSignals::terminationRequested, &application,
        [] { endRunThroughExitSequence(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
        [](QSessionManager&) { endRunThroughExitSequence(); });
    // Whatever else ends the event loop still saves what the exit sequence saves.
    QObject::connect(
        &application, &QCoreApplication::aboutToQuit, &application, [] { endRunThroughExitSequence(); });
}

} // namespace

int Main(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Bootcanvas"));
    QApplication::setApplicationVersion(QStringLiteral(BOOTCANVAS_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setDesktopFileName(QStringLiteral("bootcanvas"));
    installMsgBoxDialog();
    installPictureBoxAccessibility();
    try {
        QStringList arguments = application.arguments().mid(1);
        if (const std::optional<QString> image = takeImageOption(arguments))
            useImageMachine(*image);
    } catch (const std::exception& error) {
        MsgBox(QString::fromStdString(error.what()), vbCritical);
        return 1;
    }
    if (!openMachineInUse())
        return 1;
    Settings& s = settings();
    s.AppPath = AddBackslash(platform::currentMachine().programFolder());
    s.WinPath = AddBackslash(GetWindowsFolder());
    s.HelpFile = s.AppPath + QStringLiteral("bootcanvas.hlp");
    initialiseImaging();
    reportDamagedRegistry();
    finishCutShortInstallation();
    LaunchMainWindow();
    closeAtSessionEnd(application);
    return application.exec();
}

qint16 readShowSplashScreen()
{
    const QString text
        = ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("ShowSplashScreen"))
              .toString();
    if (CutAtNull(text).isEmpty())
        return 1;
    // A number too big for the flag is not 1, so it means no splash.
    return leadingNumber(text).value_or(0);
}

int remainingSplashMillis(qint64 elapsedMs)
{
    return elapsedMs >= MinimumSplashMillis ? 0 : static_cast<int>(MinimumSplashMillis - elapsedMs);
}

void LaunchMainWindow()
{
    Settings& s = settings();
    s.ShowSplashScreen = readShowSplashScreen();
    frmSplash* splash = nullptr;
    QElapsedTimer shownFor;
    if (s.ShowSplashScreen == 1) {
        splash = new frmSplash;
        splash->show();
        splash->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        shownFor.start();
    }

    auto* window = new Principale;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();

    if (splash) {
        QThread::msleep(static_cast<unsigned long>(remainingSplashMillis(shownFor.elapsed())));
        splash->close();
        delete splash;
    }
    window->show();
}
