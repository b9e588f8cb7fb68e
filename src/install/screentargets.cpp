#include "screentargets.h"

#include "app/attempt.h"
#include "app/settings.h"
#include "platform/files.h"

QString startupScreenTarget()
{
    return settings().StartUpDrive + QStringLiteral("LOGO.SYS");
}

QString waitScreenTarget()
{
    return settings().WinPath + QStringLiteral("LOGOW.SYS");
}

QString shutdownScreenTarget()
{
    return settings().WinPath + QStringLiteral("LOGOS.SYS");
}

QStringList systemScreenTargets()
{
    return { startupScreenTarget(), waitScreenTarget(), shutdownScreenTarget() };
}

void clearScreenAttributes(const QString& target)
{
    // Only these bits stand in the way or hide the screen; clearing a lone archive bit would cost
    // a tool run per screen inside a disk image.
    attempt([&] {
        if (platform::fileExists(target)
            && platform::GetAttr(target) & (platform::vbReadOnly | platform::vbHidden | platform::vbSystem))
            platform::SetAttr(target, platform::FileAttributeNormalApi);
    });
}

void ToggleReadOnlyAttrib()
{
    for (const QString& target : systemScreenTargets())
        clearScreenAttributes(target);
}
