#pragma once

#include <QString>
#include <optional>

// Where things are on the machine, and whether they exist.

// The Windows folder, without a trailing "\".
QString GetWindowsFolder();
// The user's Start menu StartUp folder from the registry, with a trailing "\". Throws
// std::runtime_error when the profile has no "Startup" value.
QString GetStartupFolder();
// Creates a new, empty, uniquely named "~tm" file in the temporary folder and returns its path.
QString GetTempFile();
// The form of a path to put on a program's command line. The machine's folders have no 8.3
// aliases, and programs get their arguments one by one, so this is the path as it stands on disk;
// empty when it does not exist.
QString GetShortName(const QString& path);
// Empty (nullopt) for an empty path; otherwise whether a directory search for the path with the
// attribute mask finds an entry. Callers treat empty as "not found".
std::optional<bool> FileExists(const QString& path, int attributeMask);
// FileExists(...) == true, the way every caller uses it.
bool exists(const QString& path, int attributeMask);

inline const QString ShellFoldersKey
    = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell folders");
