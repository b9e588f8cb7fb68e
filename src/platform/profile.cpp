#include "profile.h"

#include "drivebackend.h"
#include "fileerror.h"
#include "files.h"
#include "winpath.h"

#include <QFile>
#include <QFileInfo>
#include <limits>

namespace platform
{

namespace
{

// One line of the file: [start, contentEnd) is its text, [contentEnd, end) its line ending.
struct Line {
    qsizetype start = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name; // section or key name, trimmed
    qsizetype valueAt = 0; // for a key: offset of the first byte after "="
};

QList<Line> splitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        Line line;
        line.start = start;
        if (newline < 0) {
            line.contentEnd = line.end = bytes.size();
        } else {
            line.end = newline + 1;
            line.contentEnd = (newline > start && bytes.at(newline - 1) == '\r') ? newline - 1 : newline;
        }
        lines.append(line);
        start = line.end;
    }
    return lines;
}

// Only blanks and tabs count as padding, as in the files Windows writes; other bytes are text.
QByteArray trimBlanks(QByteArrayView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

ParsedLine classify(const QByteArray& bytes, const Line& line)
{
    const QByteArrayView content(bytes.constData() + line.start, line.contentEnd - line.start);
    const QByteArray text = trimBlanks(content);
    ParsedLine parsed;
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        if (close > 0) {
            parsed.kind = LineKind::Section;
            parsed.name = trimBlanks(QByteArrayView(text).sliced(1, close - 1));
        }
        return parsed;
    }
    if (text.startsWith(';'))
        return parsed;
    const qsizetype equals = content.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.name = trimBlanks(content.first(equals));
    if (!parsed.name.isEmpty()) {
        parsed.kind = LineKind::Key;
        parsed.valueAt = line.start + equals + 1;
    }
    return parsed;
}

// Names given by the caller are matched as they would read back from the file.
bool sameName(const QByteArray& inFile, const QString& wanted)
{
    return QString::fromLatin1(inFile).compare(
               QString::fromLatin1(trimBlanks(wanted.toLatin1())), Qt::CaseInsensitive)
        == 0;
}

QByteArray lineEndingOf(const QByteArray& bytes)
{
    const qsizetype newline = bytes.indexOf('\n');
    if (newline > 0 && bytes.at(newline - 1) == '\r')
        return "\r\n";
    if (newline >= 0)
        return "\n";
    return "\r\n"; // a new file gets the line ending Windows uses
}

// A value may not break the line it is written on.
QByteArray valueBytes(const QString& value)
{
    QByteArray bytes = value.toLatin1();
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return bytes;
}

// Walks the lines of one section (every occurrence of it) and reports each key line in it.
template <typename Visit>
void forEachKeyIn(const QByteArray& bytes, const QList<Line>& lines, const QString& section, Visit visit)
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = classify(bytes, lines[i]);
        if (parsed.kind == LineKind::Section)
            inSection = sameName(parsed.name, section);
        else if (inSection && parsed.kind == LineKind::Key && !visit(i, parsed))
            return;
    }
}

std::optional<qsizetype> findKeyLine(const QByteArray& bytes, const QList<Line>& lines,
    const QString& section, const QString& key, ParsedLine* found)
{
    std::optional<qsizetype> result;
    forEachKeyIn(bytes, lines, section, [&](qsizetype index, const ParsedLine& parsed) {
        if (!sameName(parsed.name, key))
            return true;
        result = index;
        *found = parsed;
        return false;
    });
    return result;
}

// Index of the line after which a new key of `section` goes: its last key, else its header.
std::optional<qsizetype> insertionLine(
    const QByteArray& bytes, const QList<Line>& lines, const QString& section)
{
    std::optional<qsizetype> header;
    std::optional<qsizetype> lastKey;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = classify(bytes, lines[i]);
        if (parsed.kind == LineKind::Section) {
            if (header)
                break;
            if (sameName(parsed.name, section))
                header = i;
        } else if (header && parsed.kind == LineKind::Key) {
            lastKey = i;
        }
    }
    return lastKey ? lastKey : header;
}

std::optional<qint64> leadingNumber(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    const qsizetype firstDigit = i;
    qint64 number = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        number = std::min<qint64>(number * 10 + (text[i].unicode() - '0'), qint64(1) << 40);
    if (i == firstDigit)
        return std::nullopt;
    return negative ? -number : number;
}

// The file's bytes, or nothing when it is missing, unreadable or damaged: reads then give defaults.
std::optional<QByteArray> readProfile(const QString& file)
{
    try {
        QByteArray bytes;
        if (isOnImageDrive(file)) {
            bytes = readFile(file, IniDocument::MaxBytes + 1);
        } else {
            QFile input(resolveToHost(file));
            if (!input.open(QIODevice::ReadOnly))
                return std::nullopt;
            bytes = input.read(IniDocument::MaxBytes + 1);
        }
        if (bytes.size() > IniDocument::MaxBytes || bytes.contains('\0'))
            return std::nullopt;
        return bytes;
    } catch (const FileError&) {
        return std::nullopt;
    }
}

QByteArray checkedProfileBytes(const QByteArray& bytes, const QString& file)
{
    if (bytes.size() > IniDocument::MaxBytes)
        throw DamagedFileError(file, QStringLiteral("it is larger than 1 MB"));
    if (bytes.contains('\0'))
        throw DamagedFileError(file, QStringLiteral("it holds bytes that are not text"));
    return bytes;
}

