#include "machine.h"

#include "fileerror.h"
#include "windowspath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <stdexcept>

namespace platform
{

namespace
{

const QString DefaultProgramFolder = QStringLiteral("C:\\Program Files\\Bootcanvas");

struct IniEntry {
    QString section; // lower case
    QString key;
    QString value;
    int line;
};

class IniReader
{
public:
    IniReader(const QString& iniFile, const QByteArray& text)
        : m_iniFile(iniFile)
    {
        parse(text);
    }
    const QList<IniEntry>& entries() const { return m_entries; }
    [[noreturn]] void fail(const QString& reason) const { throw DamagedFileError(m_iniFile, reason); }

private:
    void parse(const QByteArray& bytes)
    {
        if (bytes.size() > Machine::MaxIniBytes)
            fail(QStringLiteral("larger than %1 bytes").arg(Machine::MaxIniBytes));
        if (bytes.contains('\0'))
            fail(QStringLiteral("contains NUL bytes"));
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(bytes);
        if (decoder.hasError())
            fail(QStringLiteral("not UTF-8 text"));
        QString section;
        int number = 0;
        for (const QStringView rawLine : QStringView(text).split(QLatin1Char('\n'))) {
            ++number;
            const QStringView line = rawLine.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            if (line.startsWith(QLatin1Char('['))) {
                if (!line.endsWith(QLatin1Char(']')))
                    fail(QStringLiteral("line %1: unclosed section name").arg(number));
                section = line.mid(1, line.size() - 2).trimmed().toString().toLower();
                continue;
            }
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals <= 0)
                fail(QStringLiteral("line %1: expected key=value").arg(number));
            if (section.isEmpty())
                fail(QStringLiteral("line %1: value outside any section").arg(number));
            m_entries.append({ section, line.left(equals).trimmed().toString(),
                line.mid(equals + 1).trimmed().toString(), number });
        }
    }

