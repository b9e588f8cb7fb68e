// The REGEDIT4 text of a hive: what the Windows 9x registry editor exports and merges.
#include "fileerror.h"
#include "registryhive.h"

#include <algorithm>
#include <optional>

namespace platform
{

namespace
{

constexpr QByteArrayView Regedit4Header = "REGEDIT4";
constexpr QByteArrayView Regedit5Header = "Windows Registry Editor Version 5.00";
constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
constexpr qsizetype HexLineWidth = 76;

[[noreturn]] void damaged(const QString& reason)
{
    throw DamagedFileError(QString(), reason);
}

[[noreturn]] void badLine(qsizetype index)
{
    damaged(QStringLiteral("line %1 cannot be read").arg(index + 1));
}

QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype newline = text.indexOf('\n', start);
        if (newline < 0)
            newline = text.size();
        QByteArrayView line = text.sliced(start, newline - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = newline + 1;
    }
    return lines;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One to eight hex digits, nothing else.
std::optional<uint32_t> parseHexNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    uint32_t number = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        number = number << 4 | uint32_t(digit);
    }
    return number;
}

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size()
        && text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// Reads a quoted string starting at text[pos] == '"'; only \\ and \" are escapes, as REGEDIT4
// writes them, and any other backslash is taken literally.
std::optional<QByteArray> readQuoted(QByteArrayView text, qsizetype& pos)
{
    QByteArray result;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return result;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"'))
            ++pos;
        result += text[pos];
    }
    return std::nullopt;
}

QByteArray quoted(QByteArrayView raw)
{
    QByteArray out = "\"";
    for (char c : raw) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

class Regedit4Reader
{
public:
    Regedit4Reader(QByteArrayView text, const QString& rootName)
        : m_lines(splitLines(text))
        , m_root(rootName)
    {
    }

    RegistryHive read()
    {
        const QByteArrayView header = m_lines.first().trimmed();
        if (header != Regedit4Header && header != Regedit5Header)
            damaged(QStringLiteral("it does not start with REGEDIT4"));
        for (m_index = 1; m_index < m_lines.size(); ++m_index)
            readLine(m_lines[m_index].trimmed());
        return std::move(m_hive);
    }

private:
    void readLine(QByteArrayView line)
    {
        if (line.isEmpty() || line.startsWith(';'))
            return;
        if (line.startsWith('['))
            readKeyHeader(line);
        else if (line.startsWith('"') || line.startsWith('@'))
            readValue(line);
        else
            badLine(m_index);
    }

    void readKeyHeader(QByteArrayView line)
    {
        if (!line.endsWith(']'))
            badLine(m_index);
        const QString full = QString::fromLatin1(line.sliced(1, line.size() - 2));
        const qsizetype slash = full.indexOf(QLatin1Char('\\'));
        const QString root = slash < 0 ? full : full.left(slash);
        if (root.compare(m_root, Qt::CaseInsensitive) != 0)
            damaged(QStringLiteral("line %1 names a key outside %2").arg(m_index + 1).arg(m_root));
        m_key = &m_hive.createKey(slash < 0 ? QString() : full.mid(slash + 1));
    }

    void readValue(QByteArrayView line)
    {
        if (!m_key)
            damaged(QStringLiteral("line %1 holds a value before any key").arg(m_index + 1));
        qsizetype pos = 0;
        QByteArray name;
        if (line.startsWith('@')) {
            pos = 1;
        } else if (auto text = readQuoted(line, pos)) {
            name = *text;
        } else {
            badLine(m_index);
        }
        const QByteArrayView rest = line.sliced(pos).trimmed();
        if (!rest.startsWith('='))
            badLine(m_index);
        const auto [type, data] = readData(rest.sliced(1).trimmed());
        m_key->setValue(QString::fromLatin1(name), type, data);
    }

    std::pair<uint32_t, QByteArray> readData(QByteArrayView data)
    {
        if (data.startsWith('"')) {
            qsizetype pos = 0;
            const auto text = readQuoted(data, pos);
            if (!text || !data.sliced(pos).trimmed().isEmpty())
                badLine(m_index);
            return { REG_SZ, *text };
        }
        if (startsWithNoCase(data, "dword:")) {
            const auto number = parseHexNumber(data.sliced(6));
            if (!number)
                badLine(m_index);
            QByteArray bytes(4, '\0');
            for (int i = 0; i < 4; ++i)
                bytes[i] = char(*number >> (8 * i) & 0xFF);
            return { REG_DWORD, bytes };
        }
        if (startsWithNoCase(data, "hex:"))
            return { REG_BINARY, readHexBytes(data.sliced(4)) };
        if (startsWithNoCase(data, "hex(")) {
            const qsizetype close = data.indexOf("):");
            const auto type = close < 0 ? std::nullopt : parseHexNumber(data.sliced(4, close - 4));
            if (!type)
                badLine(m_index);
            QByteArray bytes = readHexBytes(data.sliced(close + 2));
            // Text written as hex carries its terminating NUL; the hive holds text without it.
            if (*type == REG_SZ && bytes.endsWith('\0'))
                bytes.chop(1);
            return { *type, bytes };
        }
        badLine(m_index);
    }

    // Comma-separated byte pairs; a line ending in "\" goes on in the next line.
    QByteArray readHexBytes(QByteArrayView first)
    {
        QByteArray list = first.trimmed().toByteArray();
        while (list.endsWith('\\')) {
            list.chop(1);
            if (++m_index >= m_lines.size())
                damaged(QStringLiteral("the file ends inside a value"));
            list += m_lines[m_index].trimmed();
        }
        QByteArray bytes;
        if (list.trimmed().isEmpty())
            return bytes;
        for (const QByteArray& item : list.split(',')) {
            const QByteArray digits = item.trimmed();
            const auto number = digits.size() <= 2 ? parseHexNumber(digits) : std::nullopt;
            if (!number)
                badLine(m_index);
            bytes += char(*number);
        }
        return bytes;
    }

    QList<QByteArrayView> m_lines;
    QString m_root;
    RegistryHive m_hive;
    RegistryHive::Key* m_key = nullptr;
    qsizetype m_index = 0;
};

void appendHex(QByteArray& out, QByteArrayView bytes, qsizetype lineStart)
{
    static const char digits[] = "0123456789abcdef";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        out += digits[byte >> 4];
        out += digits[byte & 0xF];
        if (i + 1 == bytes.size())
            break;
        out += ',';
        if (out.size() - lineStart > HexLineWidth) {
            out += "\\\r\n  ";
            lineStart = out.size() - 2;
        }
    }
}

