#include "systemfolders.h"

#include "pathhelpers.h"
#include "registrylayer.h"
#include "settings.h"

#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/tempfiles.h"
#include "platform/winpath.h"

#include <QFileInfo>
#include <stdexcept>

QString GetWindowsFolder()
{
    return platform::currentMachine().windowsFolder();
}

QString GetStartupFolder()
{
    const QVariant value
        = ReadRegValue(platform::HKEY_CURRENT_USER, ShellFoldersKey, QStringLiteral("Startup"));
    if (!value.isValid())
        throw std::runtime_error("the profile names no Startup folder");
    return AddBackslash(CutAtNull(value.toString()));
}

QString GetTempFile()
{
    return platform::createTempFile(platform::currentMachine().tempFolder(), QStringLiteral("~tm"));
}

QString GetShortName(const QString& path)
{
    try {
        return QFileInfo::exists(platform::hostPathFor(path)) ? path : QString();
    } catch (const platform::FileError&) {
        return {};
    }
}

std::optional<bool> FileExists(const QString& path, int attributeMask)
{
    if (path.isEmpty())
        return std::nullopt;
    return platform::entryExists(path, attributeMask);
}

bool exists(const QString& path, int attributeMask)
{
    return FileExists(path, attributeMask).value_or(false);
}
