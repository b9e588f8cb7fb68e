#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform
{

// Reads the binary registry files of Windows 95, 98 and ME ("CREG": USER.DAT and SYSTEM.DAT):
// a tree of keys (the RGKN block) whose names and values lie in data blocks (RGDB). Read-only; a
// damaged file gives no value instead of failing.
class CregFile
{
public:
    // Far above any USER.DAT; a bigger file is not read.
    static constexpr qint64 MaxBytes = 32 * 1024 * 1024;

    explicit CregFile(QByteArray bytes);

    // The text of a string value (REG_SZ or REG_EXPAND_SZ) under `keyPath` ("Software\Microsoft\..."
    // below the file's root), names matched without regard to case. The file's ANSI text is read as
    // Windows-1252. Nothing when the key or the value is missing, or the file is damaged.
    std::optional<QString> stringValue(const QString& keyPath, const QString& valueName) const;

private:
    struct KeyRecord {
        int offset = -1; // of the key's record in its data block
        int end = 0; // where the record ends
    };
    std::optional<quint32> child(quint32 keyEntry, const QString& name) const;
    KeyRecord recordOf(quint32 keyEntry) const;
    QString keyName(const KeyRecord& record) const;
    bool validEntry(quint32 entry) const;

    QByteArray m_bytes;
    int m_rgkn = 0; // offset of the key tree
    int m_rgknSize = 0;
    quint32 m_root = 0;
    int m_dataStart = 0; // the first data block
    bool m_valid = false;
};

} // namespace platform