    QString m_iniFile;
    QList<IniEntry> m_entries;
};

std::optional<DriveType> driveTypeNamed(const QString& name)
{
    static const QList<std::pair<QString, DriveType>> types = {
        { QStringLiteral("removable"), DriveType::Removable },
        { QStringLiteral("fixed"), DriveType::Fixed },
        { QStringLiteral("remote"), DriveType::Remote },
        { QStringLiteral("cdrom"), DriveType::CdRom },
        { QStringLiteral("ramdisk"), DriveType::RamDisk },
    };
    for (const auto& [typeName, type] : types)
        if (name.compare(typeName, Qt::CaseInsensitive) == 0)
            return type;
    return std::nullopt;
}

// "partition=N" after the type: which partition of a disk image holds the drive.
std::optional<int> partitionOption(const QString& option)
{
    static const QString key = QStringLiteral("partition=");
    if (!option.startsWith(key, Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const int number = option.mid(key.size()).trimmed().toInt(&ok);
    return ok && number >= 1 && number <= 64 ? std::optional<int>(number) : std::nullopt;
}

// "C" + "drive_c,fixed" or "C" + "/vms/win98.img,fixed,partition=5": the folder may itself contain
// commas, so the type follows the last comma that is not the partition's.
DriveMapping parseDrive(const IniReader& reader, const QString& machineFolder, const IniEntry& entry)
{
    const QString where = QStringLiteral("line %1: ").arg(entry.line);
    if (entry.key.size() != 1 || !entry.key.at(0).isLetter() || entry.key.at(0).unicode() > 'z')
        reader.fail(where + QStringLiteral("\"%1\" is not a drive letter").arg(entry.key));
    DriveMapping drive;
    drive.letter = entry.key.at(0).toUpper();
    QString folder = entry.value;
    qsizetype comma = folder.lastIndexOf(QLatin1Char(','));
    std::optional<int> partition;
    if (comma >= 0
        && folder.mid(comma + 1).trimmed().startsWith(QLatin1String("partition"), Qt::CaseInsensitive)) {
        partition = partitionOption(folder.mid(comma + 1).trimmed());
        if (!partition)
            reader.fail(where + QStringLiteral("bad partition \"%1\"").arg(folder.mid(comma + 1)));
        folder = folder.left(comma);
        comma = folder.lastIndexOf(QLatin1Char(','));
    }
    if (comma >= 0) {
        const std::optional<DriveType> type = driveTypeNamed(folder.mid(comma + 1).trimmed());
        if (!type)
            reader.fail(where + QStringLiteral("unknown drive type \"%1\"").arg(folder.mid(comma + 1)));
        drive.type = *type;
        folder = folder.left(comma).trimmed();
    }
    if (folder.isEmpty())
        reader.fail(where + QStringLiteral("drive %1 has no folder").arg(drive.letter));
    drive.hostFolder = QDir::cleanPath(QDir(machineFolder).absoluteFilePath(folder));
    // A regular file is a disk image; anything else is a folder, missing ones included.
    if (QFileInfo(drive.hostFolder).isFile()) {
        drive.imagePath = drive.hostFolder;
        drive.partition = partition.value_or(0);
    } else if (partition) {
        reader.fail(where
            + QStringLiteral("drive %1 names a partition but %2 is no disk image")
                  .arg(drive.letter)
                  .arg(drive.hostFolder));
    }
    return drive;
}

QString normalisedPath(
    const IniReader& reader, const QList<DriveMapping>& drives, const QString& name, const QString& value)
{
    try {
        const WindowsPath path = parseWindowsPath(value);
        const bool mapped = std::any_of(
            drives.begin(), drives.end(), [&](const DriveMapping& d) { return d.letter == path.drive; });
        if (!mapped)
            reader.fail(QStringLiteral("[Paths] %1 is on the unmapped drive %2:").arg(name, path.drive));
        QString text = path.toString();
        if (text.endsWith(QLatin1Char('\\')))
            text.chop(1);
        return text;
    } catch (const FileError&) {
        reader.fail(QStringLiteral("[Paths] %1 is not a Windows path: \"%2\"").arg(name, value));
    }
}

std::optional<Machine>& current()
{
    static std::optional<Machine> machine;
    return machine;
}

} // namespace

Machine Machine::open(const QString& folder)
{
    const QString iniPath = QDir(folder).filePath(QStringLiteral("machine.ini"));
    QFile file(iniPath);
    if (!file.exists())
        throw DamagedFileError(iniPath, QStringLiteral("missing"));
    if (file.size() > MaxIniBytes)
        throw DamagedFileError(iniPath, QStringLiteral("larger than %1 bytes").arg(MaxIniBytes));
    if (!file.open(QIODevice::ReadOnly))
        throw DamagedFileError(iniPath, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    // Read one byte past the limit so a file that grew since the size check is still refused.
    return fromIniText(folder, file.read(MaxIniBytes + 1));
}

Machine Machine::fromIniText(const QString& folder, const QByteArray& iniText)
{
    Machine machine;
    machine.m_folder = QDir::cleanPath(QDir(folder).absolutePath());
    const IniReader reader(QDir(machine.m_folder).filePath(QStringLiteral("machine.ini")), iniText);

    for (const IniEntry& entry : reader.entries()) {
        if (entry.section == QLatin1String("drives")) {
            const DriveMapping drive = parseDrive(reader, machine.m_folder, entry);
            if (machine.drive(drive.letter))
                reader.fail(
                    QStringLiteral("line %1: drive %2 is mapped twice").arg(entry.line).arg(drive.letter));
            machine.m_drives.append(drive);
        }
    }
    if (machine.m_drives.isEmpty())
        reader.fail(QStringLiteral("no drive in [Drives]"));
    std::sort(machine.m_drives.begin(), machine.m_drives.end(),
        [](const DriveMapping& a, const DriveMapping& b) { return a.letter < b.letter; });

    for (const IniEntry& entry : reader.entries()) {
        const QString id = entry.section + QLatin1Char('/') + entry.key.toLower();
        if (!machine.value(entry.section, entry.key).isEmpty())
            continue; // the first of duplicate keys wins, as profile readers do
        machine.m_values.append({ id, entry.value });
        if (entry.section == QLatin1String("programs"))
            machine.m_programs.append({ entry.key, entry.value });
    }

    const auto pathSetting = [&](const QString& key, const QString& fallback) {
        const QString value = machine.value(QStringLiteral("Paths"), key);
        return normalisedPath(reader, machine.m_drives, key, value.isEmpty() ? fallback : value);
    };
    machine.m_windowsFolder = pathSetting(QStringLiteral("Windows"), QStringLiteral("C:\\WINDOWS"));
    machine.m_tempFolder
        = pathSetting(QStringLiteral("Temp"), machine.m_windowsFolder + QStringLiteral("\\TEMP"));
    machine.m_programFolder = pathSetting(QStringLiteral("Program"), DefaultProgramFolder);
    return machine;
}

std::optional<DriveMapping> Machine::drive(QChar letter) const
{
    const QChar upper = letter.toUpper();
    for (const DriveMapping& mapping : m_drives)
        if (mapping.letter == upper)
            return mapping;
    return std::nullopt;
}

QString Machine::hostProgramFor(const QString& windowsProgram) const
{
    // Compare normalised paths so "c:/windows/PBRUSH.EXE" finds "C:\WINDOWS\pbrush.exe".
    const auto normalised = [](const QString& path) {
        try {
            return parseWindowsPath(path).toString();
        } catch (const FileError&) {
            return path;
        }
    };
    const QString wanted = normalised(windowsProgram);
    for (const auto& [program, command] : m_programs)
        if (normalised(program).compare(wanted, Qt::CaseInsensitive) == 0)
            return command;
    return {};
}

QString Machine::value(const QString& section, const QString& key) const
{
    const QString id = section.toLower() + QLatin1Char('/') + key.toLower();
    for (const auto& [entryId, value] : m_values)
        if (entryId == id)
            return value;
    return {};
}

QString Machine::systemHivePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("system.reg"));
}

QString Machine::userHivePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("user.reg"));
}

const Machine& currentMachine()
{
    if (!current())
        throw std::logic_error("no current machine has been set");
    return *current();
}

void setCurrentMachine(const Machine& machine)
{
    current() = machine;
}

bool hasCurrentMachine()
{
    return current().has_value();
}

QString defaultMachineFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid for XDG and are ignored, as other desktop programs do.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty())
            home = QDir::homePath();
        dataHome = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/bootcanvas/machine"));
}

QString machineFolderInUse()
{
    const QString chosen = qEnvironmentVariable("BOOTCANVAS_MACHINE");
    return chosen.isEmpty() ? defaultMachineFolder() : chosen;
}

} // namespace platform
