#include "imagedrive.h"

#include "fileerror.h"
#include "imageguard.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform
{

namespace
{

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

ImageReader readerOf(std::shared_ptr<int> fd)
{
    return [fd](qint64 offset, qint64 size) {
        QByteArray bytes(qMax<qint64>(size, 0), Qt::Uninitialized);
        qint64 total = 0;
        while (total < bytes.size()) {
            const ssize_t got
                = ::pread(*fd, bytes.data() + total, size_t(bytes.size() - total), offset + total);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            total += got;
        }
        bytes.truncate(total);
        return bytes;
    };
}

QString attributeFlag(int attributes, int bit, char letter)
{
    return QString(QLatin1Char(attributes & bit ? '+' : '-')) + QLatin1Char(letter);
}

bool sameStat(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size
        && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

UncleanImageError::UncleanImageError(const QString& imagePath, const QString& reason)
    : FileError(PathFileAccessError,
        QStringLiteral("The disk image %1 needs a repair before Bootcanvas writes into it: %2. "
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
        throw FileError(PathNotFound, QStringLiteral("The disk image %1 cannot be opened").arg(m_imagePath));
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
            QStringLiteral("The disk image %1 cannot be used: %2. It has been left as it was.")
                .arg(m_imagePath, error.reason()));
    }
}

bool ImageDrive::imageChanged() const
{
    struct stat now;
    return ::stat(encoded(m_rawPath).constData(), &now) != 0 || !sameStat(now, m_seen);
}

const FatVolume& ImageDrive::volume()
{
    if (!m_volume || imageChanged())
        open();
    return *m_volume;
}

QByteArray ImageDrive::read(const FatEntry& entry, qint64 maxBytes)
{
    try {
        return volume().readFile(entry, maxBytes);
    } catch (const DamagedImageError& error) {
        throw FileError(PathFileAccessError,
            QStringLiteral("The disk image %1 cannot be read: %2").arg(m_imagePath, error.reason()));
    }
}

void ImageDrive::checkWritable(bool requireClean)
{
    volume(); // a damaged image is refused before anything else
    struct stat info;
    if (::stat(encoded(m_imagePath).constData(), &info) != 0 || !(info.st_mode & 0222)) {
        throw FileError(PermissionDenied,
            QStringLiteral("The disk image %1 is read-only; its screens can be shown but not changed.")
                .arg(m_imagePath));
    }
    const int fd = ::open(encoded(m_rawPath).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw FileError(PermissionDenied,
            QStringLiteral("The disk image %1 cannot be written: %2")
                .arg(m_imagePath, QString::fromLocal8Bit(strerror(errno))));
    ::close(fd);
    // An exported image is held by our own daemon, whose locks keep a virtual machine out.
    const QString user = m_rawPath == m_imagePath ? imageUserSeen(m_imagePath) : QString();
    if (!user.isEmpty())
        throw FileError(PermissionDenied,
            QStringLiteral(
                "The disk image %1 is in use (%2). Shut the virtual machine down first, then try again.")
                .arg(m_imagePath, user));
    if (!Mtools::installed())
        throw FileError(PathFileAccessError,
            QStringLiteral(
                "Writing into the disk image %1 needs mtools, which is not installed (Debian package "
                "\"mtools\").")
                .arg(m_imagePath));
    if (requireClean && !volume().fatCopiesAgree())
        throw UncleanImageError(m_imagePath, QStringLiteral("the copies of its allocation table disagree"));
    if (!m_mtools)
        m_mtools.emplace(m_rawPath, m_partition.offset);
}

void ImageDrive::checkClean(const QStringList& folder)
{
    const auto entries = volume().listFolder(folder);
    for (const FatEntry& entry : entries.value_or(QList<FatEntry>()))
        if (isOurTemporary(entry.name))
            throw UncleanImageError(m_imagePath,
                QStringLiteral("an earlier change left %1 behind")
                    .arg(Mtools::volumePath(folder + QStringList(entry.name))));
}

bool ImageDrive::isOurTemporary(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^~BC[0-9A-F]{5}\\.TMP$"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

void ImageDrive::flush()
{
    m_volume.reset();
    const int fd = ::open(encoded(m_rawPath).constData(), O_RDWR | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw FileError(
            PathFileAccessError, QStringLiteral("The disk image %1 could not be flushed").arg(m_imagePath));
}

void ImageDrive::change(const QString& tool, const QStringList& arguments, bool requireClean)
{
    checkWritable(requireClean);
    if (requireClean)
        checkClean({});
    try {
        m_mtools->run(tool, arguments);
    } catch (...) {
        flush();
        throw;
    }
    flush();
}

void ImageDrive::replace(
    const QStringList& folder, const QString& name, const QByteArray& data, int attributes)
{
    checkWritable();
    checkClean(folder);
    const FatVolume& before = volume();
    const qint64 cluster = before.clusterBytes();
    // The new file's clusters, and one more should the folder need to grow for its entry.
    const qint64 needed = (data.size() + cluster - 1) / cluster * cluster + cluster;
    if (before.freeBytes() < needed)
        throw FileError(PathFileAccessError,
            QStringLiteral("The disk image %1 is full: %2 needs %3 KB, %4 KB are free")
                .arg(m_imagePath, name)
                .arg(needed / 1024)
                .arg(before.freeBytes() / 1024));

    QString temporary;
    const auto existing = before.listFolder(folder).value_or(QList<FatEntry>());
    do
        temporary = QStringLiteral("~BC%1.TMP")
                        .arg(QRandomGenerator::global()->bounded(0x100000), 5, 16, QLatin1Char('0'))
                        .toUpper();
    while (FatVolume::entryNamed(existing, temporary));

    QTemporaryFile source;
    if (!source.open() || source.write(data) != data.size() || !source.flush())
        throw FileError(
            PathFileAccessError, QStringLiteral("No temporary file could be written for %1").arg(name));
    const QString temporaryPath = Mtools::volumePath(folder + QStringList(temporary));
    try {
        m_mtools->run(QStringLiteral("mcopy"), { QStringLiteral("-o"), source.fileName(), temporaryPath });
        flush();
        const std::optional<FatEntry> written = volume().find(folder + QStringList(temporary));
        if (!written || read(*written, data.size()) != data)
            throw FileError(PathFileAccessError,
                QStringLiteral("%1 did not read back from the disk image %2 as written")
                    .arg(name, m_imagePath));
        m_mtools->run(
            QStringLiteral("mren"), { QStringLiteral("-D"), QStringLiteral("o"), temporaryPath, name });
    } catch (...) {
        // The tool ended normally, so its allocation tables are whole: the temporary can go.
        if (volume().find(folder + QStringList(temporary)) && volume().fatCopiesAgree())
            m_mtools->run(QStringLiteral("mdel"), { temporaryPath });
        flush();
        throw;
    }
    m_mtools->run(QStringLiteral("mattrib"),
        { attributeFlag(attributes, 1, 'r'), attributeFlag(attributes, 2, 'h'),
            attributeFlag(attributes, 4, 's'), attributeFlag(attributes, 32, 'a'),
            Mtools::volumePath(folder + QStringList(name)) });
    flush();
}

} // namespace platform
