#include "fileerror.h"

#include <QCoreApplication>

namespace platform
{

namespace
{

QString describe(int number)
{
    switch (number) {
    case BadFileName:
        return QCoreApplication::translate("FileError", "Bad file name");
    case FileNotFound:
        return QCoreApplication::translate("FileError", "File not found");
    case FileAlreadyExists:
        return QCoreApplication::translate("FileError", "File already exists");
    case PermissionDenied:
        return QCoreApplication::translate("FileError", "Permission denied");
    case PathNotFound:
        return QCoreApplication::translate("FileError", "Path not found");
    default:
        return QCoreApplication::translate("FileError", "Path/File access error");
    }
}

} // namespace

FileError::FileError(int number, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_number(number)
{
}

FileError FileError::withPath(int number, const QString& path)
{
    return FileError(number, describe(number) + QStringLiteral(": ") + path);
}

DamagedFileError::DamagedFileError(const QString& file, const QString& reason, const QString& keptCopy)
    : std::runtime_error(QStringLiteral("%1: %2").arg(file, reason).toStdString())
    , m_file(file)
    , m_reason(reason)
    , m_keptCopy(keptCopy)
{
}

QString DamagedFileError::userMessage() const
{
    QString text
        = QCoreApplication::translate("FileError", "The file %1 is damaged (%2).").arg(m_file, m_reason);
    if (!m_keptCopy.isEmpty())
        text += QCoreApplication::translate("FileError", " A copy was kept as %1.").arg(m_keptCopy);
    return text;
}

} // namespace platform
