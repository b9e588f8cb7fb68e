#pragma once

#include "imagedrive.h"
#include "platform/drivebackend.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The file statements on a drive that is a disk image, with the error numbers the host-folder
// versions give. The file layer hands a path here when its drive is an image.
namespace diskimage
{

class ImageFiles : public platform::DriveBackend
{
public:
    explicit ImageFiles(ImageDrive& drive)
        : m_drive(drive)
    {
    }

    void kill(const platform::DriveLocation& at) override;
    void mkDir(const platform::DriveLocation& at) override;
    void rmDir(const platform::DriveLocation& at) override;
    void rename(const platform::DriveLocation& from, const platform::DriveLocation& to) override;
    int getAttr(const platform::DriveLocation& at) override;
    void setAttr(const platform::DriveLocation& at, int attributes) override;
    int entryAttributes(const platform::DriveLocation& at) override;
    QByteArray readFile(const platform::DriveLocation& at, qint64 maxBytes) override;
    void writeFile(
        const platform::DriveLocation& at, const QByteArray& data, std::optional<int> attributes) override;
    void removeTree(const platform::DriveLocation& at) override;
    bool createFile(const platform::DriveLocation& at) override;
    QList<platform::ListedEntry> listing(const platform::DriveLocation& folder) override;
    QString hostCopy(const platform::DriveLocation& at) override;
    void checkWritable() override { m_drive.checkWritable(); }
    void checkRoomFor(const QList<platform::PlannedWrite>& files) override;
    bool moveToTrash(const platform::DriveLocation& at) override;

private:
    std::optional<FatEntry> entryAt(const platform::DriveLocation& at);
    bool parentIsFolder(const platform::DriveLocation& at);
    [[noreturn]] void missing(const platform::DriveLocation& at);
    FatEntry existingEntry(const platform::DriveLocation& at);

    ImageDrive& m_drive;
};

} // namespace diskimage
