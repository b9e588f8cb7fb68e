#include "imageexport.h"

#include "disklayout.h"
#include "platform/fileerror.h"
#include "tempfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace diskimage
{

using namespace platform;

namespace
{

constexpr int ReadyWaitMillis = 15'000;

// qemu's driver names; any other image (a fixed VHD too: its sectors lie as they are) is raw.
QString driverFor(ImageFormat format)
{
    static const QMap<ImageFormat, QString> drivers { { ImageFormat::Qcow2, QStringLiteral("qcow2") },
        { ImageFormat::Vdi, QStringLiteral("vdi") }, { ImageFormat::Vmdk, QStringLiteral("vmdk") },
        { ImageFormat::DynamicVhd, QStringLiteral("vpc") } };
    return drivers.value(format, QStringLiteral("raw"));
}

ImageFormat formatOf(const QString& imagePath)
{
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly))
        return ImageFormat::Raw;
    const qint64 size = file.size();
    return detectImageFormat(
        [&](qint64 offset, qint64 bytes) {
            file.seek(offset);
            return file.read(bytes);
        },
        size);
}

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool isMountPoint(const QString& path)
{
    struct stat file, folder;
    const QByteArray parent = QFile::encodeName(path.left(path.lastIndexOf(QLatin1Char('/'))));
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 && ::stat(parent.constData(), &folder) == 0
        && file.st_dev != folder.st_dev;
}

// Starts the daemon with its output in `log`. Started from the main thread, it is ended by the
// kernel when this process dies, so a killed command never leaves the image locked behind it (a
// thread's death would end it too, so other threads go without).
pid_t startDaemon(const QByteArray& program, char* const argv[], const QByteArray& log)
{
    const bool followsParent
        = !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    // Only calls that are safe between fork and exec from here on.
    if (followsParent && (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent))
        ::_exit(127);
    const int input = ::open("/dev/null", O_RDONLY);
    const int output = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (input < 0 || output < 0 || ::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(output, 2) < 0)
        ::_exit(127);
    ::execve(program.constData(), argv, environ);
    ::_exit(127);
}

} // namespace

bool needsExport(const QString& imagePath)
{
    const ImageFormat format = formatOf(imagePath);
    return format != ImageFormat::Raw && format != ImageFormat::FixedVhd;
}

ImageExport::ImageExport(const QString& imagePath)
    : m_folder(privateFolderTemplate(QStringLiteral("export")))
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("qemu-storage-daemon"));
    if (daemon.isEmpty())
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage",
                "Opening the disk image %1 needs qemu-storage-daemon, which is not installed "
                "(Debian package \"qemu-system-common\").")
                .arg(imagePath));
    if (QStandardPaths::findExecutable(QStringLiteral("fusermount3")).isEmpty())
        throw FileError(PathFileAccessError,
            QCoreApplication::translate(
                "DiskImage", "Opening the disk image %1 needs FUSE (Debian package \"fuse3\").")
                .arg(imagePath));
    m_rawPath = m_folder.filePath(QStringLiteral("view.raw"));
    QFile mountPoint(m_rawPath);
    if (!m_folder.isValid() || !mountPoint.open(QIODevice::WriteOnly))
        throw FileError(PathFileAccessError,
            QCoreApplication::translate("DiskImage", "No private folder could be made for %1")
                .arg(imagePath));
    mountPoint.close();

    const QByteArray file = json({ { QStringLiteral("driver"), QStringLiteral("file") },
        { QStringLiteral("node-name"), QStringLiteral("file") }, { QStringLiteral("filename"), imagePath } });
    const QByteArray format = json({ { QStringLiteral("driver"), driverFor(formatOf(imagePath)) },
        { QStringLiteral("node-name"), QStringLiteral("disk") },
        { QStringLiteral("file"), QStringLiteral("file") } });
    const QByteArray exported = json({ { QStringLiteral("type"), QStringLiteral("fuse") },
        { QStringLiteral("id"), QStringLiteral("view") },
        { QStringLiteral("node-name"), QStringLiteral("disk") }, { QStringLiteral("mountpoint"), m_rawPath },
        { QStringLiteral("writable"), true } });
    const QByteArray program = QFile::encodeName(daemon);
    QByteArray blockdev = "--blockdev", exportOption = "--export";
    char* argv[] = { const_cast<char*>(program.constData()), blockdev.data(),
        const_cast<char*>(file.constData()), blockdev.data(), const_cast<char*>(format.constData()),
        exportOption.data(), const_cast<char*>(exported.constData()), nullptr };

    const QByteArray log = QFile::encodeName(m_folder.filePath(QStringLiteral("daemon.log")));
    m_daemon = startDaemon(program, argv, log);
    if (m_daemon < 0)
        throw FileError(PathFileAccessError, QStringLiteral("qemu-storage-daemon could not be started"));
    for (int waited = 0; waited < ReadyWaitMillis; waited += 20) {
        if (isMountPoint(m_rawPath))
            return;
        int status = 0;
        if (::waitpid(m_daemon, &status, WNOHANG) == m_daemon) {
            m_daemon = -1;
            QFile output(QFile::decodeName(log));
            output.open(QIODevice::ReadOnly);
            const QString said = QString::fromUtf8(output.readAll().trimmed());
            // QEMU's image locks: a virtual machine has the image, as a raw image in use tells.
            if (said.contains(QLatin1String("lock")))
                throw FileError(PermissionDenied,
                    QStringLiteral(
                        "The disk image %1 is in use (a virtual machine holds QEMU's locks on it). "
                        "Shut the virtual machine down first, then try again.")
                        .arg(imagePath));
            throw FileError(PermissionDenied,
                QCoreApplication::translate(
                    "DiskImage", "The disk image %1 could not be opened through qemu-storage-daemon: %2")
                    .arg(imagePath, said));
        }
        QThread::msleep(20);
    }
    stop();
    throw FileError(PathFileAccessError,
        QStringLiteral("qemu-storage-daemon did not export the disk image %1 in time").arg(imagePath));
}

ImageExport::~ImageExport()
{
    stop();
}

void ImageExport::stop()
{
    if (m_daemon <= 0)
        return;
    // The daemon unmounts its export and gives up the image's locks when asked to quit.
    ::kill(m_daemon, SIGTERM);
    int status = 0;
    while (::waitpid(m_daemon, &status, 0) < 0 && errno == EINTR) { }
    m_daemon = -1;
}

} // namespace diskimage
