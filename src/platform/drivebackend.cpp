#include "drivebackend.h"

#include "fileerror.h"
#include "windowspath.h"

namespace platform
{

namespace
{

ImageDriveOpener& imageDriveOpener()
{
    static ImageDriveOpener opener;
    return opener;
}

} // namespace

void setImageDriveOpener(ImageDriveOpener opener)
{
    imageDriveOpener() = std::move(opener);
}

std::optional<DriveLocation> driveLocationOf(const QString& windowsPath)
{
    if (!hasCurrentMachine())
        return std::nullopt;
    const WindowsPath path = parseWindowsPath(windowsPath);
    const std::optional<DriveMapping> drive = currentMachine().drive(path.drive);
    if (!drive)
        throw FileError::withPath(PathNotFound, windowsPath);
    if (drive->imagePath.isEmpty())
        return std::nullopt;
    if (!imageDriveOpener())
        throw FileError::withPath(PathFileAccessError, windowsPath);
    return DriveLocation { &imageDriveOpener()(*drive), path.parts, path.toString() };
}

bool isOnImageDrive(const QString& windowsPath)
{
    try {
        if (windowsPath.startsWith(QLatin1Char('/')) || !hasCurrentMachine())
            return false;
        const std::optional<DriveMapping> drive = currentMachine().drive(parseWindowsPath(windowsPath).drive);
        return drive && !drive->imagePath.isEmpty();
    } catch (const std::exception&) {
        return false;
    }
}

void checkWritable(const QString& windowsPath)
{
    if (const std::optional<DriveLocation> at = driveLocationOf(windowsPath))
        at->drive->checkWritable();
}

} // namespace platform
