#include "gueststartup.h"

#include "app/pathhelpers.h"
#include "app/settings.h"
#include "platform/cregfile.h"
#include "platform/fileerror.h"
#include "platform/files.h"

#include <optional>

namespace
{

const QString ShellFolders
    = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

// The StartUp folder below the Windows or profile folder, as each language's Windows names it.
const QString LocalizedStartups[] = {
    QStringLiteral("Start Menu\\Programs\\StartUp"),
    QStringLiteral("Startmen\u00fc\\Programme\\Autostart"),
    QStringLiteral("Menu D\u00e9marrer\\Programmes\\D\u00e9marrage"),
    QStringLiteral("Menu Avvio\\Programmi\\Esecuzione automatica"),
    QStringLiteral("Men\u00fa Inicio\\Programas\\Inicio"),
};

std::optional<QString> registryText(const QString& file, const QString& key, const QString& value)
{
    try {
        if (!platform::fileExists(file))
            return std::nullopt;
        return platform::CregFile(platform::readFile(file, platform::CregFile::MaxBytes))
            .stringValue(key, value);
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

// The profile folder of the user who logged on last, when profiles are on and it has one.
QString lastProfileFolder(const QString& windows)
{
    const std::optional<QString> user = registryText(
        windows + QStringLiteral("SYSTEM.DAT"), QStringLiteral("Network\\Logon"), QStringLiteral("username"));
    if (!user || user->trimmed().isEmpty())
        return {};
    const QString profile = windows + QStringLiteral("Profiles\\") + user->trimmed() + QLatin1Char('\\');
    return platform::fileExists(profile + QStringLiteral("USER.DAT")) ? profile : QString();
}

} // namespace

QString guestStartupFolder()
{
    const QString windows = AddBackslash(settings().WinPath);
    const QString profile = lastProfileFolder(windows);
    const QString userDat = (profile.isEmpty() ? windows : profile) + QStringLiteral("USER.DAT");
    if (const std::optional<QString> named = registryText(userDat, ShellFolders, QStringLiteral("Startup")))
        if (!named->trimmed().isEmpty())
            return AddBackslash(named->trimmed());
    for (const QString& base : { profile, windows }) {
        if (base.isEmpty())
            continue;
        for (const QString& startup : LocalizedStartups)
            if (platform::folderExists(base + startup))
                return base + startup + QLatin1Char('\\');
    }
    return windows + LocalizedStartups[0] + QLatin1Char('\\');
}
