#include "imagedrive.h"

#include "commanddepth.h"
#include "fateditor.h"
#include "imageguard.h"
#include "imageio.h"
#include "partitioncheck.h"
#include "platform/fileerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace diskimage
{

using namespace platform;

namespace
{

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

ImageReader readerOf(std::shared_ptr<int> fd)
{
    return [fd](qint64 offset, qint64 size) { return readImageAt(*fd, offset, size); };
}

QString attributeFlag(int attributes, int bit, char letter)
{
    return QString(QLatin1Char(attributes & bit ? '+' : '-')) + QLatin1Char(letter);
}

// The raw image opened for the few writes of an in-place edit.
class WritableImage
{
public:
    WritableImage(const QString& rawPath, const QString& imagePath)
        : m_fd(::open(encoded(rawPath).constData(), O_RDWR | O_CLOEXEC))
        , m_imagePath(imagePath)
    {
        if (m_fd < 0)
            failed();
    }
    ~WritableImage() { ::close(m_fd); }
    WritableImage(const WritableImage&) = delete;
    WritableImage& operator=(const WritableImage&) = delete;

    ImageWriter writer() const
    {
        return [this](qint64 offset, const QByteArray& bytes) {
            if (!writeImageAt(m_fd, offset, bytes))
                failed();
        };
    }

private:
    [[noreturn]] void failed() const
    {
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "The disk image %1 cannot be written: %2")
                .arg(m_imagePath, QString::fromLocal8Bit(strerror(errno))));
    }

    int m_fd;
    QString m_imagePath;
};

QList<PlannedFile> plannedOf(const QList<StagedFile>& files)
{
    QList<PlannedFile> planned;
    for (const StagedFile& file : files)
        planned.append({ file.folder, file.name, file.data.size() });
    return planned;
}

bool sameStat(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size
        && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

UncleanImageError::UncleanImageError(const QString& imagePath, const QString& reason)
    : FileError(PathFileAccessError,
        QCoreApplication::translate("DiskImage",
            "The disk image %1 needs a repair before Bootcanvas writes into it: %2. "
            "Run \"bootcanvas-cli repair\" to check and repair it with fsck.fat.")
            .arg(imagePath, reason))
    , m_imagePath(imagePath)
{
}

ImageDrive::ImageDrive(const QString& imagePath, const QString& rawPath, int partition)
    : m_imagePath(imagePath)
    , m_rawPath(rawPath)
    , m_partitionNumber(partition)
{
}

void ImageDrive::open()
{
    m_volume.reset();
    const int fd = ::open(encoded(m_rawPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &m_seen) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw FileError(PathNotFound,
            QCoreApplication::translate("DiskImage", "The disk image %1 cannot be opened").arg(m_imagePath));
    }
    m_fd = std::shared_ptr<int>(new int(fd), [](int* p) {
        ::close(*p);
        delete p;
    });
    try {
        const ImageReader read = readerOf(m_fd);
        m_partition = choosePartition(readDiskLayout(read, m_seen.st_size), m_partitionNumber);
        m_volume.emplace(read, m_partition.offset, m_partition.size);
    } catch (const DamagedImageError& error) {
        throw FileError(PathFileAccessError,
            QCoreApplication::translate(
                "DiskImage", "The disk image %1 cannot be used: %2. It has been left as it was.")
                .arg(m_imagePath, error.reason()));
    }
}

bool ImageDrive::imageChanged() const
{
    struct stat now;
    return ::stat(encoded(m_rawPath).constData(), &now) != 0 || !sameStat(now, m_seen);
}

const FatVolume& ImageDrive::currentVolume()
{
    if (!m_volume || imageChanged())
        open();
    return *m_volume;
}

const FatVolume& ImageDrive::volume()
{
    writeStaged();
    return currentVolume();
}

std::optional<FatEntry> ImageDrive::find(const QStringList& parts)
{
    if (m_stage.touches(parts))
        writeStaged();
    return currentVolume().find(parts);
}

QByteArray ImageDrive::read(const FatEntry& entry, qint64 maxBytes)
{
    try {
        return currentVolume().readFile(entry, maxBytes);
    } catch (const DamagedImageError& error) {
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "The disk image %1 cannot be read: %2")
                .arg(m_imagePath, error.reason()));
    }
}

