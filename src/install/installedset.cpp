#include "installedset.h"

#include "companionregistration.h"
#include "guestdeployment.h"
#include "screentargets.h"
#include "systemscreens.h"

#include "app/pathhelpers.h"
#include "app/settings.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "sets/libraryscan.h"

namespace
{

// Far above any screen file; a bigger file is no screen of ours.
constexpr qint64 MaxComparedBytes = 16 * 1024 * 1024;

bool sameScreen(const QString& source, const QString& target)
{
    const bool hasSource = platform::fileExists(source), hasTarget = platform::fileExists(target);
    if (!hasSource || !hasTarget)
        return hasSource == hasTarget;
    try {
        return platform::readFile(source, MaxComparedBytes) == platform::readFile(target, MaxComparedBytes);
    } catch (const platform::FileError&) {
        return false;
    }
}

bool pendingCopyBrings(const QString& setName)
{
    const QString pending = AddBackslash(CutAtNull(pendingCopyFolder()).trimmed());
    return pending.size() > 1
        && pending.compare(AddBackslash(waitShutdownFolder(setName)), Qt::CaseInsensitive) == 0;
}

} // namespace

bool systemHoldsSet(const QString& setName)
{
    const auto sources = logoSetScreenPaths(settings().LogoPath, setName);
    if (!sameScreen(sources[0], startupScreenTarget()))
        return false;
    return pendingCopyBrings(setName) || guestPendingCopyBrings(setName)
        || (sameScreen(sources[1], waitScreenTarget()) && sameScreen(sources[2], shutdownScreenTarget()));
}
