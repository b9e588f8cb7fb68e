#include "companionregistration.h"

#include "realinstallation.h"
#include "systemscreens.h"

#include "app/attempt.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"

#include <QDir>

namespace
{

const QString Section = QStringLiteral("Settings");
const QString OwnerKey = QStringLiteral("Machine");

// Several machines share one program folder (every disk image uses the default machine's), so the
// file says whose pending copy it is.
QString machineIdentity()
{
    return QDir::cleanPath(platform::currentMachine().folder());
}

} // namespace

QString tandemistIniPath()
{
    return settings().AppPath + QStringLiteral("Tandemist.ini");
}

void registerTandemist(const QString& setName)
{
    attempt([&] {
        CreateRegKey(platform::HKEY_LOCAL_MACHINE, RunKey);
        const QString command = settings().AppPath + QStringLiteral("tandemist.exe /auto");
        WriteRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, TandemistValue, command, platform::REG_SZ);
    });
    attempt([&] {
        platform::WritePrivateProfileString(
            Section, QStringLiteral("Path"), waitShutdownFolder(setName), tandemistIniPath());
        platform::WritePrivateProfileString(Section, OwnerKey, machineIdentity(), tandemistIniPath());
    });
}

bool pendingCopyBelongsHere()
{
    const QString ini = tandemistIniPath();
    if (!platform::fileExists(ini))
        return false;
    const QString owner = platform::GetPrivateProfileString(Section, OwnerKey, QString(), ini);
    // A file from before owners were recorded is taken as the machine's own where the program folder
    // is not shared, that is on every machine but those of real installations.
    return owner.isEmpty() ? !machineIsRealInstallation() : owner == machineIdentity();
}

QString pendingCopyFolder()
{
    if (!pendingCopyBelongsHere())
        return {};
    return platform::GetPrivateProfileString(Section, QStringLiteral("Path"), QString(), tandemistIniPath());
}

void unregisterTandemist()
{
    attempt([] {
        if (pendingCopyBelongsHere())
            platform::Kill(tandemistIniPath());
    });
    attempt([] { DeleteRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, TandemistValue); });
}

void updateTandemistRegistration(bool syncPending, const QString& setName)
{
    if (syncPending)
        registerTandemist(setName);
    else
        unregisterTandemist();
}
