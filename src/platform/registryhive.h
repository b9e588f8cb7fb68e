#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>

// The registry's status codes and value types, and one hive in memory with its REGEDIT4 text.
namespace platform
{

// The status codes every call returns.
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_INVALID_PARAMETER = 87;
inline constexpr long ERROR_MORE_DATA = 234;
inline constexpr long ERROR_BADDB = 1009;
inline constexpr long ERROR_CANTWRITE = 1013;

// Values.
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

// One hive in memory, and its REGEDIT4 text. Pure, so the parser can be tested and fuzzed alone.
class RegistryHive
{
public:
    struct Value {
        QString name; // empty for the key's default value ("@")
        uint32_t type = REG_SZ;
        QByteArray data; // REG_SZ without the terminating NUL
    };
    struct Key {
        QString path; // "SOFTWARE\Quillmark\Bootcanvas", case kept
        QList<Value> values;

        // Value names are matched without regard to case; an existing value keeps its spelling.
        Value* findValue(const QString& name);
        const Value* findValue(const QString& name) const;
        void setValue(const QString& name, uint32_t type, const QByteArray& data);
        bool removeValue(const QString& name);
    };

    static constexpr qint64 MaxBytes = 8 * 1024 * 1024;

    // `rootName` is the hive's root as written in the file ("HKEY_LOCAL_MACHINE"). Throws
    // DamagedFileError (with an empty file name) when the text is not REGEDIT4 or too big.
    static RegistryHive parse(const QByteArray& text, const QString& rootName);
    QByteArray toText(const QString& rootName) const;

    Key* findKey(const QString& path); // without regard to case; null when missing
    const Key* findKey(const QString& path) const;
    // With missing parents; empty components (a doubled or trailing "\") are skipped. Existing
    // parents keep their spelling. The reference lasts until the next createKey.
    Key& createKey(const QString& path);
    const QList<Key>& keys() const { return m_keys; }

private:
    QList<Key> m_keys; // in the order they were created; toText sorts them
    QHash<QString, qsizetype> m_index; // case-folded path -> position in m_keys
};

} // namespace platform
