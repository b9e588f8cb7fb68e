#include "partitioncheck.h"

#include "imageio.h"
#include "platform/fileerror.h"
#include "platform/hostcallerror.h"

#include <QCoreApplication>
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

class Descriptor
{
public:
    Descriptor(const QString& path, int flags)
        : m_fd(::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600))
    {
        if (m_fd < 0)
            throw hostCallError(errno, path);
    }
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

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
        if (!writeImageAt(to, toOffset + done, chunk))
            throw hostCallError(errno, path);
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

} // namespace

bool fileSystemCheckerInstalled()
{
    return !checkerProgram().isEmpty();
}

RepairReport checkPartition(const PartitionSpan& partition, bool repair)
{
    if (checkerProgram().isEmpty())
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage",
                "Checking a disk image needs fsck.fat, which is not installed (Debian package "
                "\"dosfstools\")."));
    QTemporaryFile copy;
    if (!copy.open())
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "No temporary file could be made for the check"));
    {
        Descriptor image(partition.rawPath, O_RDONLY);
        copyRange(image.fd(), partition.offset, copy.handle(), 0, partition.size, false, partition.imagePath);
    }
    const CheckerRun run = runChecker(copy.fileName(), !repair);
    const RepairReport report { run.exitCode == 0, run.output };
    if (!repair)
        return report;
    if (run.exitCode > 1)
        throw FileError(PathFileAccessError,
            QStringLiteral("fsck.fat could not repair %1: %2").arg(partition.imagePath, run.output));
    // fsck.fat may end as if it had repaired what it could not: only a check of the result tells,
    // and a repair that did not end clean is not written into the image.
    const CheckerRun recheck = runChecker(copy.fileName(), true);
    if (recheck.exitCode != 0)
        throw FileError(PathFileAccessError,
            QStringLiteral("fsck.fat could not repair %1, which has been left as it was; after its repair it "
                           "still finds: %2")
                .arg(partition.imagePath, recheck.output.section(QLatin1Char('\n'), 0, 5)));
    Descriptor image(partition.rawPath, O_RDWR);
    copyRange(copy.handle(), 0, image.fd(), partition.offset, partition.size, true, partition.imagePath);
    if (::fsync(image.fd()) != 0)
        throw hostCallError(errno, partition.imagePath);
    return report;
}

} // namespace diskimage