void ImageDrive::checkWritable(bool requireClean)
{
    currentVolume(); // a damaged image is refused before anything else
    struct stat info;
    if (::stat(encoded(m_imagePath).constData(), &info) != 0 || !(info.st_mode & 0222)) {
        throw FileError(PermissionDenied,
            QCoreApplication::translate(
                "DiskImage", "The disk image %1 is read-only; its screens can be shown but not changed.")
                .arg(m_imagePath));
    }
    const int fd = ::open(encoded(m_rawPath).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw FileError(PermissionDenied,
            QCoreApplication::translate("DiskImage", "The disk image %1 cannot be written: %2")
                .arg(m_imagePath, QString::fromLocal8Bit(strerror(errno))));
    ::close(fd);
    checkNotInUse();
    if (!Mtools::installed())
        throw FileError(PathFileAccessError,
            QStringLiteral(
                "Writing into the disk image %1 needs mtools, which is not installed (Debian package "
                "\"mtools\").")
                .arg(m_imagePath));
    if (requireClean)
        checkFileSystem();
    if (!m_mtools)
        m_mtools.emplace(m_rawPath, m_partition.offset);
}

void ImageDrive::checkNotInUse()
{
    // An exported image is held by our own daemon, whose locks keep a virtual machine out.
    if (m_rawPath != m_imagePath)
        return;
    // The steps of one command follow each other within moments; looking through every process
    // for each of them would make an installation many times slower.
    if (m_lastInUseCheck.isValid() && !m_lastInUseCheck.hasExpired(InUseCheckMillis))
        return;
    const QString user = imageUserSeen(m_imagePath);
    if (!user.isEmpty())
        throw FileError(PermissionDenied,
            QStringLiteral(
                "The disk image %1 is in use (%2). Shut the virtual machine down first, then try again.")
                .arg(m_imagePath, user));
    m_lastInUseCheck.start();
}

void ImageDrive::checkClean(const QStringList& folder)
{
    const auto entries = currentVolume().listFolder(folder);
    for (const FatEntry& entry : entries.value_or(QList<FatEntry>()))
        if (isOurTemporary(entry.name))
            throw UncleanImageError(m_imagePath,
                QCoreApplication::translate("DiskImage", "an earlier change left %1 behind")
                    .arg(Mtools::volumePath(folder + QStringList(entry.name))));
}

bool ImageDrive::isOurTemporary(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^~BC[0-9A-F]{5}\\.TMP$"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

bool ImageDrive::knownClean()
{
    const std::optional<ImageState> now = imageStateOf(m_imagePath);
    if (!now)
        return false;
    if (m_cleanState == now)
        return true;
    if (recordedCleanState(m_imagePath, m_partition.offset) != now)
        return false;
    m_cleanState = now;
    return true;
}

void ImageDrive::checkFileSystem()
{
    if (!currentVolume().fatCopiesAgree())
        throw UncleanImageError(m_imagePath,
            QCoreApplication::translate("DiskImage", "the copies of its allocation table disagree"));
    // Without dosfstools only our own checks stand; installing it adds the full one.
    if (knownClean() || !fileSystemCheckerInstalled())
        return;
    const RepairReport report
        = checkPartition({ m_imagePath, m_rawPath, m_partition.offset, m_partition.size }, false);
    if (!report.wasClean)
        throw UncleanImageError(m_imagePath,
            QStringLiteral("fsck.fat found problems (%1)")
                .arg(report.checkerOutput.section(QLatin1Char('\n'), 0, 3).simplified()));
    m_cleanState = imageStateOf(m_imagePath);
    if (m_cleanState)
        recordCleanState(m_imagePath, m_partition.offset, *m_cleanState);
}

void ImageDrive::changed(bool keepsClean)
{
    m_volume.reset();
    m_unflushed = true;
    // A change of ours that ended well leaves a clean image clean; any other needs a new check.
    m_cleanState = keepsClean && m_cleanState ? imageStateOf(m_imagePath) : std::nullopt;
    if (openImageCommands() == 0)
        flushChanges();
}

void ImageDrive::flushChanges()
{
    writeStaged();
    if (!m_unflushed)
        return;
    m_volume.reset();
    const int fd = ::open(encoded(m_rawPath).constData(), O_RDWR | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "The disk image %1 could not be flushed")
                .arg(m_imagePath));
    m_unflushed = false;
    // The flush of an exported image reaches the image file itself, so its state is final now.
    if (m_cleanState && (m_cleanState = imageStateOf(m_imagePath)))
        recordCleanState(m_imagePath, m_partition.offset, *m_cleanState);
}

void ImageDrive::change(const QString& tool, const QStringList& arguments, bool requireClean)
{
    writeStaged(); // changes keep their order
    checkWritable(requireClean);
    if (requireClean)
        checkClean({});
    try {
        m_mtools->run(tool, arguments);
    } catch (...) {
        changed(false);
        throw;
    }
    changed(requireClean);
}

void ImageDrive::replace(
    const QStringList& folder, const QString& name, const QByteArray& data, int attributes)
{
    checkWritable();
    checkClean(folder);
    if (!folder.isEmpty())
        checkClean({}); // where a staging folder of ours would have been left
    checkRoomFor({ { folder, name, data.size() } });
    m_stage.add({ folder, name, unusedTemporary(folder), data, attributes });
    if (openImageCommands() == 0)
        writeStaged();
}

QList<QList<int>> ImageDrive::planGroups(const QList<PlannedFile>& files)
{
    const FatVolume& volume = currentVolume();
    try {
        return planReplacementGroups(volume, files);
    } catch (const RoomShortage& shortage) {
        const qint64 free = volume.freeBytes();
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage",
                "The disk image %1 is too full: %2 KB are needed, %3 KB are free, %4 KB are "
                "missing. Nothing has been changed.")
                .arg(m_imagePath)
                .arg((free + shortage.missingBytes + 1023) / 1024)
                .arg(free / 1024)
                .arg((shortage.missingBytes + 1023) / 1024));
    } catch (const DamagedImageError& error) {
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "The disk image %1 cannot be read: %2")
                .arg(m_imagePath, error.reason()));
    }
}

