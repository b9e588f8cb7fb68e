#pragma once

#include <QString>
#include <stdexcept>

namespace platform
{

// The runtime's error numbers that callers react to by number.
enum RuntimeError : int {
    BadFileName = 52,
    FileNotFound = 53,
    FileAlreadyExists = 58,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// The one error type of the file layer: a runtime error number and a message for people.
class FileError : public std::runtime_error
{
public:
    FileError(int number, const QString& message);
    int number() const { return m_number; }
    QString message() const { return QString::fromStdString(what()); }

    // The error `number` with the runtime's wording followed by `path` ("File not found: C:\X").
    static FileError withPath(int number, const QString& path);

private:
    int m_number;
};

// A file the program reads (machine.ini, a hive, an INI file) that cannot be understood.
// The damaged file has been kept beside the original as `keptCopy` when that was possible.
class DamagedFileError : public std::runtime_error
{
public:
    DamagedFileError(const QString& file, const QString& reason, const QString& keptCopy = {});
    QString file() const { return m_file; }
    QString reason() const { return m_reason; }
    QString keptCopy() const { return m_keptCopy; }
    // One sentence for a message box.
    QString userMessage() const;

private:
    QString m_file, m_reason, m_keptCopy;
};

} // namespace platform
