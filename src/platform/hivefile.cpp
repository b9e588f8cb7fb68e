#include "hivefile.h"

#include "filelock.h"
#include "files.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

// Identifies one version of a file: an atomic replace gives a new inode and new times.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0;
    qint64 changed = 0;

    bool operator==(const Stamp&) const = default;
    QString id() const
    {
        return QStringLiteral("%1:%2:%3:%4").arg(device).arg(inode).arg(modified).arg(changed);
    }
};

Stamp stampOf(const struct stat& info)
{
    return Stamp { true, info.st_dev, info.st_ino, info.st_size,
        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec };
}

struct Loaded {
    Stamp stamp;
    RegistryHive hive;
    bool readable = true;
    std::optional<QString> damage; // why the text could not be read
};

struct SharedState {
    QMutex mutex;
    QHash<QString, Loaded> cache;
    QList<DamagedFileError> problems;
    QSet<QString> reported; // damaged versions that could not be moved aside, reported once
};

SharedState& shared()
{
    static SharedState state;
    return state;
}

std::optional<QByteArray> readAll(int fd)
{
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= RegistryHive::MaxBytes) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        bytes.append(buffer, count);
    }
    return bytes;
}

Loaded parseFile(int fd, const Stamp& stamp, const QString& rootName)
{
    Loaded loaded;
    loaded.stamp = stamp;
    const std::optional<QByteArray> bytes = readAll(fd);
    if (!bytes) {
        loaded.readable = false;
        return loaded;
    }
    try {
        loaded.hive = RegistryHive::parse(*bytes, rootName);
    } catch (const DamagedFileError& error) {
        loaded.damage = error.reason();
    }
    return loaded;
}

Loaded load(const QString& path, const QString& rootName)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Loaded missing;
        missing.readable = errno == ENOENT;
        return missing;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        Loaded failed;
        failed.readable = false;
        return failed;
    }
    const Stamp stamp = stampOf(info);
    {
        QMutexLocker locker(&shared().mutex);
        const auto cached = shared().cache.constFind(path);
        if (cached != shared().cache.constEnd() && cached->stamp == stamp) {
            ::close(fd);
            return *cached;
        }
    }
    const Loaded loaded = parseFile(fd, stamp, rootName);
    ::close(fd);
    if (loaded.readable) {
        QMutexLocker locker(&shared().mutex);
        shared().cache.insert(path, loaded);
    }
    return loaded;
}

// Renames the damaged file to the first free "<hive>.damaged[-n]"; never replaces an earlier copy.
std::optional<QString> moveAside(const QString& path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString candidate
            = path + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (QFile::exists(candidate))
            continue;
        if (QFile::rename(path, candidate))
            return candidate;
        return std::nullopt;
    }
    return std::nullopt;
}

// Queues the problem once. Returns true when the damaged file is out of the way.
bool handleDamage(const QString& path, const Loaded& loaded, bool mayMove)
{
    const std::optional<QString> kept = mayMove ? moveAside(path) : std::nullopt;
    QMutexLocker locker(&shared().mutex);
    if (kept) {
        shared().cache.remove(path);
    } else {
        const QString version = path + QLatin1Char('|') + loaded.stamp.id();
        if (shared().reported.contains(version))
            return false;
        shared().reported.insert(version);
    }
    shared().problems.append(DamagedFileError(path, *loaded.damage, kept.value_or(QString())));
    return kept.has_value();
}

long statusOf(const FileError& error)
{
    return error.number() == PermissionDenied || error.number() == PathFileAccessError ? ERROR_ACCESS_DENIED
                                                                                       : ERROR_CANTWRITE;
}

} // namespace

HiveFile::HiveFile(const QString& hostPath, const QString& rootName)
    : m_path(hostPath)
    , m_root(rootName)
{
}

RegistryHive HiveFile::read() const
{
    const Loaded loaded = load(m_path, m_root);
    if (!loaded.damage)
        return loaded.hive;
    // Moving the file aside is a change like any other: only under the lock, after a fresh look.
    const FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.isLocked()) {
        handleDamage(m_path, loaded, false);
        return {};
    }
    const Loaded again = load(m_path, m_root);
    if (again.damage)
        handleDamage(m_path, again, true);
    return again.damage ? RegistryHive() : again.hive;
}

long HiveFile::update(const std::function<long(RegistryHive&)>& change) const
{
    const FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.isLocked())
        return ERROR_ACCESS_DENIED;
    const Loaded loaded = load(m_path, m_root);
    if (!loaded.readable)
        return ERROR_ACCESS_DENIED;
    if (loaded.damage && !handleDamage(m_path, loaded, true))
        return ERROR_BADDB; // never write over a damaged hive that could not be kept
    RegistryHive hive = loaded.damage ? RegistryHive() : loaded.hive;
    const QByteArray before = hive.toText(m_root);
    const long status = change(hive);
    if (status != ERROR_SUCCESS)
        return status;
    const QByteArray after = hive.toText(m_root);
    if (after == before)
        return ERROR_SUCCESS;
    try {
        writeHostFileAtomically(m_path, after);
    } catch (const FileError& error) {
        return statusOf(error);
    }
    struct stat info;
    if (::stat(QFile::encodeName(m_path).constData(), &info) == 0) {
        QMutexLocker locker(&shared().mutex);
        shared().cache.insert(m_path, Loaded { stampOf(info), hive, true, std::nullopt });
    }
    return ERROR_SUCCESS;
}

std::optional<DamagedFileError> takeQueuedHiveProblem()
{
    QMutexLocker locker(&shared().mutex);
    if (shared().problems.isEmpty())
        return std::nullopt;
    return shared().problems.takeFirst();
}

} // namespace platform
