#include "settingsstore.h"

#include "pathhelpers.h"
#include "registrylayer.h"
#include "settings.h"
#include "systemfolders.h"

#include "platform/files.h"

using platform::HKEY_LOCAL_MACHINE;
using platform::REG_SZ;

namespace
{

// Empty text when the value is absent (the registry layer gives an empty variant then).
QString readText(const QString& name)
{
    return ReadRegValue(HKEY_LOCAL_MACHINE, SettingsKey, name).toString();
}

// Reads a number the way the runtime's Val() does; a value that does not fit leaves `variable`.
void readNumber(const QString& name, qint16& variable)
{
    if (const auto number = leadingNumber(readText(name)))
        variable = *number;
}

// Flags whose absence means "yes".
void readFlagDefaultOn(const QString& name, qint16& flag)
{
    const QString text = readText(name);
    if (text.isEmpty() || text.startsWith(QChar(u'\0')))
        flag = 1;
    else if (const auto number = leadingNumber(text))
        flag = *number;
}

void write(const QString& name, const QVariant& value)
{
    WriteRegValue(HKEY_LOCAL_MACHINE, SettingsKey, name, value.toString(), REG_SZ);
}

} // namespace

void LoadSettings(SettingsView& mainWindow)
{
    Settings& s = settings();
    readNumber(QStringLiteral("Synchronize logos"), s.SynchronizeLogos);
    s.DefaultLogoSet = readText(QStringLiteral("DefaultLogoSet"));
    const QString storedDrive = CutAtNull(readText(QStringLiteral("StartUpDrive")));
    s.SearchLogoPath = CutAtNull(readText(QStringLiteral("SearchLogoPath")));
    s.LogoPath = readText(QStringLiteral("LogoPath"));

    // Only the letter is stored; a hand-edited "D:" or "D:\" still means drive D.
    s.StartUpDrive
        = (storedDrive.isEmpty() ? s.WinPath.left(1) : storedDrive.left(1)) + QStringLiteral(":\\");
    s.DefaultLogoSet = CutAtNull(s.DefaultLogoSet);

    readNumber(QStringLiteral("ActionOnDoubleClick"), s.ActionOnDoubleClick);

    s.LogoPath = AddBackslash(CutAtNull(s.LogoPath));
    if (!exists(s.LogoPath, platform::vbDirectory))
        s.LogoPath = s.AppPath;

    s.CustomProgName = CutAtNull(readText(QStringLiteral("CustomProgName")));
    s.CustomProgPath = CutAtNull(readText(QStringLiteral("CustomProgPath")));

    readNumber(QStringLiteral("DefaultAction"), s.DefaultAction);
    if (s.DefaultAction > 2)
        s.DefaultAction = 0;

    qint16 view = 0;
    readNumber(QStringLiteral("View"), view);
    mainWindow.ItmViewType_Click(view > 1 ? 0 : view);

    mainWindow.setCustomProgramCaption(
        s.CustomProgName.isEmpty() ? QStringLiteral("Custom Program") : s.CustomProgName);

    readFlagDefaultOn(QStringLiteral("DeleteInTheRecycleBin"), s.DeleteInRecycleBin);
    readFlagDefaultOn(QStringLiteral("ConfirmLogosetDelete"), s.ConfirmLogosetDelete);
    readFlagDefaultOn(QStringLiteral("ConfirmLogoTypeChange"), s.ConfirmLogoTypeChange);

    qint16 animation = 0;
    readNumber(QStringLiteral("AutoshowAnimation"), animation);
    mainWindow.setAnimationShown(animation != 0);
    readNumber(QStringLiteral("AnimatedBar"), s.AnimatedBar);
}

void SaveSettings(const SettingsView& mainWindow)
{
    const Settings& s = settings();
    CreateRegKey(HKEY_LOCAL_MACHINE, SettingsKey);
    write(QStringLiteral("SearchLogoPath"), s.SearchLogoPath);
    write(QStringLiteral("View"), mainWindow.isListViewChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    write(QStringLiteral("Synchronize logos"), s.SynchronizeLogos);
    write(QStringLiteral("StartUpDrive"),
        s.StartUpDrive.isEmpty() ? s.WinPath.left(1) : s.StartUpDrive.left(1));
    const QString caption = mainWindow.defaultLogoCaption();
    write(QStringLiteral("DefaultLogoSet"), caption == DontKnow ? QString() : caption);
    write(QStringLiteral("DefaultAction"), s.DefaultAction);
    write(QStringLiteral("CustomProgName"), s.CustomProgName);
    write(QStringLiteral("CustomProgPath"), s.CustomProgPath);
    write(QStringLiteral("DeleteInTheRecycleBin"), s.DeleteInRecycleBin);
    write(QStringLiteral("ConfirmLogosetDelete"), s.ConfirmLogosetDelete);
    write(QStringLiteral("ConfirmLogoTypeChange"), s.ConfirmLogoTypeChange);
    write(QStringLiteral("ShowSplashScreen"), s.ShowSplashScreen);
    write(QStringLiteral("LogoPath"), s.LogoPath);
    write(QStringLiteral("ActionOnDoubleClick"), s.ActionOnDoubleClick);
    write(QStringLiteral("AutoshowAnimation"),
        mainWindow.isAnimationShown() ? QStringLiteral("1") : QStringLiteral("0"));
    write(QStringLiteral("AnimatedBar"), s.AnimatedBar);
}

QString WindowlessSettingsView::defaultLogoCaption() const
{
    return settings().DefaultLogoSet;
}
