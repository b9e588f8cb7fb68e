#include "cregfile.h"

#include <QStringDecoder>
#include <QStringList>
#include <QtEndian>

namespace platform
{

namespace
{

constexpr int HeaderSize = 0x20;
constexpr int BlockHeaderSize = 0x20; // of RGKN and of every RGDB block
constexpr int KeyEntrySize = 0x1C;
constexpr int KeyRecordHeader = 0x14;
constexpr int ValueHeader = 0x0C;
constexpr quint32 None = 0xFFFFFFFF;
constexpr quint32 RegSz = 1, RegExpandSz = 2;

quint16 le16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool fits(const QByteArray& bytes, qint64 at, qint64 size)
{
    return at >= 0 && size >= 0 && at + size <= bytes.size();
}

QString ansiText(QByteArray text)
{
    if (const int nul = text.indexOf('\0'); nul >= 0)
        text.truncate(nul);
    QStringDecoder decoder("Windows-1252");
    return decoder.isValid() ? QString(decoder(text)) : QString::fromLatin1(text);
}

} // namespace

CregFile::CregFile(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    if (m_bytes.size() > MaxBytes || !fits(m_bytes, 0, HeaderSize + BlockHeaderSize)
        || !m_bytes.startsWith("CREG"))
        return;
    m_rgkn = HeaderSize;
    if (m_bytes.mid(m_rgkn, 4) != "RGKN")
        return;
    m_rgknSize = int(qMin<quint32>(le32(m_bytes, m_rgkn + 4), quint32(m_bytes.size() - m_rgkn)));
    m_root = le32(m_bytes, m_rgkn + 8);
    const quint32 dataStart = le32(m_bytes, 8);
    m_dataStart = int(qMin<quint32>(dataStart, quint32(m_bytes.size())));
    m_valid = validEntry(m_root);
}

bool CregFile::validEntry(quint32 entry) const
{
    return entry != None && entry >= quint32(BlockHeaderSize) && qint64(entry) + KeyEntrySize <= m_rgknSize;
}

CregFile::KeyRecord CregFile::recordOf(quint32 keyEntry) const
{
    const int entry = m_rgkn + int(keyEntry);
    const quint16 id = le16(m_bytes, entry + 0x18), block = le16(m_bytes, entry + 0x1A);
    if (id == 0xFFFF)
        return {};
    // The data blocks follow one another; the key's block is found by counting.
    int at = m_dataStart;
    for (int number = 0; fits(m_bytes, at, BlockHeaderSize) && m_bytes.mid(at, 4) == "RGDB"; ++number) {
        const quint32 size = le32(m_bytes, at + 4);
        if (size < quint32(BlockHeaderSize) || !fits(m_bytes, at, size))
            return {};
        if (number == block) {
            for (int record = at + BlockHeaderSize; fits(m_bytes, record, KeyRecordHeader);) {
                const quint32 recordSize = le32(m_bytes, record);
                if (recordSize < quint32(KeyRecordHeader) || record + qint64(recordSize) > at + qint64(size))
                    return {};
                if (le16(m_bytes, record + 4) == id && le16(m_bytes, record + 6) == block)
                    return { record, record + int(recordSize) };
                record += int(recordSize);
            }
            return {};
        }
        at += int(size);
    }
    return {};
}

QString CregFile::keyName(const KeyRecord& record) const
{
    const int length = le16(m_bytes, record.offset + 0x0C);
    if (record.offset + KeyRecordHeader + length > record.end)
        return {};
    return ansiText(m_bytes.mid(record.offset + KeyRecordHeader, length));
}

std::optional<quint32> CregFile::child(quint32 keyEntry, const QString& name) const
{
    // Each step moves to another entry; a damaged file could make a loop, so the walk is bounded.
    const int maxSteps = m_rgknSize / KeyEntrySize;
    quint32 entry = le32(m_bytes, m_rgkn + int(keyEntry) + 0x10);
    for (int step = 0; step < maxSteps && validEntry(entry); ++step) {
        const KeyRecord record = recordOf(entry);
        if (record.offset >= 0 && keyName(record).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
        entry = le32(m_bytes, m_rgkn + int(entry) + 0x14);
    }
    return std::nullopt;
}

std::optional<QString> CregFile::stringValue(const QString& keyPath, const QString& valueName) const
{
    if (!m_valid)
        return std::nullopt;
    quint32 entry = m_root;
    for (const QString& part : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        const std::optional<quint32> next = child(entry, part);
        if (!next)
            return std::nullopt;
        entry = *next;
    }
    const KeyRecord record = recordOf(entry);
    if (record.offset < 0)
        return std::nullopt;
    const int values = le16(m_bytes, record.offset + 0x0E);
    int at = record.offset + KeyRecordHeader + le16(m_bytes, record.offset + 0x0C);
    for (int i = 0; i < values && at + ValueHeader <= record.end; ++i) {
        const quint32 type = le32(m_bytes, at);
        const int nameLength = le16(m_bytes, at + 8), dataLength = le16(m_bytes, at + 10);
        const int name = at + ValueHeader, data = name + nameLength;
        if (data + dataLength > record.end)
            return std::nullopt;
        if (ansiText(m_bytes.mid(name, nameLength)).compare(valueName, Qt::CaseInsensitive) == 0)
            return type == RegSz || type == RegExpandSz
                ? std::optional(ansiText(m_bytes.mid(data, dataLength)))
                : std::nullopt;
        at = data + dataLength;
    }
    return std::nullopt;
}

} // namespace platform
