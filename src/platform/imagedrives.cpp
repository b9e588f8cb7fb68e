#include "imagedrives.h"

#include "fileerror.h"
#include "imageexport.h"
#include "machine.h"
#include "winpath.h"

#include <map>
#include <memory>

namespace platform
{

namespace
{

struct OpenImage {
    std::unique_ptr<ImageExport> exported; // only for formats mtools cannot read itself
    std::unique_ptr<ImageDrive> drive;
};

std::map<std::pair<QString, int>, OpenImage>& openImages()
{
    static std::map<std::pair<QString, int>, OpenImage> images;
    return images;
}

} // namespace

ImageDrive& openImageDrive(const QString& imagePath, int partition)
{
    OpenImage& image = openImages()[{ imagePath, partition }];
    if (!image.drive) {
        QString rawPath = imagePath;
        if (needsExport(imagePath)) {
            image.exported = std::make_unique<ImageExport>(imagePath);
            rawPath = image.exported->rawPath();
        }
        image.drive = std::make_unique<ImageDrive>(imagePath, rawPath, partition);
    }
    return *image.drive;
}

void flushChangedImageDrives()
{
    std::optional<FileError> failed;
    for (auto& [key, image] : openImages()) {
        try {
            if (image.drive)
                image.drive->flushChanges();
        } catch (const FileError& error) {
            if (!failed)
                failed = error;
        }
    }
    if (failed)
        throw *failed;
}

std::optional<ImageLocation> imageLocationOf(const QString& windowsPath)
{
    if (!hasCurrentMachine())
        return std::nullopt;
    const WindowsPath path = parseWindowsPath(windowsPath);
    const std::optional<DriveMapping> drive = currentMachine().drive(path.drive);
    if (!drive)
        throw FileError::withPath(PathNotFound, windowsPath);
    if (drive->imagePath.isEmpty())
        return std::nullopt;
    return ImageLocation { &openImageDrive(drive->imagePath, drive->partition), path.parts, path.toString() };
}

void checkWritable(const QString& windowsPath)
{
    if (const std::optional<ImageLocation> image = imageLocationOf(windowsPath))
        image->drive->checkWritable();
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

} // namespace platform
