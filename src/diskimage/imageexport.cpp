#include "imageexport.h"

#include "disklayout.h"
#include "platform/fileerror.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
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

} // namespace

bool needsExport(const QString& imagePath)
{
    const ImageFormat format = formatOf(imagePath);
    return format != ImageFormat::Raw && format != ImageFormat::FixedVhd;
}

ImageExport::ImageExport(const QString& imagePath)
    : m_folder(QDir::tempPath() + QStringLiteral("/bootcanvas-export-XXXXXX"))
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("qemu-storage-daemon"));
    if (daemon.isEmpty())
        throw FileError(PathFileAccessError,
            QStringLiteral("Opening the disk image %1 needs qemu-storage-daemon, which is not installed "
                           "(Debian package \"qemu-system-common\").")
                .arg(imagePath));
    if (QStandardPaths::findExecutable(QStringLiteral("fusermount3")).isEmpty())
        throw FileError(PathFileAccessError,
            QStringLiteral("Opening the disk image %1 needs FUSE (Debian package \"fuse3\").")
                .arg(imagePath));
    m_rawPath = m_folder.filePath(QStringLiteral("view.raw"));
    QFile mountPoint(m_rawPath);
    if (!m_folder.isValid() || !mountPoint.open(QIODevice::WriteOnly))
        throw FileError(
            PathFileAccessError, QStringLiteral("No private folder could be made for %1").arg(imagePath));
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

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const QByteArray log = QFile::encodeName(m_folder.filePath(QStringLiteral("daemon.log")));
    posix_spawn_file_actions_addopen(&actions, 1, log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned = posix_spawn(&m_daemon, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw FileError(PathFileAccessError, QStringLiteral("qemu-storage-daemon could not be started"));

    for (int waited = 0; waited < ReadyWaitMillis; waited += 20) {
        if (isMountPoint(m_rawPath))
            return;
        int status = 0;
        if (::waitpid(m_daemon, &status, WNOHANG) == m_daemon) {
            m_daemon = -1;
            QFile output(QFile::decodeName(log));
            output.open(QIODevice::ReadOnly);
            throw FileError(PermissionDenied,
                QStringLiteral("The disk image %1 could not be opened through qemu-storage-daemon: %2")
                    .arg(imagePath, QString::fromUtf8(output.readAll().trimmed())));
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
