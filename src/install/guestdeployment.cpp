#include "guestdeployment.h"

#include "realinstallation.h"

#include "app/pathhelpers.h"
#include "app/settings.h"
#include "diskimage/imagecommand.h"
#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/shelllink.h"

#include <QCoreApplication>
#include <QFile>
#include <optional>

namespace
{

const QString Section = QStringLiteral("Settings");
const QStringList Screens
    = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };
const QStringList Shortcuts
    = { QStringLiteral("Shufflet.lnk"), QStringLiteral("Cyclette.lnk"), QStringLiteral("Tandemist.lnk") };
// Far above any screen file; a bigger file is no screen of ours.
constexpr qint64 MaxScreenBytes = 16 * 1024 * 1024;

QString settingsFile()
{
    return guestCompanionFolder() + QStringLiteral("Bootcanvas.ini");
}

QString guestLogoFolder()
{
    return guestCompanionFolder() + QStringLiteral("Logos\\");
}

QString withoutBackslash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('\\')) && folder.size() > 3 ? folder.chopped(1) : folder;
}

void makeFolders(const QString& folder)
{
    const QStringList parts = withoutBackslash(folder).split(QLatin1Char('\\'));
    QString path = parts.first();
    for (int i = 1; i < parts.size(); ++i) {
        path += QLatin1Char('\\') + parts[i];
        if (!platform::folderExists(path))
            platform::MkDir(path);
    }
}

// Writes `bytes` to `target` unless it already holds them, so that an exit that changed nothing
// writes nothing into the guest. Returns the bytes the target takes.
qint64 writeIfChanged(const QString& target, const QByteArray& bytes)
{
    if (!platform::fileExists(target) || platform::readFile(target, MaxScreenBytes) != bytes)
        platform::writeFileAtomically(target, bytes);
    return bytes.size();
}

QByteArray guestProgram(const QString& name)
{
    QFile program(QStringLiteral(":/guest/") + name);
    if (!program.open(QIODevice::ReadOnly))
        throw platform::FileError(platform::FileNotFound,
            QCoreApplication::translate(
                "Installation", "This Bootcanvas was built without the Windows companion programs (%1)")
                .arg(name));
    return program.readAll();
}

qint64 putProgram(const QString& name)
{
    return writeIfChanged(guestCompanionFolder() + name, guestProgram(name));
}

qint64 putShortcut(const QString& path, const QString& program, const QString& arguments)
{
    ShellLink link;
    link.target = guestCompanionFolder() + program;
    link.description = QStringLiteral("Changes the Windows startup screen (Bootcanvas)");
    link.workingDirectory = withoutBackslash(guestCompanionFolder());
    link.arguments = arguments;
    return writeIfChanged(path, shellLinkBytes(link));
}

// Copies `source` over `target` unless they already hold the same bytes; removes `target` when
// there is no source. Returns the bytes the target takes.
qint64 copyIfChanged(const QString& source, const QString& target)
{
    if (!platform::fileExists(source)) {
        if (platform::fileExists(target))
            platform::Kill(target);
        return 0;
    }
    return writeIfChanged(target, platform::readFile(source, MaxScreenBytes));
}

