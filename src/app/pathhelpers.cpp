#include "pathhelpers.h"

QString AddBackslash(const QString& path)
{
    if (path.endsWith(QLatin1Char('\\')))
        return path;
    return path.trimmed() + QLatin1Char('\\');
}

QString GetLastPathPart(QString& path)
{
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString GetExtension(const QString& path)
{
    // Like the shell: the last dot of the last component, unless a blank follows it.
    qsizetype dot = -1;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('.'))
            dot = i;
        else if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(' '))
            dot = -1;
    }
    return dot < 0 ? QString() : path.mid(dot);
}

QString GetFileName(const QString& path)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        const QChar c = path.at(i);
        const QChar next = path.at(i + 1);
        const bool separator = c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':');
        if (separator && next != QLatin1Char('\\') && next != QLatin1Char('/'))
            start = i + 1;
    }
    return path.mid(start);
}

QString ShortenPath(const QString& path, int maximum)
{
    if (maximum >= path.size())
        return path;
    const qsizetype start = path.size() - (maximum - 6); // counted from 1
    const qsizetype slash = start >= 1 ? path.indexOf(QLatin1Char('\\'), start - 1) : -1;
    if (slash < 0)
        return path.left(3) + QStringLiteral("...");
    return path.left(3) + QStringLiteral("...") + path.mid(slash);
}

QString CutAtNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

std::optional<qint16> leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > 32768)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 32767)
        return std::nullopt;
    return static_cast<qint16>(value);
}

bool isSingleLogoSet(const QString& setName)
{
    return GetExtension(setName).toUpper() == QStringLiteral(".SLS");
}
