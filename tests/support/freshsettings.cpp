#include "freshsettings.h"

#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/systemfolders.h"
#include "platform/machine.h"

void startWithFreshSettings()
{
    resetSettings();
    Settings& s = settings();
    s.AppPath = AddBackslash(platform::currentMachine().programFolder());
    s.WinPath = AddBackslash(GetWindowsFolder());
    s.HelpFile = s.AppPath + QStringLiteral("bootcanvas.hlp");
}
