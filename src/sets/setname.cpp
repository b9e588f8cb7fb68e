#include "sets/setname.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace
{

// Windows' own limits: one name in a path, and a whole path with its closing zero.
constexpr qsizetype MaxNameLength = 255;
constexpr qsizetype MaxPathLength = 259;
// The longest file a set holds, with the separator before it.
constexpr qsizetype LongestScreenName = sizeof("\\LOGOW.SYS") - 1;

const QString ForbiddenCharacters = QStringLiteral("\\/:*?\"<>|");

QString withoutTrailingDotsAndBlanks(QString name)
{
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

// Windows keeps these for devices whatever follows them after a dot, in any case.
bool isDeviceName(const QString& name)
{
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList plain
        = { QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL") };
    if (plain.contains(stem))
        return true;
    return stem.size() == 4
        && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
        && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

QString ruleBroken(const QString& name, const QString& logoPath)
{
    for (const QChar c : name) {
        if (ForbiddenCharacters.contains(c))
            return QCoreApplication::translate(
                "SetName", "A set name cannot hold any of the characters \\ / : * ? \" < > |.");
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QCoreApplication::translate("SetName", "A set name cannot hold control characters.");
    }
    if (isDeviceName(name))
        return QCoreApplication::translate("SetName",
            "%1 is the name of a DOS device, which no disk can hold, with or without an "
            "extension.")
            .arg(name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper());
    const qsizetype longest = std::min(MaxNameLength, MaxPathLength - logoPath.size() - LongestScreenName);
    if (name.size() > longest)
        return QCoreApplication::translate(
            "SetName", "A set name can have at most %1 characters in this logo folder.")
            .arg(std::max<qsizetype>(longest, 0));
    return {};
}

} // namespace

SetNameCheck checkSetName(const QString& typed, const QString& logoPath)
{
    SetNameCheck check;
    check.name = withoutTrailingDotsAndBlanks(typed);
    check.empty = typed.trimmed().isEmpty();
    if (check.empty)
        check.rule = emptySetNameMessage();
    else if (check.name.isEmpty()) // "." and ".." are the folder itself and its parent
        check.rule = QCoreApplication::translate("SetName", "A set name needs more than dots and blanks.");
    else
        check.rule = ruleBroken(check.name, logoPath);
    return check;
}

QString emptySetNameMessage()
{
    return QCoreApplication::translate("SetName", "The logo set has no name. Type a name for it first.");
}
