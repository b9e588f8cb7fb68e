#include "machinecaption.h"

#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

// The image guard refuses an image without any write bit even to root, whom isWritable lets by.
bool refusesWrites(const platform::DriveMapping& drive)
{
    if (drive.imagePath.isEmpty())
        return QFileInfo::exists(drive.hostFolder) && !QFileInfo(drive.hostFolder).isWritable();
    const QFileInfo image(drive.imagePath);
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return image.exists() && (!image.isWritable() || !(image.permissions() & anyWrite));
}

std::optional<platform::DriveMapping> windowsDrive(const platform::Machine& machine)
{
    try {
        return machine.drive(platform::parseWindowsPath(machine.windowsFolder()).drive);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

QString machineCaption(const platform::Machine& machine, const QString& defaultMachineFolder)
{
    const std::optional<platform::DriveMapping> drive = windowsDrive(machine);
    const bool onImage = drive && !drive->imagePath.isEmpty();
    QString caption;
    if (onImage)
        caption = QFileInfo(drive->imagePath).fileName();
    else if (QDir::cleanPath(machine.folder()) != QDir::cleanPath(defaultMachineFolder))
        caption = QDir::toNativeSeparators(QDir::cleanPath(machine.folder()));
    if (drive && refusesWrites(*drive)) {
        const QString readOnly = QCoreApplication::translate("MachineCaption", "(read-only)");
        caption += caption.isEmpty() ? readOnly : u' ' + readOnly;
    }
    return caption;
}

QString mainWindowTitle(const QString& machineCaption)
{
    const QString program = QCoreApplication::translate("Principale", "Bootcanvas");
    return machineCaption.isEmpty() ? program : machineCaption + QStringLiteral(" - ") + program;
}