// The same edit on a disk image, whose files are read and replaced whole through the file layer.
bool writeImageProfileString(
    const QString& section, const QString& key, const QString& value, const QString& file)
{
    try {
        const bool exists = fileExists(file);
        if (exists && GetAttr(file) & vbReadOnly)
            return false;
        const QByteArray old
            = exists ? checkedProfileBytes(readFile(file, IniDocument::MaxBytes + 1), file) : QByteArray();
        IniDocument document = IniDocument::parse(old);
        document.setValue(section, key, value);
        const QByteArray updated = document.toBytes();
        if (!exists || updated != old)
            writeFileAtomically(file, updated);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument document;
    document.m_bytes = bytes;
    return document;
}

bool IniDocument::canStore(const QString& section, const QString& key)
{
    const auto breaksLine = [](const QString& text) {
        return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) || text.contains(QChar());
    };
    const QByteArray keyText = trimBlanks(key.toLatin1());
    return !breaksLine(section) && !section.contains(QLatin1Char(']')) && !breaksLine(key)
        && !keyText.isEmpty() && !keyText.contains('=') && !keyText.startsWith(';')
        && !keyText.startsWith('[');
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const QList<Line> lines = splitLines(m_bytes);
    ParsedLine parsed;
    const auto index = findKeyLine(m_bytes, lines, section, key, &parsed);
    if (!index)
        return std::nullopt;
    const Line& line = lines[*index];
    return QString::fromLatin1(
        trimBlanks(QByteArrayView(m_bytes.constData() + parsed.valueAt, line.contentEnd - parsed.valueAt)));
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!canStore(section, key))
        return;
    const QList<Line> lines = splitLines(m_bytes);
    const QByteArray newValue = valueBytes(value);
    ParsedLine parsed;
    if (const auto index = findKeyLine(m_bytes, lines, section, key, &parsed)) {
        m_bytes.replace(parsed.valueAt, lines[*index].contentEnd - parsed.valueAt, newValue);
        return;
    }
    const QByteArray eol = lineEndingOf(m_bytes);
    const QByteArray keyLine = trimBlanks(key.toLatin1()) + '=' + newValue + eol;
    if (const auto after = insertionLine(m_bytes, lines, section)) {
        const Line& line = lines[*after];
        const QByteArray missingEnd = line.contentEnd == line.end ? eol : QByteArray();
        m_bytes.insert(line.end, missingEnd + keyLine);
        return;
    }
    if (!m_bytes.isEmpty() && !m_bytes.endsWith('\n'))
        m_bytes += eol;
    if (!lines.isEmpty() && lines.last().contentEnd > lines.last().start)
        m_bytes += eol; // a blank line before the new section, as the rest of such files look
    m_bytes += '[' + trimBlanks(section.toLatin1()) + ']' + eol + keyLine;
}

void IniDocument::removeKey(const QString& section, const QString& key)
{
    const QList<Line> lines = splitLines(m_bytes);
    QList<qsizetype> doomed;
    forEachKeyIn(m_bytes, lines, section, [&](qsizetype index, const ParsedLine& parsed) {
        if (sameName(parsed.name, key))
            doomed.append(index);
        return true;
    });
    for (auto it = doomed.crbegin(); it != doomed.crend(); ++it)
        m_bytes.remove(lines[*it].start, lines[*it].end - lines[*it].start);
}

QByteArray IniDocument::toBytes() const
{
    return m_bytes;
}

int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& file)
{
    const std::optional<QByteArray> bytes = readProfile(file);
    if (!bytes)
        return defaultValue;
    const std::optional<QString> text = IniDocument::parse(*bytes).value(section, key);
    const std::optional<qint64> number = text ? leadingNumber(*text) : std::nullopt;
    if (!number)
        return defaultValue;
    return int(std::clamp<qint64>(*number, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString GetPrivateProfileString(
    const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    const std::optional<QByteArray> bytes = readProfile(file);
    if (!bytes)
        return defaultValue;
    return IniDocument::parse(*bytes).value(section, key).value_or(defaultValue);
}

bool WritePrivateProfileString(
    const QString& section, const QString& key, const QString& value, const QString& file)
{
    if (!IniDocument::canStore(section, key))
        return false;
    if (isOnImageDrive(file))
        return writeImageProfileString(section, key, value, file);
    QString host;
    try {
        host = resolveToHost(file);
    } catch (const FileError&) {
        return false;
    }
    const QFileInfo info(host);
    QByteArray old;
    if (info.exists()) {
        if (!info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))
            return false;
        if (info.size() > IniDocument::MaxBytes)
            throw DamagedFileError(file, QStringLiteral("it is larger than 1 MB"));
        QFile input(host);
        if (!input.open(QIODevice::ReadOnly))
            return false;
        old = input.read(IniDocument::MaxBytes + 1);
        if (old.size() > IniDocument::MaxBytes)
            throw DamagedFileError(file, QStringLiteral("it is larger than 1 MB"));
        if (old.contains('\0'))
            throw DamagedFileError(file, QStringLiteral("it holds bytes that are not text"));
    }
    IniDocument document = IniDocument::parse(old);
    document.setValue(section, key, value);
    const QByteArray updated = document.toBytes();
    if (info.exists() && updated == old)
        return true;
    try {
        writeHostFileAtomically(host, updated);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

} // namespace platform
