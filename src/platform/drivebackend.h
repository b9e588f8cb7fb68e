#pragma once

#include "machine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A drive of the machine that is not a host folder (a FAT partition of a disk image) is reached
// through a backend registered at start-up. The file statements hand every path on such a drive to
// its backend, so this layer never needs to know how the drive is stored.
namespace platform
{

struct ListedEntry {
    QString name;
    bool folder = false;
    int attributes = 0; // hidden and system bits; -1 when not read yet
};

class DriveBackend;

// Where a Windows path of the current machine lies when its drive has a backend.
struct DriveLocation {
    DriveBackend* drive = nullptr;
    QStringList parts; // below the drive's root
    QString path; // the Windows path, for messages

    QStringList folder() const { return parts.mid(0, parts.size() - 1); }
    QString name() const { return parts.isEmpty() ? QString() : parts.last(); }
};

// A file about to be written whole on a drive.
struct PlannedWrite {
    DriveLocation at;
    qint64 size = 0;
};

// The file statements on one drive, with the error numbers the host-folder versions give.
class DriveBackend
{
public:
    virtual ~DriveBackend() = default;

    virtual void kill(const DriveLocation& at) = 0;
    virtual void mkDir(const DriveLocation& at) = 0;
    virtual void rmDir(const DriveLocation& at) = 0;
    // Both locations are on this drive.
    virtual void rename(const DriveLocation& from, const DriveLocation& to) = 0;
    virtual int getAttr(const DriveLocation& at) = 0;
    virtual void setAttr(const DriveLocation& at, int attributes) = 0;
    // -1 when missing, else the attributes with vbDirectory for a folder; never throws.
    virtual int entryAttributes(const DriveLocation& at) = 0;
    virtual QByteArray readFile(const DriveLocation& at, qint64 maxBytes) = 0;
    // Writes a whole file, keeping the attributes of the file it replaces unless given.
    virtual void writeFile(const DriveLocation& at, const QByteArray& data, std::optional<int> attributes)
        = 0;
    virtual void removeTree(const DriveLocation& at) = 0;
    // Creates an empty file; false when the name is taken.
    virtual bool createFile(const DriveLocation& at) = 0;
    virtual QList<ListedEntry> listing(const DriveLocation& folder) = 0;
    // A host file holding a copy of the file, for readers that need a host path (pictures, the
    // help document); a path that does not exist when the file is missing.
    virtual QString hostCopy(const DriveLocation& at) = 0;
    // Throws the one clear message that tells why the drive cannot be written now.
    virtual void checkWritable() = 0;
    // Throws one message naming the drive and the space missing unless `files` can all be written
    // on it, each replacing any file of its name.
    virtual void checkRoomFor(const QList<PlannedWrite>& files) = 0;
    // Sends the entry to the desktop's trash; false, leaving it as it was, when that failed.
    virtual bool moveToTrash(const DriveLocation& at) = 0;
};

// Gives the backend of a drive that lives in a disk image: the same one for every call on the same
// image and partition, for the whole process.
using ImageDriveOpener = std::function<DriveBackend&(const DriveMapping&)>;
void setImageDriveOpener(ImageDriveOpener opener);

// Nothing for a path on a host-folder drive. Throws FileError 52 / 76 as hostPathFor does, and 75
// for a disk image when no program part that reads them has been registered.
std::optional<DriveLocation> driveLocationOf(const QString& windowsPath);
// Whether the path's drive is a disk image; never throws.
bool isOnImageDrive(const QString& windowsPath);
// Throws the one clear message that tells why the path's drive cannot be written now; nothing for
// a host folder or a writable image.
void checkWritable(const QString& windowsPath);

// FileCopy and Name between drives when one of them is not a host folder: the file goes through
// memory. Files bigger than this are refused (75).
constexpr qint64 MaxCopyThroughMemoryBytes = 256 * 1024 * 1024;

} // namespace platform
