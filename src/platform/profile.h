#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Private-profile (INI) files: sections and keys matched without regard to case, and every byte
// of the file that is not the value being written kept as it was (comments, padding lines, CRLF).
namespace platform {

class IniDocument {
public:
    // Largest INI file the program reads; a bigger one is treated as damaged.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    // Never fails: lines that are not sections or keys are kept as they are.
    static IniDocument parse(const QByteArray& bytes);
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the value in place, or adds the key at the end of its section, or adds the section
    // at the end of the file (with the file's own line ending).
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    QByteArray toBytes() const;

private:
    QByteArray m_bytes;
};

// The two kernel calls over Windows paths. A missing file reads as the default.
int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& file);
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& file);
// Writes atomically; returns false when the file cannot be written. Throws DamagedFileError for a
// file too big or holding NUL bytes, which it leaves as it was.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace platform
