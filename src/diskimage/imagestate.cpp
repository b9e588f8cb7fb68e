#include "imagestate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

namespace diskimage
{

namespace
{

constexpr qint64 MaxRecordBytes = 256;

QString recordPath(const QString& imagePath, qint64 partitionOffset)
{
    const QByteArray key = QCryptographicHash::hash(
        (QFileInfo(imagePath).absoluteFilePath() + QLatin1Char('@') + QString::number(partitionOffset))
            .toUtf8(),
        QCryptographicHash::Sha1)
                               .toHex();
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/bootcanvas/checked-images/") + QString::fromLatin1(key);
}

QByteArray encodedState(const ImageState& state)
{
    return QByteArray::number(quint64(state.device)) + ' ' + QByteArray::number(quint64(state.inode)) + ' '
        + QByteArray::number(state.size) + ' ' + QByteArray::number(state.seconds) + ' '
        + QByteArray::number(state.nanoseconds) + '\n';
}

} // namespace

std::optional<ImageState> imageStateOf(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return ImageState { info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec };
}

std::optional<ImageState> recordedCleanState(const QString& imagePath, qint64 partitionOffset)
{
    QFile file(recordPath(imagePath, partitionOffset));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> fields = file.read(MaxRecordBytes).trimmed().split(' ');
    if (fields.size() != 5)
        return std::nullopt;
    bool ok[5] = {};
    const ImageState state { dev_t(fields[0].toULongLong(&ok[0])), ino_t(fields[1].toULongLong(&ok[1])),
        fields[2].toLongLong(&ok[2]), fields[3].toLongLong(&ok[3]), fields[4].toLongLong(&ok[4]) };
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return std::nullopt;
    return state;
}

void recordCleanState(const QString& imagePath, qint64 partitionOffset, const ImageState& state)
{
    // Not synced: a record lost in a crash only means the next command checks the image again.
    const QString path = recordPath(imagePath, partitionOffset);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path + QStringLiteral(".new"));
    if (file.open(QIODevice::WriteOnly) && file.write(encodedState(state)) > 0 && file.flush()) {
        file.close();
        ::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData());
    }
}

} // namespace diskimage
