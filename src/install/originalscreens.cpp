#include "originalscreens.h"

#include "screeninstall.h"
#include "screentargets.h"

#include "platform/files.h"
#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <array>
#include <stdexcept>

namespace
{

constexpr qint64 MaxScreenBytes = 16 * 1024 * 1024;
const QString KeptFolderName = QStringLiteral("original-screens");
// Written last: its presence says the folder is complete.
const QString CompleteMarker = QStringLiteral("kept");

struct SystemScreen {
    QString target; // Windows path in the system
    QString keptName;
};

std::array<SystemScreen, 3> systemScreens()
{
    return { SystemScreen { startupScreenTarget(), QStringLiteral("LOGO.SYS") },
        SystemScreen { waitScreenTarget(), QStringLiteral("LOGOW.SYS") },
        SystemScreen { shutdownScreenTarget(), QStringLiteral("LOGOS.SYS") } };
}

QString keptFolder()
{
    return QDir(platform::currentMachine().folder()).filePath(KeptFolderName);
}

} // namespace

bool originalScreensKept()
{
    return QFile::exists(QDir(keptFolder()).filePath(CompleteMarker));
}

void keepOriginalScreens()
{
    if (originalScreensKept())
        return;
    const QDir folder(keptFolder());
    if (!QDir().mkpath(folder.path()))
        throw std::runtime_error("the folder for the system's own screens cannot be made");
    for (const SystemScreen& screen : systemScreens()) {
        const QString kept = folder.filePath(screen.keptName);
        QFile::remove(kept);
        if (platform::fileExists(screen.target))
            platform::writeHostFileAtomically(kept, platform::readFile(screen.target, MaxScreenBytes));
    }
    platform::writeHostFileAtomically(folder.filePath(CompleteMarker), QByteArray());
}

void restoreOriginalScreens()
{
    if (!originalScreensKept())
        throw std::runtime_error("no screens of this system were kept before the first installation");
    const QDir folder(keptFolder());
    QList<ScreenContent> screens;
    for (const SystemScreen& screen : systemScreens()) {
        QFile kept(folder.filePath(screen.keptName));
        if (!kept.exists()) {
            screens.append({ screen.target, std::nullopt });
            continue;
        }
        if (!kept.open(QIODevice::ReadOnly))
            throw std::runtime_error("a kept screen cannot be read");
        screens.append({ screen.target, kept.read(MaxScreenBytes) });
    }
    installScreens(screens, QString());
}