bool containsName(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

// The copy of the library follows the logo folder: its sets' three screens and the default wait and
// shutdown screens. Returns the bytes the copy takes.
qint64 copyLibrary()
{
    const QString from = settings().LogoPath, to = guestLogoFolder();
    makeFolders(to);
    const QStringList sets = platform::listSubfolders(from);
    for (const QString& copied : platform::listSubfolders(to))
        if (!containsName(sets, copied))
            platform::removeTree(to + copied);
    qint64 bytes = 0;
    for (const QString& set : sets) {
        if (!platform::folderExists(to + set))
            platform::MkDir(to + set);
        for (const QString& screen : Screens)
            bytes += copyIfChanged(
                from + set + QLatin1Char('\\') + screen, to + set + QLatin1Char('\\') + screen);
    }
    for (const QString& screen : Screens.mid(1))
        bytes += copyIfChanged(from + screen, to + screen);
    return bytes;
}

QString existingValue(const QString& key)
{
    return platform::fileExists(settingsFile())
        ? CutAtNull(platform::GetPrivateProfileString(Section, key, QString(), settingsFile()))
        : QString();
}

// The companions' settings, in the ANSI text Windows reads; what the guest recorded is kept.
qint64 writeSettingsFile(const QString& startupFolder)
{
    const Settings& s = settings();
    const QStringList lines = { QStringLiteral(
                                    "; Settings of the Bootcanvas companion programs, written by Bootcanvas"),
        QStringLiteral("[Settings]"), QStringLiteral("LogoFolder=") + guestLogoFolder(),
        QStringLiteral("BootDrive=") + s.StartUpDrive,
        QStringLiteral("WindowsFolder=") + AddBackslash(s.WinPath),
        QStringLiteral("StartupFolder=") + startupFolder,
        QStringLiteral("Synchronize=") + (s.SynchronizeLogos != 0 ? QLatin1Char('1') : QLatin1Char('0')),
        QStringLiteral("InstalledSet=") + existingValue(QStringLiteral("InstalledSet")),
        QStringLiteral("Generation=") + existingValue(QStringLiteral("Generation")) };
    return writeIfChanged(
        settingsFile(), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

void removeShortcuts(const QString& startupFolder)
{
    for (const QString& shortcut : Shortcuts)
        if (platform::fileExists(startupFolder + shortcut))
            platform::Kill(startupFolder + shortcut);
}

void removeEverything(const QString& startupFolder)
{
    removeShortcuts(startupFolder);
    const QString folder = withoutBackslash(guestCompanionFolder());
    if (platform::folderExists(folder))
        platform::removeTree(folder);
}

qint64 putCompanions(StartupChange change, const QString& startupFolder)
{
    const bool random = change == StartupChange::Random;
    const QString program = random ? QStringLiteral("shufflet.exe") : QStringLiteral("cyclette.exe");
    const QString other = random ? QStringLiteral("cyclette.exe") : QStringLiteral("shufflet.exe");
    makeFolders(guestCompanionFolder());
    makeFolders(startupFolder);
    removeShortcuts(startupFolder);
    if (platform::fileExists(guestCompanionFolder() + other))
        platform::Kill(guestCompanionFolder() + other);
    qint64 bytes = putProgram(program) + putProgram(QStringLiteral("tandemist.exe"));
    bytes += putShortcut(guestCompanionFolder() + QStringLiteral("Tandem0.lnk"),
        QStringLiteral("tandemist.exe"), QStringLiteral("/auto 0"));
    bytes += putShortcut(guestCompanionFolder() + QStringLiteral("Tandem1.lnk"),
        QStringLiteral("tandemist.exe"), QStringLiteral("/auto 1"));
    bytes += writeSettingsFile(startupFolder) + copyLibrary();
    const QString shortcut = random ? QStringLiteral("Shufflet.lnk") : QStringLiteral("Cyclette.lnk");
    return bytes + putShortcut(startupFolder + shortcut, program, QString());
}

// The change a StartUp shortcut of ours in `startupFolder` asks for; nothing without one.
std::optional<StartupChange> startupChangeOfShortcuts(const QString& startupFolder)
{
    if (platform::fileExists(startupFolder + QStringLiteral("Shufflet.lnk")))
        return StartupChange::Random;
    if (platform::fileExists(startupFolder + QStringLiteral("Cyclette.lnk")))
        return StartupChange::Sequential;
    return std::nullopt;
}

} // namespace

QString guestCompanionFolder()
{
    return AddBackslash(settings().WinPath).left(2)
        + QStringLiteral("\\Program Files\\Bootcanvas Companions\\");
}

bool guestCompanionsDeployed()
{
    return platform::fileExists(settingsFile());
}

qint64 deployStartupChange(StartupChange change, const QString& startupFolder)
{
    platform::checkWritable(guestCompanionFolder());
    diskimage::ImageCommand images;
    qint64 bytes = 0;
    if (change == StartupChange::Nothing)
        removeEverything(startupFolder);
    else
        bytes = putCompanions(change, startupFolder);
    images.finish();
    return bytes;
}

void keepGuestInStep(const QString& startupFolder)
{
    if (!machineIsRealInstallation())
        return;
    if (!guestCompanionsDeployed()) {
        // A StartUp shortcut that an earlier Bootcanvas left names a program on a drive the guest
        // does not have: it gets the companion it asked for.
        if (const std::optional<StartupChange> chosen = startupChangeOfShortcuts(startupFolder))
            deployStartupChange(*chosen, startupFolder);
        return;
    }
    platform::checkWritable(guestCompanionFolder());
    diskimage::ImageCommand images;
    writeSettingsFile(startupFolder);
    copyLibrary();
    images.finish();
}

QString guestInstalledSet()
{
    return guestCompanionsDeployed() ? existingValue(QStringLiteral("InstalledSet")) : QString();
}

bool guestPendingCopyBrings(const QString& setName)
{
    if (!machineIsRealInstallation() || !guestCompanionsDeployed())
        return false;
    const QString pending = guestCompanionFolder() + QStringLiteral("Tandemist.ini");
    if (!platform::fileExists(pending))
        return false;
    const QString folder = AddBackslash(
        CutAtNull(platform::GetPrivateProfileString(Section, QStringLiteral("Path"), QString(), pending)));
    const QString expected
        = isSingleLogoSet(setName) ? guestLogoFolder() : guestLogoFolder() + setName + QLatin1Char('\\');
    return folder.compare(expected, Qt::CaseInsensitive) == 0;
}

void adoptGuestInstalledSet()
{
    if (!machineIsRealInstallation())
        return;
    try {
        if (const QString installed = guestInstalledSet(); !installed.isEmpty())
            settings().DefaultLogoSet = installed;
    } catch (const platform::FileError&) {
        // An unreadable guest keeps the set the host recorded.
    }
}

void recordHostInstallationInGuest(const QString& setName)
{
    if (!guestCompanionsDeployed())
        return;
    const QString startupFolder = AddBackslash(existingValue(QStringLiteral("StartupFolder")));
    platform::WritePrivateProfileString(Section, QStringLiteral("InstalledSet"), setName, settingsFile());
    const QString pending = guestCompanionFolder() + QStringLiteral("Tandemist.ini");
    if (platform::fileExists(pending))
        platform::Kill(pending);
    if (startupFolder.size() > 1 && platform::fileExists(startupFolder + QStringLiteral("Tandemist.lnk")))
        platform::Kill(startupFolder + QStringLiteral("Tandemist.lnk"));
}
