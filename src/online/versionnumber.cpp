#include "versionnumber.h"

#include <QStringList>

std::optional<VersionNumber> VersionNumber::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > MaxParts)
        return std::nullopt;
    VersionNumber version;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > MaxDigits)
            return std::nullopt;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        version.m_parts.append(part.toUInt());
    }
    return version;
}

int VersionNumber::compare(const VersionNumber& other) const
{
    const qsizetype count = std::max(m_parts.size(), other.m_parts.size());
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 mine = m_parts.value(i, 0);
        const quint32 theirs = other.m_parts.value(i, 0);
        if (mine != theirs)
            return mine < theirs ? -1 : 1;
    }
    return 0;
}

QString displayVersion(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() != 3 || parts.at(1).size() != 1 || parts.at(2).size() != 1)
        return version;
    return parts.at(0) + QLatin1Char('.') + parts.at(1) + parts.at(2);
}
