#include "imagerepair.h"

#include "imagedrives.h"
#include "platform/fileerror.h"
#include "platform/machine.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace diskimage
{

using namespace platform;

namespace
{

constexpr qint64 ChunkBytes = 1024 * 1024;
constexpr int MaxFolderDepth = 32;

class Descriptor
{
public:
    Descriptor(const QString& path, int flags)
        : m_fd(::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600))
    {
        if (m_fd < 0)
            throw FileError::fromErrno(errno, path);
    }
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

void writeAt(int fd, qint64 offset, const QByteArray& bytes, const QString& path)
{
    qint64 total = 0;
    while (total < bytes.size()) {
        const ssize_t put
            = ::pwrite(fd, bytes.constData() + total, size_t(bytes.size() - total), offset + total);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            throw FileError::fromErrno(errno, path);
        total += put;
    }
}

// Copies `size` bytes from `from` at `fromOffset` to `to` at `toOffset`; with `onlyChanged`, only
// the chunks that differ are written, so an unchanged image keeps its bytes and its time.
void copyRange(
    int from, qint64 fromOffset, int to, qint64 toOffset, qint64 size, bool onlyChanged, const QString& path)
{
    for (qint64 done = 0; done < size; done += ChunkBytes) {
        const qint64 length = qMin(ChunkBytes, size - done);
        const QByteArray chunk = readImageAt(from, fromOffset + done, length);
        if (chunk.size() != length)
            throw FileError(PathFileAccessError, QStringLiteral("%1 ended while it was copied").arg(path));
        if (onlyChanged && readImageAt(to, toOffset + done, length) == chunk)
            continue;
        writeAt(to, toOffset + done, chunk, path);
    }
}

// fsck.fat is in /usr/sbin, which is not in an ordinary user's PATH on Debian.
QString checkerProgram()
{
    const QString name = QStringLiteral("fsck.fat");
    const QString inPath = QStandardPaths::findExecutable(name);
    return inPath.isEmpty()
        ? QStandardPaths::findExecutable(name, { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") })
        : inPath;
}

struct CheckerRun {
    int exitCode = -1;
    QString output;
};

CheckerRun runChecker(const QString& partitionFile, bool checkOnly)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList mode = checkOnly ? QStringList { QStringLiteral("-n") }
                                       : QStringList { QStringLiteral("-a"), QStringLiteral("-w") };
    process.start(checkerProgram(), mode + QStringList(partitionFile));
    if (!process.waitForStarted() || !process.waitForFinished(600'000)
        || process.exitStatus() != QProcess::NormalExit)
        throw FileError(PathFileAccessError, QStringLiteral("fsck.fat did not finish"));
    return { process.exitCode(), QString::fromLocal8Bit(process.readAll()).trimmed() };
}

void collectTemporaries(
    const FatVolume& volume, const QStringList& folder, int depth, QList<QStringList>& found)
{
    if (depth > MaxFolderDepth)
        return;
    for (const FatEntry& entry : volume.listFolder(folder).value_or(QList<FatEntry>())) {
        const QStringList path = folder + QStringList(entry.name);
        if (ImageDrive::isOurTemporary(entry.name))
            found.append(path); // a file, or a staging folder with what it held
        else if (entry.isFolder())
            collectTemporaries(volume, path, depth + 1, found);
    }
}

} // namespace

bool fileSystemCheckerInstalled()
{
    return !checkerProgram().isEmpty();
}

RepairReport repairImage(ImageDrive& drive, bool checkOnly)
{
    if (checkerProgram().isEmpty())
        throw FileError(PathFileAccessError,
            QStringLiteral("Checking a disk image needs fsck.fat, which is not installed (Debian package "
                           "\"dosfstools\")."));
    if (!checkOnly)
        drive.checkWritable(false);
    drive.volume();
    QTemporaryFile partition;
    if (!partition.open())
        throw FileError(PathFileAccessError, QStringLiteral("No temporary file could be made for the check"));
    {
        Descriptor image(drive.rawPath(), O_RDONLY);
        copyRange(image.fd(), drive.partitionOffset(), partition.handle(), 0, drive.partitionSize(), false,
            drive.imagePath());
    }
    const CheckerRun run = runChecker(partition.fileName(), checkOnly);
    RepairReport report { run.exitCode == 0, run.output };
    if (checkOnly)
        return report;
    if (run.exitCode > 1)
        throw FileError(PathFileAccessError,
            QStringLiteral("fsck.fat could not repair %1: %2").arg(drive.imagePath(), run.output));
    {
        Descriptor image(drive.rawPath(), O_RDWR);
        copyRange(partition.handle(), 0, image.fd(), drive.partitionOffset(), drive.partitionSize(), true,
            drive.imagePath());
        if (::fsync(image.fd()) != 0)
            throw FileError::fromErrno(errno, drive.imagePath());
    }
    QList<QStringList> leftovers;
    collectTemporaries(drive.volume(), {}, 0, leftovers);
    for (const QStringList& leftover : leftovers) {
        const std::optional<FatEntry> entry = drive.find(leftover);
        const bool folder = entry && entry->isFolder();
        drive.change(folder ? QStringLiteral("mdeltree") : QStringLiteral("mdel"),
            { Mtools::volumePath(leftover) }, false);
    }
    report.wasClean = report.wasClean && leftovers.isEmpty();
    return report;
}

QList<DriveRepair> repairMachineImages()
{
    QList<DriveRepair> repairs;
    for (const DriveMapping& drive : currentMachine().drives())
        if (!drive.imagePath.isEmpty())
            repairs.append({ drive.letter, drive.imagePath,
                repairImage(openImageDrive(drive.imagePath, drive.partition), false) });
    return repairs;
}

} // namespace diskimage
