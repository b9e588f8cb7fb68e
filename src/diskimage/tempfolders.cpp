#include "tempfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace diskimage
{

namespace
{

QString baseFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString base = !runtime.isEmpty() && QFileInfo(runtime).isDir()
        ? runtime + QStringLiteral("/bootcanvas")
        : QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/bootcanvas/tmp");
    // mtools takes "@@" in an image path for an offset.
    if (base.contains(QLatin1String("@@")))
        base = QDir::tempPath() + QStringLiteral("/bootcanvas-") + QString::number(::getuid());
    QDir().mkpath(base);
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return base;
}

bool processRuns(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

QString privateFolderTemplate(const QString& kind)
{
    return baseFolder() + QLatin1Char('/') + kind + QLatin1Char('-') + QString::number(::getpid())
        + QStringLiteral("-XXXXXX");
}

void removeStaleFolders()
{
    static const QRegularExpression named(QStringLiteral("^[a-z]+-(\\d+)-"));
    const QDir base(baseFolder());
    for (const QString& name : base.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QRegularExpressionMatch match = named.match(name);
        if (!match.hasMatch() || processRuns(match.captured(1).toLongLong()))
            continue;
        const QString view = base.filePath(name + QStringLiteral("/view.raw"));
        if (QFileInfo::exists(view) || QFileInfo(view).isSymLink())
            QProcess::execute(
                QStringLiteral("fusermount3"), { QStringLiteral("-u"), QStringLiteral("-z"), view });
        QDir(base.filePath(name)).removeRecursively();
    }
}

} // namespace diskimage
