#pragma once

#include <QString>
#include <optional>

// Text routines for Windows paths, as every window uses them.

// The path with a trailing "\": blanks at both ends removed first when one has to be added.
QString AddBackslash(const QString& path);
// Removes a trailing "\" from `path` itself, then returns the text after the last "\".
QString GetLastPathPart(QString& path);
// The extension with its dot (".SLS"), as written; empty when the last component has none.
QString GetExtension(const QString& path);
// The last component of the path (a trailing "\" stays with it, as the shell's routine does).
QString GetFileName(const QString& path);
// Shortens a path to about `maximum` characters by putting "..." after the drive.
QString ShortenPath(const QString& path, int maximum);
// Text returned by the system ends at its first NUL.
QString CutAtNull(const QString& text);

// The runtime's Val() for whole numbers: leading blanks, an optional sign and the digits that
// follow; 0 when there are none. Empty when the number does not fit 16 bits.
std::optional<qint16> leadingNumber(const QString& text);
// Whether a set name (never a full path) names a single-logo set: its extension is ".SLS".
bool isSingleLogoSet(const QString& setName);
