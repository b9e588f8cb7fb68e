#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace platform
{

// Values of GetDriveTypeA, numbered from 0.
enum class DriveType { Unknown = 0, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

struct DriveMapping {
    QChar letter; // upper case
    QString hostFolder; // absolute, no trailing slash (except "/")
    DriveType type = DriveType::Fixed;
    // A drive in a disk image: the image file, and its partition (0: the first FAT partition,
    // 1-4 primary, 5 and up logical). Empty for a host folder.
    QString imagePath;
    int partition = 0;
};

// A Windows 9x installation as the program sees it: a host folder with machine.ini (drive map,
// [Paths], [Programs]) and the two registry hives. Windows paths in [Paths] have no trailing "\".
class Machine
{
public:
    // Largest machine.ini accepted; anything bigger is damaged.
    static constexpr qint64 MaxIniBytes = 256 * 1024;

    // Reads `folder`/machine.ini. Throws DamagedFileError when it is missing, too big or malformed
    // (no drive, a bad drive line, a [Paths] entry on an unmapped drive).
    static Machine open(const QString& folder);
    // Parses machine.ini text; relative drive folders are taken relative to `folder`.
    static Machine fromIniText(const QString& folder, const QByteArray& iniText);

    QString folder() const { return m_folder; }
    const QList<DriveMapping>& drives() const { return m_drives; }
    std::optional<DriveMapping> drive(QChar letter) const;

    QString windowsFolder() const { return m_windowsFolder; } // "C:\WINDOWS"
    QString tempFolder() const { return m_tempFolder; } // "C:\WINDOWS\TEMP"
    QString programFolder() const { return m_programFolder; } // "C:\Program Files\Bootcanvas"
    // Host command mapped to a Windows program path in [Programs] (case-insensitive); empty if none.
    QString hostProgramFor(const QString& windowsProgram) const;
    // Any other value of machine.ini, such as [Online] UpdateUrl; empty when absent.
    QString value(const QString& section, const QString& key) const;

    QString systemHivePath() const; // host path of system.reg (HKEY_LOCAL_MACHINE)
    QString userHivePath() const; // host path of user.reg (HKEY_CURRENT_USER)

private:
    QString m_folder;
    QList<DriveMapping> m_drives;
    QString m_windowsFolder, m_tempFolder, m_programFolder;
    QList<std::pair<QString, QString>> m_programs;
    QList<std::pair<QString, QString>> m_values; // "section/key" (lower case) -> value
};

// The machine the whole process works on; set once at start (and by each test).
const Machine& currentMachine();
void setCurrentMachine(const Machine& machine);
bool hasCurrentMachine();

// $XDG_DATA_HOME/bootcanvas/machine (normally ~/.local/share/bootcanvas/machine).
QString defaultMachineFolder();
// BOOTCANVAS_MACHINE when set, else the default machine folder.
QString machineFolderInUse();

} // namespace platform