void ImageDrive::checkRoomFor(const QList<PlannedFile>& files)
{
    planGroups(plannedOf(m_stage.files()) + files);
}

int ImageDrive::freeLostChains(const OwnDataTest& ours)
{
    checkWritable(false);
    const FatVolume& volume = currentVolume();
    const qint64 cluster = volume.clusterBytes();
    QList<quint32> freed;
    int chains = 0;
    try {
        if (!volume.fatCopiesAgree())
            return 0;
        for (const LostChain& chain : findLostChains(volume)) {
            if (chain.clusters.size() * cluster > MaxOwnChainBytes)
                continue;
            const QByteArray bytes = volume.readClusters(chain.clusters);
            if (isEmptyLostFolder(bytes, chain.clusters.first()) || (ours && ours(bytes, cluster))) {
                freed += chain.clusters;
                ++chains;
            }
        }
        if (freed.isEmpty())
            return 0;
    } catch (const DamagedImageError&) {
        return 0; // fsck.fat sorts the image out as it is
    }
    try {
        const WritableImage image(m_rawPath, m_imagePath);
        FatEditor(volume, readerOf(m_fd), image.writer()).freeClusters(freed);
    } catch (...) {
        changed(false);
        throw;
    }
    changed(false);
    return chains;
}

QString ImageDrive::unusedTemporary(const QStringList& folder)
{
    const auto existing = currentVolume().listFolder(folder).value_or(QList<FatEntry>());
    QString temporary;
    do
        temporary = QStringLiteral("~BC%1.TMP")
                        .arg(QRandomGenerator::global()->bounded(0x100000), 5, 16, QLatin1Char('0'))
                        .toUpper();
    while (FatVolume::entryNamed(existing, temporary) || m_stage.holdsTemporary(temporary));
    return temporary;
}

