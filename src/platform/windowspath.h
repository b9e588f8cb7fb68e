#pragma once

#include <QString>
#include <QStringList>

// The syntax of Windows paths, without any machine behind them.
namespace platform
{

// A Windows path split into its drive and its components, "." and ".." already resolved.
struct WindowsPath {
    QChar drive; // upper case
    QStringList parts;
    QString toString() const; // "C:\A\B", or "C:\" for the root
};

// True for the characters Windows refuses in a name: < > : " | ? * and control characters.
bool isForbiddenNameChar(QChar c);
// A name that can be one path component: not empty, not "." or "..", no forbidden character,
// no "\" or "/".
bool isValidName(const QString& name);

// Parses an absolute Windows path ("C:\x", "c:/x/../y"). Both separators are accepted; ".." never
// climbs above the drive root. Throws FileError 52 for a forbidden character and 76 for a path
// without a drive letter.
WindowsPath parseWindowsPath(const QString& path);

} // namespace platform
