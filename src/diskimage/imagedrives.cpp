#include "imagedrives.h"

#include "imageexport.h"
#include "imagefiles.h"
#include "platform/fileerror.h"
#include "platform/machine.h"
#include "tempfolders.h"

#include <map>
#include <memory>

namespace diskimage
{

namespace
{

struct OpenImage {
    std::unique_ptr<ImageExport> exported; // only for formats mtools cannot read itself
    std::unique_ptr<ImageDrive> drive;
    std::unique_ptr<ImageFiles> files;
};

std::map<std::pair<QString, int>, OpenImage>& openImages()
{
    static std::map<std::pair<QString, int>, OpenImage> images;
    return images;
}

OpenImage& openImage(const QString& imagePath, int partition)
{
    OpenImage& image = openImages()[{ imagePath, partition }];
    if (!image.drive) {
        QString rawPath = imagePath;
        if (needsExport(imagePath)) {
            image.exported = std::make_unique<ImageExport>(imagePath);
            rawPath = image.exported->rawPath();
        }
        image.drive = std::make_unique<ImageDrive>(imagePath, rawPath, partition);
        image.files = std::make_unique<ImageFiles>(*image.drive);
    }
    return image;
}

} // namespace

void useImageDrives()
{
    removeStaleFolders();
    platform::setImageDriveOpener([](const platform::DriveMapping& drive) -> platform::DriveBackend& {
        return *openImage(drive.imagePath, drive.partition).files;
    });
}

ImageDrive& openImageDrive(const QString& imagePath, int partition)
{
    return *openImage(imagePath, partition).drive;
}

void flushChangedImageDrives()
{
    std::optional<platform::FileError> failed;
    for (auto& [key, image] : openImages()) {
        try {
            if (image.drive)
                image.drive->flushChanges();
        } catch (const platform::FileError& error) {
            if (!failed)
                failed = error;
        }
    }
    if (failed)
        throw *failed;
}

} // namespace diskimage
