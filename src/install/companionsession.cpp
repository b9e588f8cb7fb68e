#include "companionsession.h"

#include "companionregistration.h"
#include "guestdeployment.h"
#include "screeninstall.h"
#include "screentargets.h"
#include "systemscreens.h"

#include "app/machinesetup.h"
#include "app/pathhelpers.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "app/systemfolders.h"
#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/msgbox.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "sets/libraryscan.h"

#include <QCoreApplication>

namespace
{

bool settingsKeyExists()
{
    platform::HKEY key = 0;
    if (platform::RegOpenKeyExA(platform::HKEY_LOCAL_MACHINE, SettingsKey, platform::KEY_ALL_ACCESS, &key)
        != platform::ERROR_SUCCESS)
        return false;
    platform::RegCloseKey(key);
    return true;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QString())
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .simplified();
}

// Why a folder cannot be seen: a disk image that cannot be opened (in use, say) tells it itself.
QString missingFolderReason(const QString& folder)
{
    if (platform::isOnImageDrive(folder)) {
        try {
            platform::GetAttr(folder);
        } catch (const platform::FileError& error) {
            if (error.number() != platform::FileNotFound && error.number() != platform::PathNotFound)
                return oneLine(error.message());
        }
    }
    return QCoreApplication::translate("CompanionSession", "the Windows folder %1 is missing").arg(folder);
}

} // namespace

CompanionError::CompanionError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

void openCompanionMachine()
{
    // Companion programs run unattended: what would be a message box becomes the error to print.
    QString shown;
    setMsgBoxResponder([&shown](const MsgBoxRequest& request) {
        shown = request.prompt;
        return int(vbOK);
    });
    const bool opened = openMachineInUse();
    setMsgBoxResponder([](const MsgBoxRequest&) { return int(vbOK); });
    if (!opened)
        throw CompanionError(oneLine(shown));

    Settings& s = settings();
    s.AppPath = AddBackslash(platform::currentMachine().programFolder());
    s.WinPath = AddBackslash(GetWindowsFolder());
    if (!platform::folderExists(s.WinPath))
        throw CompanionError(missingFolderReason(s.WinPath));
    if (const auto problem = platform::takeRegistryProblem())
        throw CompanionError(oneLine(problem->userMessage()));
}

void loadCompanionSettings()
{
    if (!settingsKeyExists())
        throw CompanionError(QCoreApplication::translate("CompanionSession",
            "there are no Bootcanvas settings on this machine yet; start bootcanvas once"));
    const QString storedLogoPath
        = ReadRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("LogoPath")).toString();
    WindowlessSettingsView noWindow;
    LoadSettings(noWindow);
    // The program falls back to its own folder quietly; unattended, a vanished folder is worth saying.
    const QString wanted = CutAtNull(storedLogoPath).trimmed().isEmpty()
        ? settings().LogoPath
        : AddBackslash(CutAtNull(storedLogoPath));
    if (!platform::folderExists(wanted))
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "the logo folder %1 is missing").arg(wanted));
    adoptGuestInstalledSet();
}

QStringList librarySets()
{
    const QString logoPath = settings().LogoPath;
    QStringList sets;
    try {
        for (const LogoSetEntry& set : scanLogoLibrary(logoPath, QString()).sets)
            sets << set.name;
    } catch (const platform::FileError& error) {
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "the logo folder cannot be read: %1")
                .arg(error.message()));
    }
    if (sets.isEmpty())
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "the logo folder %1 holds no logo set")
                .arg(logoPath));
    return sets;
}

int installedSetRow(const QStringList& sets)
{
    const QString installed = settings().DefaultLogoSet;
    for (int row = 0; row < sets.size(); ++row)
        if (sets[row].compare(installed, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void installAndRecord(const QString& setName)
{
    const bool pending = installLogoSet(setName, settings().SynchronizeLogos != 0);
    updateTandemistRegistration(pending, setName);
}

void recordNoInstalledSet()
{
    // A pending companion copy would put the set's screens back over the restored ones.
    updateTandemistRegistration(false, QString());
    nameInstalledSet(QString());
}

QString installNamedSet(const QString& name)
{
    const QStringList sets = librarySets();
    for (const QString& set : sets) {
        if (set.compare(name, Qt::CaseInsensitive) == 0) {
            installAndRecord(set);
            return set;
        }
    }
    throw CompanionError(
        QCoreApplication::translate("CompanionSession", "there is no logo set named \"%1\" in %2")
            .arg(name, settings().LogoPath));
}

QString installRandomSet(RandomSource& source)
{
    const QStringList sets = librarySets();
    const int row = pickOtherRow(sets.size(), installedSetRow(sets), source);
    if (row < 0)
        return {};
    installAndRecord(sets[row]);
    return sets[row];
}

QString installNextSet()
{
    const QStringList sets = librarySets();
    const int installed = installedSetRow(sets);
    const int row = (installed + 1) % sets.size();
    if (row == installed)
        return {};
    installAndRecord(sets[row]);
    return sets[row];
}

QString runDelayedCopy()
{
    const QString ini = tandemistIniPath();
    if (!platform::fileExists(ini))
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "nothing to copy: %1 is missing").arg(ini));
    if (!pendingCopyBelongsHere())
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "nothing to copy: %1 belongs to another machine")
                .arg(ini));
    const QString folder = CutAtNull(pendingCopyFolder()).trimmed();
    if (folder.isEmpty())
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "%1 names no folder to copy from").arg(ini));
    if (!platform::folderExists(folder))
        throw CompanionError(
            QCoreApplication::translate("CompanionSession", "the folder %1 named in %2 is missing")
                .arg(folder, ini));
    clearScreenAttributes(waitScreenTarget());
    clearScreenAttributes(shutdownScreenTarget());
    copyWaitAndShutdownScreens(folder);
    unregisterTandemist();
    return folder;
}