void ImageDrive::writeStaged()
{
    if (m_stage.isEmpty())
        return;
    const QList<StagedFile> files = m_stage.takeAll();
    QList<QList<int>> groups;
    try {
        groups = planGroups(plannedOf(files));
    } catch (...) {
        m_stage.release(files);
        throw;
    }
    // A group that failed leaves the image in a state the later groups were not planned for.
    std::optional<FileError> failed;
    for (const QList<int>& indexes : groups) {
        QList<StagedFile> group;
        for (const int index : indexes)
            group.append(files[index]);
        try {
            if (!failed) {
                // Several files go through one staging folder: one copy, one move per folder.
                if (group.size() == 1)
                    writeFolderGroup(group);
                else
                    writeThroughFolder(group);
            }
        } catch (const FileError& error) {
            failed = error;
        }
        m_stage.release(group);
    }
    if (failed)
        throw *failed;
}

void ImageDrive::writeFolderGroup(const QList<StagedFile>& group)
{
    const QStringList folder = group.first().folder;
    QStringList copy { QStringLiteral("-o") };
    for (const StagedFile& file : group)
        copy.append(m_stage.hostPath(file));
    copy.append(Mtools::volumePath(folder));
    try {
        m_mtools->run(QStringLiteral("mcopy"), copy);
        m_volume.reset();
        for (const StagedFile& file : group)
            verifyWritten(folder, file.temporary, file);
        for (const StagedFile& file : group)
            renameOver(file);
    } catch (...) {
        removeTemporaries(group);
        changed(false);
        throw;
    }
    changed(true);
}

void ImageDrive::writeThroughFolder(const QList<StagedFile>& batch)
{
    // The staging folder is one of our temporaries in the root, holding the files under their
    // own names: one copy puts them all into the image, and the entries they replace are then
    // pointed at them in place.
    const QString staging = unusedTemporary({});
    const QString host = m_stage.folderOf(staging, batch);
    try {
        m_mtools->run(QStringLiteral("mcopy"),
            { QStringLiteral("-s"), QStringLiteral("-o"), host, Mtools::volumePath({}) });
        m_volume.reset();
        for (const StagedFile& file : batch)
            verifyWritten({ staging }, file.name, file);
        QList<StagedFile> inPlace, moved;
        for (const StagedFile& file : batch) {
            const std::optional<FatEntry> target = currentVolume().find(file.folder + QStringList(file.name));
            (target && !target->isFolder() ? inPlace : moved).append(file);
        }
        moveFromStaging(staging, moved);
        replaceInPlace(staging, inPlace);
    } catch (...) {
        removeStagingFolder(staging);
        changed(false);
        throw;
    }
    changed(true);
}

void ImageDrive::moveFromStaging(const QString& staging, const QList<StagedFile>& files)
{
    QList<QStringList> folders;
    for (const StagedFile& file : files)
        if (!folders.contains(file.folder))
            folders.append(file.folder);
    for (const QStringList& folder : folders) {
        QStringList move { QStringLiteral("-D"), QStringLiteral("o") };
        for (const StagedFile& file : files)
            if (file.folder == folder)
                move.append(Mtools::volumePath({ staging, file.name }));
        m_mtools->run(QStringLiteral("mmove"), move + QStringList(Mtools::volumePath(folder)));
    }
    for (const StagedFile& file : files)
        setAttributes(file);
    if (!files.isEmpty())
        m_volume.reset();
}

