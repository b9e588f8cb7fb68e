#include "lastfolder.h"

#include "app/pathhelpers.h"
#include "app/userstate.h"
#include "platform/drivebackend.h"
#include "platform/winpath.h"

#include <QFileInfo>

namespace
{

const QString LastFolderKey = QStringLiteral("browser/lastFolder");

} // namespace

QString rememberedBrowserFolder()
{
    const QString host = userStateValue(LastFolderKey).toString();
    if (host.isEmpty() || !QFileInfo(host).isDir())
        return {};
    const QString windows = platform::windowsPathFor(host);
    return windows.isEmpty() ? QString() : AddBackslash(windows);
}

void rememberBrowserFolder(const QString& windowsFolder)
{
    if (windowsFolder.isEmpty() || platform::isOnImageDrive(windowsFolder))
        return;
    try {
        setUserStateValue(LastFolderKey, platform::hostPathFor(windowsFolder));
    } catch (const std::exception&) {
        // A folder the machine cannot map has nothing to remember.
    }
}
