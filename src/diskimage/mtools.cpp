#include "mtools.h"

#include "tempfolders.h"

#include "platform/fileerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace diskimage
{

using namespace platform;

namespace
{

constexpr int ToolTimeoutMillis = 60'000;

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MTOOLS_NO_VFAT"), QStringLiteral("0"));
    // Images made by other tools often carry a geometry mtools would refuse to work with.
    environment.insert(QStringLiteral("MTOOLS_SKIP_CHECK"), QStringLiteral("1"));
    environment.insert(QStringLiteral("MTOOLSRC"), QStringLiteral("/dev/null"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

} // namespace

Mtools::Mtools(const QString& imagePath, qint64 offset)
    : m_folder(std::make_shared<QTemporaryDir>(privateFolderTemplate(QStringLiteral("image"))))
{
    const QString link = m_folder->filePath(QStringLiteral("image"));
    if (!m_folder->isValid() || !QFile::link(imagePath, link))
        throw FileError(PathFileAccessError,
            QCoreApplication::translate(
                "DiskImage", "No private folder could be made to reach the disk image %1")
                .arg(imagePath));
    m_target = link + QStringLiteral("@@") + QString::number(offset);
}

bool Mtools::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("mcopy")).isEmpty();
}

QString Mtools::volumePath(const QStringList& parts)
{
    return QStringLiteral("::/") + parts.join(QLatin1Char('/'));
}

QByteArray Mtools::run(const QString& tool, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(tool, QStringList { QStringLiteral("-i"), m_target } + arguments);
    const bool finished = process.waitForStarted() && process.waitForFinished(ToolTimeoutMillis);
    if (!finished)
        process.kill();
    const QByteArray errors = process.readAllStandardError().trimmed();
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString why = !finished                      ? QStringLiteral("did not finish")
            : process.exitStatus() != QProcess::NormalExit ? QStringLiteral("crashed")
                                                           : QStringLiteral("failed");
        throw FileError(PathFileAccessError,
            QStringLiteral("%1 %2 on the disk image%3")
                .arg(tool, why,
                    errors.isEmpty() ? QString() : QStringLiteral(": ") + QString::fromUtf8(errors)));
    }
    return process.readAllStandardOutput();
}

} // namespace diskimage
