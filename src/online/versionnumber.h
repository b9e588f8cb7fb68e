#pragma once

#include <QList>
#include <QString>
#include <optional>

// A release number such as "4.0.10": one to four whole numbers separated by dots, compared number by
// number, so that 4.0.10 is newer than 4.0.9 and "4.0" equals "4.0.0".
class VersionNumber
{
public:
    static constexpr int MaxParts = 4;
    static constexpr int MaxDigits = 9;

    // Empty for anything else: signs, blanks, letters, empty parts, too many parts or digits.
    static std::optional<VersionNumber> parse(const QString& text);

    // Negative, zero or positive as this release is older than, the same as or newer than `other`.
    int compare(const VersionNumber& other) const;
    bool isNewerThan(const VersionNumber& other) const { return compare(other) > 0; }

private:
    QList<quint32> m_parts;
};

// The installed version as the user reads it: "4.00" for release 4.0.0.
QString displayVersion(const QString& version);
