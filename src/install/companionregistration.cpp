#include "companionregistration.h"

#include "systemscreens.h"

#include "app/attempt.h"
#include "app/registrylayer.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/profile.h"

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
        platform::WritePrivateProfileString(QStringLiteral("Settings"), QStringLiteral("Path"),
            waitShutdownFolder(setName), tandemistIniPath());
    });
}

void unregisterTandemist()
{
    attempt([] { platform::Kill(tandemistIniPath()); });
    attempt([] { DeleteRegValue(platform::HKEY_LOCAL_MACHINE, RunKey, TandemistValue); });
}

void updateTandemistRegistration(bool syncPending, const QString& setName)
{
    if (syncPending)
        registerTandemist(setName);
    else
        unregisterTandemist();
}
