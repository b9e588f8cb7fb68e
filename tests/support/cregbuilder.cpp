#include "cregbuilder.h"

#include "platform/littleendianbytes.h"

#include <QtEndian>

namespace
{

constexpr int EntrySize = 0x1C;
constexpr quint32 None = 0xFFFFFFFF;

void put32(QByteArray& bytes, quint32 value)
{
    platform::appendLittleEndian(bytes, value);
}

void put16(QByteArray& bytes, quint16 value)
{
    platform::appendLittleEndian(bytes, value);
}

QByteArray blockHeader(const char* magic, quint32 size, quint32 third)
{
    QByteArray header(magic);
    put32(header, size);
    put32(header, third);
    header.append(QByteArray(0x20 - header.size(), '\0'));
    return header;
}

} // namespace

int CregBuilder::keyIndex(const QString& keyPath)
{
    int index = 0;
    for (const QString& part : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        int found = -1;
        for (int child : m_keys[index].children)
            if (m_keys[child].name.compare(part, Qt::CaseInsensitive) == 0)
                found = child;
        if (found < 0) {
            found = int(m_keys.size());
            m_keys.append(Key { part, index, {}, {} });
            m_keys[index].children.append(found);
        }
        index = found;
    }
    return index;
}

void CregBuilder::addString(const QString& keyPath, const QString& name, const QString& value)
{
    m_keys[keyIndex(keyPath)].values.append({ name, value });
}

QByteArray CregBuilder::bytes() const
{
    const auto entryOffset = [](int index) { return quint32(0x20 + index * EntrySize); };
    QByteArray tree = blockHeader("RGKN", quint32(0x20 + m_keys.size() * EntrySize), entryOffset(0));
    QByteArray records;
    for (int i = 0; i < m_keys.size(); ++i) {
        const Key& key = m_keys[i];
        const QList<int>& siblings = key.parent < 0 ? QList<int>() : m_keys[key.parent].children;
        const qsizetype position = siblings.indexOf(i);
        put32(tree, 0);
        put32(tree, 0); // hash: not used by readers
        put32(tree, None);
        put32(tree, key.parent < 0 ? None : entryOffset(key.parent));
        put32(tree, key.children.isEmpty() ? None : entryOffset(key.children.first()));
        put32(tree,
            position < 0 || position + 1 >= siblings.size() ? None : entryOffset(siblings[position + 1]));
        put16(tree, quint16(i));
        put16(tree, 0); // every key lies in data block 0

        QByteArray values;
        for (const auto& [name, text] : key.values) {
            const QByteArray valueName = name.toLatin1(), data = text.toLatin1() + '\0';
            put32(values, 1); // REG_SZ
            put32(values, 0);
            put16(values, quint16(valueName.size()));
            put16(values, quint16(data.size()));
            values += valueName + data;
        }
        const QByteArray name = key.name.toLatin1();
        const quint32 size = quint32(0x14 + name.size() + values.size());
        put32(records, size);
        put16(records, quint16(i));
        put16(records, 0);
        put32(records, size);
        put16(records, quint16(name.size()));
        put16(records, quint16(key.values.size()));
        put32(records, 0);
        records += name + values;
    }
    const QByteArray data = blockHeader("RGDB", quint32(0x20 + records.size()), 0) + records;
    QByteArray file("CREG");
    put32(file, 0x00010000);
    put32(file, quint32(0x20 + tree.size())); // the first data block
    put32(file, 0);
    put16(file, 1); // one data block
    file.append(QByteArray(0x20 - file.size(), '\0'));
    return file + tree + data;
}