void ImageDrive::replaceInPlace(const QString& staging, const QList<StagedFile>& files)
{
    const FatVolume& volume = currentVolume();
    // Everything is looked up before the first write, so a damaged chain stops the change while
    // the image is still as the copy left it.
    struct Replacement {
        FatEntry staged, target;
        QList<quint32> oldClusters;
        quint8 attributes;
    };
    QList<Replacement> replacements;
    try {
        for (const StagedFile& file : files) {
            const FatEntry target = *volume.find(file.folder + QStringList(file.name));
            replacements.append({ *volume.find({ staging, file.name }), target,
                target.firstCluster ? volume.chain(target.firstCluster, target.size) : QList<quint32>(),
                quint8(file.attributes) });
        }
        const FatEntry folder = *volume.find({ staging });
        const QList<quint32> folderClusters = volume.chain(folder.firstCluster, FatVolume::MaxFolderBytes);
        const WritableImage image(m_rawPath, m_imagePath);
        FatEditor edit(volume, readerOf(m_fd), image.writer());
        // In this order a change cut short leaves each old file whole or replaced, and at worst
        // clusters that belong to no file.
        for (const Replacement& r : replacements)
            edit.markDeleted(r.staged);
        if (m_stopAfterStep == 1)
            return;
        for (const Replacement& r : replacements)
            edit.pointAt(r.target, r.staged, r.attributes);
        if (m_stopAfterStep == 2)
            return;
        for (const Replacement& r : replacements)
            edit.freeClusters(r.oldClusters);
        edit.markDeleted(folder);
        edit.freeClusters(folderClusters);
    } catch (const DamagedImageError& error) {
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "The disk image %1 could not be changed: %2")
                .arg(m_imagePath, error.reason()));
    }
}

void ImageDrive::verifyWritten(const QStringList& folder, const QString& name, const StagedFile& file)
{
    const std::optional<FatEntry> written = currentVolume().find(folder + QStringList(name));
    if (!written || read(*written, file.data.size()) != file.data)
        throw FileError(PathFileAccessError,
            QStringLiteral("%1 did not read back from the disk image %2 as written")
                .arg(file.name, m_imagePath));
}

void ImageDrive::renameOver(const StagedFile& file)
{
    m_mtools->run(QStringLiteral("mren"),
        { QStringLiteral("-D"), QStringLiteral("o"),
            Mtools::volumePath(file.folder + QStringList(file.temporary)), file.name });
    setAttributes(file);
}

void ImageDrive::setAttributes(const StagedFile& file)
{
    // mcopy leaves the archive bit alone set, so other attributes take one more call.
    if (file.attributes != 0x20)
        m_mtools->run(QStringLiteral("mattrib"),
            { attributeFlag(file.attributes, 1, 'r'), attributeFlag(file.attributes, 2, 'h'),
                attributeFlag(file.attributes, 4, 's'), attributeFlag(file.attributes, 32, 'a'),
                Mtools::volumePath(file.folder + QStringList(file.name)) });
}

void ImageDrive::removeStagingFolder(const QString& name)
{
    try {
        m_volume.reset();
        if (currentVolume().fatCopiesAgree() && currentVolume().find({ name }))
            m_mtools->run(QStringLiteral("mdeltree"), { Mtools::volumePath({ name }) });
    } catch (const FileError&) {
    }
}

void ImageDrive::removeTemporaries(const QList<StagedFile>& group)
{
    // A tool that ended normally left its allocation tables whole: its temporaries can go. One
    // that cannot go is found by the next check and offered for repair.
    try {
        m_volume.reset();
        if (!currentVolume().fatCopiesAgree())
            return;
        for (const StagedFile& file : group) {
            const QStringList temporary = file.folder + QStringList(file.temporary);
            if (currentVolume().find(temporary))
                m_mtools->run(QStringLiteral("mdel"), { Mtools::volumePath(temporary) });
        }
    } catch (const FileError&) {
    }
}

} // namespace diskimage
