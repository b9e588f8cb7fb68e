#include "imagemachine.h"

#include "defaultmachine.h"
#include "registrylayer.h"
#include "settings.h"
#include "systemfolders.h"

#include "diskimage/imagedrives.h"
#include "platform/fileerror.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace
{

const QString DefaultWindowsFolder = QStringLiteral("C:\\WINDOWS");

// [Paths] WinDir of the image's MSDOS.SYS, when it names a folder on C.
QString windowsFolderOf(const QString& imagePath)
{
    diskimage::ImageDrive& drive = diskimage::openImageDrive(imagePath, 0);
    const std::optional<diskimage::FatEntry> msdos = drive.find({ QStringLiteral("MSDOS.SYS") });
    if (!msdos || msdos->isFolder())
        return DefaultWindowsFolder;
    const QByteArray bytes = drive.read(*msdos, platform::IniDocument::MaxBytes);
    const QString named = platform::IniDocument::parse(bytes)
                              .value(QStringLiteral("Paths"), QStringLiteral("WinDir"))
                              .value_or(DefaultWindowsFolder);
    try {
        const platform::WindowsPath path = platform::parseWindowsPath(named);
        return path.drive == QLatin1Char('C') && !path.parts.isEmpty() ? path.toString()
                                                                       : DefaultWindowsFolder;
    } catch (const platform::FileError&) {
        return DefaultWindowsFolder;
    }
}

// The host folder of the default machine's program folder, which holds the logo library.
QString defaultProgramFolderOnHost()
{
    const platform::Machine machine = platform::Machine::open(platform::defaultMachineFolder());
    const platform::WindowsPath program = platform::parseWindowsPath(machine.programFolder());
    const std::optional<platform::DriveMapping> drive = machine.drive(program.drive);
    if (!drive || !drive->imagePath.isEmpty())
        throw platform::FileError(platform::PathNotFound,
            QCoreApplication::translate(
                "ImageMachine", "The default machine's program folder is not a folder on the host"));
    return QDir::cleanPath(drive->hostFolder + QLatin1Char('/') + program.parts.join(QLatin1Char('/')));
}

// The companion programs run from the program folder (P:, where the Run entry names tandemist)
// and from the place the StartUp shortcuts name, as on the default machine.
QByteArray programsSection(const QString& windowsFolder)
{
    return "[Programs]\n" + companionProgramLines(QStringLiteral("P:"))
        + companionProgramLines(QStringLiteral("C:\\Program Files\\Bootcanvas"))
        + paintProgramLine(windowsFolder);
}

QByteArray imageMachineIni(const QString& imagePath)
{
    const QString windows = windowsFolderOf(imagePath);
    return ("; The machine Bootcanvas keeps for the disk image " + imagePath + "\n[Drives]\nC=" + imagePath
               + ",fixed\nP=" + defaultProgramFolderOnHost()
               + ",fixed\nT=temp,fixed\nZ=/,remote\n\n[Paths]\nWindows=" + windows
               + "\nTemp=T:\\\nProgram=P:\\\n\n")
               .toUtf8()
        + programsSection(windows);
}

// A machine folder made before its companion programs were mapped gains the mapping.
void addMissingPrograms(const QString& ini)
{
    const platform::Machine machine = platform::Machine::open(QFileInfo(ini).path());
    if (!machine.hostProgramFor(QStringLiteral("P:\\tandemist.exe")).isEmpty())
        return;
    QFile file(ini);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.readAll();
    file.close();
    platform::writeHostFileAtomically(ini, text + "\n" + programsSection(machine.windowsFolder()));
}

void ensureDefaultMachine()
{
    const QString folder = platform::defaultMachineFolder();
    if (!QFileInfo::exists(QDir(folder).filePath(QStringLiteral("machine.ini"))))
        createDefaultMachine(folder);
}

} // namespace

QString imageMachineFolder(const QString& imagePath)
{
    const QString absolute = QFileInfo(imagePath).absoluteFilePath();
    const QByteArray hash
        = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString name = QFileInfo(absolute).completeBaseName();
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    const QString images = QFileInfo(platform::defaultMachineFolder()).path() + QStringLiteral("/images/");
    return images + name.left(40) + QLatin1Char('-') + QString::fromLatin1(hash);
}

void useImageMachine(const QString& imagePath)
{
    const QString image = QFileInfo(imagePath).absoluteFilePath();
    if (!QFileInfo(image).isFile())
        throw platform::FileError(platform::FileNotFound,
            QCoreApplication::translate("ImageMachine", "No disk image at %1").arg(imagePath));
    diskimage::useImageDrives();
    ensureDefaultMachine();
    const QString folder = imageMachineFolder(image);
    const QString ini = QDir(folder).filePath(QStringLiteral("machine.ini"));
    if (!QDir().mkpath(folder + QStringLiteral("/temp")))
        throw platform::FileError(platform::PathNotFound,
            QCoreApplication::translate("DefaultMachine", "Cannot create the folder %1").arg(folder));
    // Two commands started together on a new image: the second waits until the first has made
    // the whole machine, its settings included, rather than finding it half made.
    const platform::FileLock making(folder + QStringLiteral("/making.lock"));
    if (!QFileInfo::exists(ini)) {
        platform::writeHostFileAtomically(ini, imageMachineIni(image));
        const platform::Machine machine = platform::Machine::open(folder);
        platform::setCurrentMachine(machine);
        CreateRegKey(platform::HKEY_CURRENT_USER, ShellFoldersKey);
        WriteRegValue(platform::HKEY_CURRENT_USER, ShellFoldersKey, QStringLiteral("Startup"),
            machine.windowsFolder() + QStringLiteral("\\Start Menu\\Programs\\StartUp"), platform::REG_SZ);
        // Its settings start at their defaults, so the command-line tool can work on it at once.
        CreateRegKey(platform::HKEY_LOCAL_MACHINE, SettingsKey);
    } else {
        addMissingPrograms(ini);
    }
    // Set for the whole process and the companion programs it starts.
    qputenv("BOOTCANVAS_MACHINE", QFile::encodeName(folder));
}

std::optional<QString> takeImageOption(QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.first() != QLatin1String("--image"))
        return std::nullopt;
    if (arguments.size() < 2)
        throw std::invalid_argument("--image needs the path of a disk image");
    arguments.removeFirst();
    return arguments.takeFirst();
}
