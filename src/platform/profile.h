#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Private-profile (INI) files: sections and keys matched without regard to case, and every byte
// of the file that is not the value being written kept as it was (comments, padding lines, CRLF).
namespace platform
{

class IniDocument
{
public:
    // Largest INI file the program reads; a bigger one is treated as damaged.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    // Never fails: lines that are not sections or keys are kept as they are.
    static IniDocument parse(const QByteArray& bytes);
    // Whether a key of that name can be written so that it reads back: no line breaks, no "]" in
    // the section, and a key that is not empty, holds no "=" and does not look like a comment.
    static bool canStore(const QString& section, const QString& key);
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the value in place, or adds the key after the last key of its section (comments and
    // blank lines closing the section stay after it), or adds the section at the end of the file,
    // always with the file's own line ending.
    // Does nothing when !canStore(section, key); line breaks in the value become blanks.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    QByteArray toBytes() const;

private:
    QByteArray m_bytes;
};

// The kernel calls over Windows paths (or host paths, see resolveToHost). A missing, unreadable or
// damaged file reads as the default. GetPrivateProfileInt takes the value's leading decimal number
// (with its sign); a value without one also gives the default, where Windows would give 0, so that
// a mangled line counts as a missing one rather than as an explicit 0.
int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& file);
QString GetPrivateProfileString(
    const QString& section, const QString& key, const QString& defaultValue, const QString& file);
// Writes atomically; returns false when the file cannot be written. Throws DamagedFileError for a
// file too big or holding NUL bytes, which it leaves as it was.
bool WritePrivateProfileString(
    const QString& section, const QString& key, const QString& value, const QString& file);

} // namespace platform
