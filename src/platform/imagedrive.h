#pragma once

#include "fatvolume.h"
#include "fileerror.h"
#include "mtools.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

// A drive of the machine that lives in a FAT partition of a disk image file. It reads the volume
// itself and changes it through mtools, with the safety a disk of a virtual machine needs: nothing
// is written into an image a virtual machine is using, into a read-only or unclean image, or past
// its free space; every replacement goes to a temporary entry renamed over the target; the image
// is flushed after each change. Paths are the components below the drive's root.
namespace platform
{

// An image found unclean: a leftover temporary of ours, or allocation tables that disagree.
// Nothing is written until it has been repaired (repairImage).
class UncleanImageError : public FileError
{
public:
    UncleanImageError(const QString& imagePath, const QString& reason);
    QString imagePath() const { return m_imagePath; }

private:
    QString m_imagePath;
};

class ImageDrive
{
public:
    // `rawPath` is the image as raw bytes: the image itself, or its export by qemu-storage-daemon.
    ImageDrive(const QString& imagePath, const QString& rawPath, int partition);

    QString imagePath() const { return m_imagePath; }
    // The volume as it is now, re-read when the image changed; FileError 75 for a damaged image.
    const FatVolume& volume();
    std::optional<FatEntry> find(const QStringList& parts) { return volume().find(parts); }
    QByteArray read(const FatEntry& entry, qint64 maxBytes);

    // Throws the one clear message that explains why the image cannot be written now; an unclean
    // image only when `requireClean`.
    void checkWritable(bool requireClean = true);
    // Writes `data` under a temporary name in `folder`, checks it reads back, renames it to
    // `name` over any entry of that name, and gives it `attributes`.
    void replace(const QStringList& folder, const QString& name, const QByteArray& data, int attributes);
    // Runs one changing tool with the safety checks before and the flush after.
    void change(const QString& tool, const QStringList& arguments, bool requireClean = true);

    // The name our temporary entries have, so a leftover one is recognised.
    static bool isOurTemporary(const QString& name);
    // The partition's offset inside the raw image.
    qint64 partitionOffset() const { return m_partition.offset; }
    qint64 partitionSize() const { return m_partition.size; }
    QString rawPath() const { return m_rawPath; }

private:
    void open();
    bool imageChanged() const;
    void checkClean(const QStringList& folder);
    void flush();

    QString m_imagePath, m_rawPath;
    int m_partitionNumber;
    DiskPartition m_partition;
    std::shared_ptr<int> m_fd;
    struct stat m_seen = {};
    std::optional<FatVolume> m_volume;
    std::optional<Mtools> m_mtools;
};

} // namespace platform
