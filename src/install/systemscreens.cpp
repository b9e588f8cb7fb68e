#include "systemscreens.h"

#include "machinewriter.h"
#include "originalscreens.h"
#include "screeninstall.h"
#include "screentargets.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "guestdeployment.h"
#include "platform/drivebackend.h"
#include "platform/files.h"
#include "realinstallation.h"
#include "sets/libraryscan.h"

namespace
{

constexpr qint64 MaxScreenBytes = 16 * 1024 * 1024;

// What goes to `target` from `source`: a set without this screen leaves the system without it, as
// Windows then shows its own.
ScreenContent screenFrom(const QString& source, const QString& target)
{
    if (!platform::fileExists(source))
        return { target, std::nullopt };
    return { target, platform::readFile(source, MaxScreenBytes) };
}

} // namespace

QString waitShutdownFolder(const QString& setName)
{
    const Settings& s = settings();
    return isSingleLogoSet(setName) ? s.LogoPath : s.LogoPath + setName;
}

void copyWaitAndShutdownScreens(const QString& folder)
{
    const QString from = AddBackslash(folder);
    installScreens({ screenFrom(from + QStringLiteral("LOGOW.SYS"), waitScreenTarget()),
                       screenFrom(from + QStringLiteral("LOGOS.SYS"), shutdownScreenTarget()) },
        std::nullopt);
}

bool installLogoSet(const QString& setName, bool synchronize)
{
    // A system that is not running has no session whose screens must stay together.
    synchronize = synchronize && !machineIsRealInstallation();
    const MachineWriter writer; // before the checks, so they never see another command's writes
    // An image that cannot be written is explained once, before its screens are kept.
    for (const QString& target : systemScreenTargets())
        platform::checkWritable(target);
    keepOriginalScreens();
    const auto sources = logoSetScreenPaths(settings().LogoPath, setName);
    QList<ScreenContent> screens { screenFrom(sources[0], startupScreenTarget()) };
    if (!synchronize) {
        screens.append(screenFrom(sources[1], waitScreenTarget()));
        screens.append(screenFrom(sources[2], shutdownScreenTarget()));
    }
    installScreens(screens, setName);
    if (machineIsRealInstallation())
        attempt([&] { recordHostInstallationInGuest(setName); });
    return synchronize;
}
