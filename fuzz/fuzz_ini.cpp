// Private-profile text: reading and writing any bytes must neither crash nor lose a written value.
#include "platform/profile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdlib>

using platform::IniDocument;

namespace
{

QString trimmedValue(const QString& value)
{
    QByteArray bytes = value.toLatin1();
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    while (!bytes.isEmpty() && (bytes.front() == ' ' || bytes.front() == '\t'))
        bytes.remove(0, 1);
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\t'))
        bytes.chop(1);
    return QString::fromLatin1(bytes);
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

// The input is "section\0key\0value\0file text"; without three NULs it is all file text and the
// names are those the program uses.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(IniDocument::MaxBytes))
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    QString section = QStringLiteral("Options"), key = QStringLiteral("Logo"), value = QStringLiteral(" 1");
    QByteArray text = input;
    if (parts.size() >= 4) {
        section = QString::fromLatin1(parts[0]);
        key = QString::fromLatin1(parts[1]);
        value = QString::fromLatin1(parts[2]);
        text = input.mid(parts[0].size() + parts[1].size() + parts[2].size() + 3);
    }

    IniDocument document = IniDocument::parse(text);
    const std::optional<QString> before = document.value(section, key);
    document.setValue(section, key, value);
    const QByteArray written = document.toBytes();
    if (!IniDocument::canStore(section, key)) {
        check(written == text);
        return 0;
    }
    check(document.value(section, key) == trimmedValue(value));
    check(IniDocument::parse(written).value(section, key) == trimmedValue(value));
    // A value read back and written again reads the same, but for line breaks that became blanks.
    if (before) {
        IniDocument again = IniDocument::parse(text);
        again.setValue(section, key, *before);
        check(again.value(section, key) == trimmedValue(*before));
    }
    document.removeKey(section, key);
    check(!document.value(section, key).has_value());
    return 0;
}
