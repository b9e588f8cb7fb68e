#include "systemscreens.h"

#include "originalscreens.h"
#include "screentargets.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "diskimage/imagecommand.h"
#include "guestdeployment.h"
#include "platform/drivebackend.h"
#include "platform/files.h"
#include "realinstallation.h"
#include "sets/libraryscan.h"

void replaceSystemScreen(const QString& source, const QString& target)
{
    // A set without this screen leaves the system without it, as Windows then shows its own.
    if (!platform::fileExists(source)) {
        platform::Kill(target);
        return;
    }
    platform::FileCopy(source, target);
}

QString waitShutdownFolder(const QString& setName)
{
    const Settings& s = settings();
    return isSingleLogoSet(setName) ? s.LogoPath : s.LogoPath + setName;
}

void copyWaitAndShutdownScreens(const QString& folder)
{
    const QString from = AddBackslash(folder);
    attempt([&] { replaceSystemScreen(from + QStringLiteral("LOGOW.SYS"), waitScreenTarget()); });
    attempt([&] { replaceSystemScreen(from + QStringLiteral("LOGOS.SYS"), shutdownScreenTarget()); });
}

bool installLogoSet(const QString& setName, bool synchronize)
{
    // A system that is not running has no session whose screens must stay together.
    synchronize = synchronize && !machineIsRealInstallation();
    // An image that cannot be written is explained once, before any screen is touched.
    for (const QString& target : systemScreenTargets())
        platform::checkWritable(target);
    diskimage::ImageCommand images;
    keepOriginalScreens();
    ToggleReadOnlyAttrib();
    const auto sources = logoSetScreenPaths(settings().LogoPath, setName);
    attempt([&] { replaceSystemScreen(sources[0], startupScreenTarget()); });
    if (!synchronize) {
        attempt([&] { replaceSystemScreen(sources[1], waitScreenTarget()); });
        attempt([&] { replaceSystemScreen(sources[2], shutdownScreenTarget()); });
    }
    if (machineIsRealInstallation())
        attempt([&] { recordHostInstallationInGuest(setName); });
    // A screen that did not go in is skipped, as every step here is.
    attempt([&] { images.finish(); });
    return synchronize;
}
