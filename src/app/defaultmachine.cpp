#include "defaultmachine.h"

#include "registrylayer.h"
#include "sampleart.h"
#include "settings.h"
#include "systemfolders.h"

#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/shelllink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

const QString ProgramFolder = QStringLiteral("drive_c/Program Files/Bootcanvas");
const QString StartUpFolder = QStringLiteral("C:\\WINDOWS\\Start Menu\\Programs\\StartUp");

void writeHostFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    platform::writeHostFileAtomically(path, bytes);
}

void writeScreen(const QString& path, SampleTheme theme, SampleScreen screen)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!drawSampleScreen(theme, screen).save(path, "BMP"))
        throw platform::FileError(platform::PathFileAccessError,
            QCoreApplication::translate("DefaultMachine", "Cannot write %1").arg(path));
}

// The first paint program the host has stands in for Paint.
QString hostPaintProgram()
{
    for (const char* candidate : { "kolourpaint", "pinta", "mtpaint", "drawing", "gimp" }) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// The companion programs are installed beside this program; in a build tree they lie in "tools".
QString hostCompanionProgram(const QString& name)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
        { here.filePath(name), here.filePath(QStringLiteral("../tools/") + name) })
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? here.filePath(name) : found;
}

void writeStartupShortcuts(const QString& program)
{
    for (const char* name : { "Shufflet", "Cyclette" }) {
        const QString exe = QString::fromLatin1(name).toLower() + QStringLiteral(".exe");
        ShellLink link;
        link.target = QStringLiteral("C:\\Program Files\\Bootcanvas\\") + exe;
        link.relativePath = QStringLiteral(".\\") + exe;
        link.workingDirectory = QStringLiteral("C:\\Program Files\\Bootcanvas");
        link.description = QString::fromLatin1(name);
        writeHostFile(
            program + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".lnk"), shellLinkBytes(link));
    }
}

QByteArray machineIni()
{
    QByteArray ini
        = "; The Windows 95/98 installation that Bootcanvas works on.\n"
          "[Drives]\nC=drive_c,fixed\nZ=/,remote\n\n"
          "[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\nProgram=C:\\Program Files\\Bootcanvas\n";
    return ini + "\n[Programs]\n" + companionProgramLines(QStringLiteral("C:\\Program Files\\Bootcanvas"))
        + paintProgramLine(QStringLiteral("C:\\WINDOWS"));
}

void writeSampleSets(const QString& program)
{
    const struct {
        const char* name;
        SampleTheme theme;
        bool single;
    } sets[] = {
        { "Deep Ocean", SampleTheme::Ocean, false },
        { "Meadow.sls", SampleTheme::Meadow, true },
        { "Starfield.sls", SampleTheme::Starfield, true },
        { "Sunrise", SampleTheme::Sunrise, false },
    };
    for (const auto& set : sets) {
        const QString folder = program + QLatin1Char('/') + QLatin1String(set.name);
        writeScreen(folder + QStringLiteral("/LOGO.SYS"), set.theme, SampleScreen::Startup);
        if (set.single)
            continue;
        writeScreen(folder + QStringLiteral("/LOGOW.SYS"), set.theme, SampleScreen::Wait);
        writeScreen(folder + QStringLiteral("/LOGOS.SYS"), set.theme, SampleScreen::Shutdown);
    }
    writeScreen(program + QStringLiteral("/LOGOW.SYS"), SampleTheme::Plain, SampleScreen::Wait);
    writeScreen(program + QStringLiteral("/LOGOS.SYS"), SampleTheme::Plain, SampleScreen::Shutdown);
}

void writeHelpFile(const QString& program)
{
    QFile help(QStringLiteral(":/bootcanvas.hlp"));
    if (help.open(QIODevice::ReadOnly))
        writeHostFile(program + QStringLiteral("/bootcanvas.hlp"), help.readAll());
}

} // namespace

QByteArray companionProgramLines(const QString& programFolder)
{
    QByteArray lines;
    for (const char* name : { "tandemist", "shufflet", "cyclette" })
        lines += (programFolder + QLatin1Char('\\') + QLatin1String(name) + QStringLiteral(".exe=")
            + hostCompanionProgram(QString::fromLatin1(name)) + QLatin1Char('\n'))
                     .toUtf8();
    return lines;
}

QByteArray paintProgramLine(const QString& windowsFolder)
{
    const QString paint = hostPaintProgram();
    if (paint.isEmpty())
        return {};
    return (windowsFolder + QStringLiteral("\\pbrush.exe=") + paint + QLatin1Char('\n')).toUtf8();
}

QByteArray defaultMsdosSys()
{
    QByteArray text = "[Paths]\r\nWinDir=C:\\WINDOWS\r\nWinBootDir=C:\\WINDOWS\r\nHostWinBootDrv=C\r\n\r\n"
                      "[Options]\r\nBootMulti=1\r\nBootGUI=1\r\nDoubleBuffer=1\r\nAutoScan=1\r\n"
                      "WinVer=4.10.2222\r\nLogo=1\r\n;\r\n"
                      ";The following lines are required for compatibility with other programs.\r\n"
                      ";Do not remove them (MSDOS.SYS needs to be >1024 bytes).\r\n";
    for (char tail = 'a'; tail <= 's'; ++tail)
        text += ';' + QByteArray(70, 'x') + tail + "\r\n";
    return text;
}

void createDefaultMachine(const QString& folder)
{
    QDir root(folder);
    if (!root.mkpath(QStringLiteral("drive_c/WINDOWS/TEMP"))
        || !root.mkpath(QStringLiteral("drive_c/WINDOWS/Start Menu/Programs/StartUp")))
        throw platform::FileError(platform::PathNotFound,
            QCoreApplication::translate("DefaultMachine", "Cannot create the folder %1").arg(folder));
    const QString program = root.filePath(ProgramFolder);
    writeSampleSets(program);
    writeHelpFile(program);
    writeStartupShortcuts(program);
    writeHostFile(root.filePath(QStringLiteral("drive_c/MSDOS.SYS")), defaultMsdosSys());
    writeScreen(
        root.filePath(QStringLiteral("drive_c/LOGO.SYS")), SampleTheme::Sunrise, SampleScreen::Startup);
    writeScreen(
        root.filePath(QStringLiteral("drive_c/WINDOWS/LOGOW.SYS")), SampleTheme::Sunrise, SampleScreen::Wait);
    writeScreen(root.filePath(QStringLiteral("drive_c/WINDOWS/LOGOS.SYS")), SampleTheme::Sunrise,
        SampleScreen::Shutdown);
    // machine.ini comes last: a machine folder with it is a complete machine.
    writeHostFile(root.filePath(QStringLiteral("machine.ini")), machineIni());
    platform::setCurrentMachine(platform::Machine::open(folder));
    CreateRegKey(platform::HKEY_CURRENT_USER, ShellFoldersKey);
    WriteRegValue(platform::HKEY_CURRENT_USER, ShellFoldersKey, QStringLiteral("Startup"), StartUpFolder,
        platform::REG_SZ);
    // The screens installed above are the Sunrise set's, and the companion programs need to know it.
    CreateRegKey(platform::HKEY_LOCAL_MACHINE, SettingsKey);
    WriteRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"),
        QStringLiteral("Sunrise"), platform::REG_SZ);
}
