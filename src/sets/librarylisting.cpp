#include "librarylisting.h"

#include "app/attempt.h"
#include "app/machinesetup.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "app/systemfolders.h"
#include "platform/displaypath.h"
#include "platform/machine.h"
#include "platform/msgbox.h"

#include <QTextStream>

QString formatLibraryListing(const LibraryScan& scan)
{
    QString text;
    for (const LogoSetEntry& set : scan.sets) {
        text += set.name == scan.installedSet ? QStringLiteral("* ") : QStringLiteral("  ");
        text += set.singleLogo ? QStringLiteral("single-logo ") : QStringLiteral("multi-logo  ");
        text += set.name + QLatin1Char('\n');
    }
    text += QStringLiteral("installed: ") + (scan.installedSet.isEmpty() ? DontKnow : scan.installedSet)
        + QLatin1Char('\n');
    return text;
}

bool loadLibrarySettings(QTextStream& err)
{
    // A terminal has no dialogs: whatever the layers would show goes to the error stream.
    setMsgBoxResponder([&err](const MsgBoxRequest& request) {
        err << "bootcanvas-cli: " << request.prompt << Qt::endl;
        return int(vbOK);
    });
    if (!openMachineInUse())
        return false;
    Settings& s = settings();
    s.AppPath = AddBackslash(platform::currentMachine().programFolder());
    s.WinPath = AddBackslash(GetWindowsFolder());
    WindowlessSettingsView window;
    LoadSettings(window);
    return true;
}

int printLogoLibrary(QTextStream& out, QTextStream& err)
{
    if (!loadLibrarySettings(err))
        return 1;
    const Settings& s = settings();
    LibraryScan scan;
    if (!attempt([&] { scan = scanLogoLibrary(s.LogoPath, s.DefaultLogoSet); })) {
        err << "bootcanvas-cli: cannot list the logo folder " << platform::pathForDisplay(s.LogoPath)
            << Qt::endl;
        return 1;
    }
    out << "logo folder: " << platform::pathForDisplay(s.LogoPath) << '\n' << formatLibraryListing(scan);
    out.flush();
    return 0;
}
