#pragma once

#include "fatvolume.h"
#include "imagestaging.h"
#include "imagestate.h"
#include "lostchains.h"
#include "mtools.h"
#include "platform/fileerror.h"
#include "replacementplan.h"

#include <QElapsedTimer>
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
namespace diskimage
{

// An image found unclean: a leftover temporary of ours, or allocation tables that disagree.
// Nothing is written until it has been repaired (repairImage).
class UncleanImageError : public platform::FileError
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
    // Replacements held back by an open ImageCommand are written first.
    const FatVolume& volume();
    // Writes held-back replacements first only when they may change what is found.
    std::optional<FatEntry> find(const QStringList& parts);
    QByteArray read(const FatEntry& entry, qint64 maxBytes);

    // Throws the one clear message that explains why the image cannot be written now; an unclean
    // image only when `requireClean`. fsck.fat checks the partition once per state of the image
    // file; changes of ours to a clean image keep it counted as clean.
    void checkWritable(bool requireClean = true);
    // Writes `data` under a temporary name in `folder`, checks it reads back, renames it to
    // `name` over any entry of that name, and gives it `attributes`. While an ImageCommand is open
    // the write waits (space reserved) so that the files bound for one folder go in one tool run.
    void replace(const QStringList& folder, const QString& name, const QByteArray& data, int attributes);
    // Throws one message naming the image and the space missing unless `files` fit after the
    // replacements already waiting, written in groups that each free the files they replace before
    // the next group needs room.
    void checkRoomFor(const QList<PlannedFile>& files);
    // Runs one changing tool with the safety checks before and the flush after.
    void change(const QString& tool, const QStringList& arguments, bool requireClean = true);

    // Frees the lost chains that `ours` says hold only data of ours, and those of emptied folders,
    // so that a repair does not keep them as recovered files; returns how many it freed. Leaves the
    // image alone when its allocation tables disagree or its folders cannot be walked.
    int freeLostChains(const OwnDataTest& ours);
    // The longest lost chain, or recovered file, read to tell whether it is ours: far more than a
    // screen.
    static constexpr qint64 MaxOwnChainBytes = 16 * 1024 * 1024;

    // The name our temporary entries have, so a leftover one is recognised.
    static bool isOurTemporary(const QString& name);
    // The partition's offset inside the raw image.
    qint64 partitionOffset() const { return m_partition.offset; }
    qint64 partitionSize() const { return m_partition.size; }
    QString rawPath() const { return m_rawPath; }

    // Flushes changes that an open ImageCommand held back; FileError when the flush fails.
    void flushChanges();

    // For tests of a change cut short: in-place replacements stop after step 1 (staged entries
    // deleted) or 2 (targets pointed at the new clusters); 0 runs them through.
    void stopReplacementsAfterStep(int step) { m_stopAfterStep = step; }

private:
    void open();
    const FatVolume& currentVolume();
    QString unusedTemporary(const QStringList& folder);
    void writeStaged();
    QList<QList<int>> planGroups(const QList<PlannedFile>& files);
    void writeFolderGroup(const QList<StagedFile>& group);
    void writeThroughFolder(const QList<StagedFile>& batch);
    void verifyWritten(const QStringList& folder, const QString& name, const StagedFile& file);
    void moveFromStaging(const QString& staging, const QList<StagedFile>& files);
    void replaceInPlace(const QString& staging, const QList<StagedFile>& files);
    void renameOver(const StagedFile& file);
    void setAttributes(const StagedFile& file);
    void removeTemporaries(const QList<StagedFile>& group);
    void removeStagingFolder(const QString& name);
    bool imageChanged() const;
    void checkClean(const QStringList& folder);
    void checkNotInUse();
    static constexpr qint64 InUseCheckMillis = 1000;
    void checkFileSystem();
    bool knownClean();
    // After a change: the volume is read again, and flushed unless a command is open.
    void changed(bool keepsClean);

    QString m_imagePath, m_rawPath;
    int m_partitionNumber;
    DiskPartition m_partition;
    std::shared_ptr<int> m_fd;
    struct stat m_seen = {};
    std::optional<FatVolume> m_volume;
    std::optional<Mtools> m_mtools;
    QElapsedTimer m_lastInUseCheck;
    std::optional<ImageState> m_cleanState; // the image file as it was last known to be clean
    bool m_unflushed = false;
    ReplacementStage m_stage;
    int m_stopAfterStep = 0;
};

} // namespace diskimage
