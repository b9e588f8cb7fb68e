#include "windowspath.h"

#include "fileerror.h"

#include <algorithm>

namespace platform
{

namespace
{

// Longest Windows path accepted (the limit of the wide-character API); longer ones are bad names.
constexpr qsizetype MaxWindowsPathLength = 32767;

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

} // namespace

QString WindowsPath::toString() const
{
    return drive + QStringLiteral(":\\") + parts.join(QLatin1Char('\\'));
}

bool isForbiddenNameChar(QChar c)
{
    if (c.unicode() < 0x20)
        return true;
    switch (c.unicode()) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return false;
    }
}

bool isValidName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(
        name.begin(), name.end(), [](QChar c) { return isForbiddenNameChar(c) || isSeparator(c); });
}

WindowsPath parseWindowsPath(const QString& path)
{
    if (path.size() > MaxWindowsPathLength)
        throw FileError::withPath(BadFileName, path.left(260) + QStringLiteral("..."));
    if (path.size() < 2 || path.at(1) != QLatin1Char(':') || path.at(0).unicode() > 'z'
        || !path.at(0).isLetter())
        throw FileError::withPath(PathNotFound, path);

    WindowsPath result;
    result.drive = path.at(0).toUpper();
    // "C:name" has no current folder to be relative to here, so it is taken from the root.
    const QStringView rest = QStringView(path).mid(2);
    if (std::any_of(rest.begin(), rest.end(), isForbiddenNameChar))
        throw FileError::withPath(BadFileName, path);
    qsizetype start = 0;
    while (start <= rest.size()) {
        qsizetype end = start;
        while (end < rest.size() && !isSeparator(rest.at(end)))
            ++end;
        QStringView part = rest.mid(start, end - start);
        start = end + 1;
        if (part == QLatin1String("..")) {
            if (!result.parts.isEmpty())
                result.parts.removeLast();
            continue;
        }
        // Windows ignores trailing dots and blanks of a name ("LOGO.SYS " is "LOGO.SYS"); a part
        // left empty, like "." or "...", names the folder itself.
        while (!part.isEmpty() && (part.endsWith(QLatin1Char('.')) || part.endsWith(QLatin1Char(' '))))
            part.chop(1);
        if (!part.isEmpty())
            result.parts.append(part.toString());
    }
    return result;
}

} // namespace platform
