#include "fatdirectory.h"

#include <QtEndian>

namespace diskimage
{

namespace
{

constexpr int EntryBytes = 32;
constexpr quint8 LongNameAttributes = 0x0F;
constexpr quint8 VolumeLabel = 0x08;
constexpr int LongNameCharacterOffsets[] = { 1, 3, 5, 7, 9, 14, 16, 18, 20, 22, 24, 28, 30 };
constexpr int MaxLongNameParts = 20; // 255 characters, 13 a part

QString shortNameOf(const char* entry)
{
    QByteArray base = QByteArray(entry, 8).trimmed();
    QByteArray extension = QByteArray(entry + 8, 3).trimmed();
    if (!base.isEmpty() && quint8(base[0]) == 0x05)
        base[0] = char(0xE5); // a name really starting with 0xE5, which would mean "deleted"
    const quint8 caseFlags = quint8(entry[12]);
    QString name = QString::fromLatin1(base);
    if (caseFlags & 0x08)
        name = name.toLower();
    if (!extension.isEmpty()) {
        QString ext = QString::fromLatin1(extension);
        name += QLatin1Char('.') + (caseFlags & 0x10 ? ext.toLower() : ext);
    }
    return name;
}

// Long-name parts collected before their short entry, which comes last.
class LongName
{
public:
    void add(const char* entry)
    {
        const quint8 order = quint8(entry[0]);
        const int index = (order & 0x1F) - 1;
        if (order & 0x40) {
            m_parts = QList<QString>(qMin(index + 1, MaxLongNameParts));
            m_checksum = quint8(entry[13]);
            m_expected = index;
        } else if (index != m_expected || quint8(entry[13]) != m_checksum) {
            clear(); // out of order: an orphan left by a tool that knew no long names
            return;
        }
        if (index < 0 || index >= m_parts.size()) {
            clear();
            return;
        }
        QString part;
        for (int offset : LongNameCharacterOffsets) {
            const char16_t c = qFromLittleEndian<quint16>(entry + offset);
            if (c == 0 || c == 0xFFFF)
                break;
            part += QChar(c);
        }
        m_parts[index] = part;
        m_expected = index - 1;
    }
    // The long name when the parts are complete and belong to this short entry.
    QString takeFor(const char* shortEntry)
    {
        QString name;
        if (!m_parts.isEmpty() && m_expected == -1 && m_checksum == shortNameChecksum(shortEntry))
            name = m_parts.join(QString());
        clear();
        return name;
    }
    void clear()
    {
        m_parts.clear();
        m_expected = -2;
    }
    // How many long-name entries the last complete name had.
    int partCount() const { return m_parts.size(); }

private:
    QList<QString> m_parts;
    quint8 m_checksum = 0;
    int m_expected = -2;
};

} // namespace

quint8 shortNameChecksum(const char* shortName)
{
    quint8 sum = 0;
    for (int i = 0; i < 11; ++i)
        sum = quint8(((sum & 1) << 7) + (sum >> 1) + quint8(shortName[i]));
    return sum;
}

QList<FatEntry> parseFatDirectory(const QByteArray& bytes)
{
    QList<FatEntry> entries;
    LongName longName;
    for (qsizetype at = 0; at + EntryBytes <= bytes.size(); at += EntryBytes) {
        const char* entry = bytes.constData() + at;
        const quint8 first = quint8(entry[0]);
        if (first == 0x00)
            break; // no entry was ever written past this one
        const quint8 attributes = quint8(entry[11]);
        if (first == 0xE5) {
            longName.clear();
            continue;
        }
        if (attributes == LongNameAttributes) {
            longName.add(entry);
            continue;
        }
        const int longSlots = longName.partCount();
        const QString longText = longName.takeFor(entry);
        if (attributes & VolumeLabel || first == '.')
            continue;
        FatEntry parsed;
        parsed.shortName = shortNameOf(entry);
        parsed.name = longText.isEmpty() ? parsed.shortName : longText;
        parsed.attributes = attributes & 0x37;
        parsed.firstCluster = quint32(qFromLittleEndian<quint16>(entry + 26))
            | quint32(qFromLittleEndian<quint16>(entry + 20)) << 16;
        parsed.size = qFromLittleEndian<quint32>(entry + 28);
        parsed.slot = qint32(at / EntryBytes);
        parsed.longSlots = longText.isEmpty() ? 0 : quint8(longSlots);
        entries.append(parsed);
    }
    return entries;
}

} // namespace diskimage