QByteArray valueLine(const RegistryHive::Value& value)
{
    QByteArray out = value.name.isEmpty() ? QByteArray("@") : quoted(value.name.toLatin1());
    out += '=';
    const bool plainText
        = !value.data.contains('\0') && !value.data.contains('\r') && !value.data.contains('\n');
    if (value.type == REG_SZ && plainText) {
        out += quoted(value.data);
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        const auto* bytes = reinterpret_cast<const uchar*>(value.data.constData());
        const uint32_t number = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24;
        out += "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
    } else if (value.type == REG_BINARY) {
        out += "hex:";
        appendHex(out, value.data, 0);
    } else {
        out += "hex(" + QByteArray::number(value.type, 16) + "):";
        appendHex(out, value.type == REG_SZ ? value.data + '\0' : value.data, 0);
    }
    return out + "\r\n";
}

// The separator sorts before every character, which puts parents before their children.
int sortWeight(QChar c)
{
    return c == QLatin1Char('\\') ? -1 : int(c.toCaseFolded().unicode());
}

// Parents before children, siblings without regard to case, as the registry editor lists them.
bool keyOrder(const RegistryHive::Key* a, const RegistryHive::Key* b)
{
    const QString& left = a->path;
    const QString& right = b->path;
    for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
        const int l = sortWeight(left[i]), r = sortWeight(right[i]);
        if (l != r)
            return l < r;
    }
    if (left.size() != right.size())
        return left.size() < right.size();
    return left < right;
}

} // namespace

RegistryHive RegistryHive::parse(const QByteArray& text, const QString& rootName)
{
    if (text.size() > MaxBytes)
        damaged(QStringLiteral("it is larger than 8 MB"));
    QByteArrayView body(text);
    if (body.startsWith(Utf8Bom))
        body = body.sliced(Utf8Bom.size());
    if (body.trimmed().isEmpty())
        return {};
    return Regedit4Reader(body, rootName).read();
}

QByteArray RegistryHive::toText(const QString& rootName) const
{
    QList<const Key*> sorted;
    sorted.reserve(m_keys.size());
    for (const Key& key : m_keys)
        sorted.append(&key);
    std::sort(sorted.begin(), sorted.end(), keyOrder);

    const QByteArray root = rootName.toLatin1();
    QByteArray out = Regedit4Header.toByteArray() + "\r\n\r\n";
    for (const Key* key : sorted) {
        out += '[' + root + (key->path.isEmpty() ? QByteArray() : '\\' + key->path.toLatin1()) + "]\r\n";
        for (const Value& value : key->values)
            out += valueLine(value);
        out += "\r\n";
    }
    return out;
}

} // namespace platform
