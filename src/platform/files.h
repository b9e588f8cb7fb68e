#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The runtime's file statements over Windows paths of the current machine. Every failure throws
// FileError with the runtime's number (52, 53, 58, 70, 75, 76).
namespace platform
{

// The runtime's attribute bits (bit 3, the volume label, is never used here).
enum FileAttribute : int {
    vbNormal = 0,
    vbReadOnly = 1 << 0,
    vbHidden = 1 << 1,
    vbSystem = 1 << 2,
    vbDirectory = 1 << 4,
    vbArchive = 1 << 5,
};
// FILE_ATTRIBUTE_NORMAL as SetFileAttributesA takes it: no attribute at all.
constexpr int FileAttributeNormalApi = 128;

// Copies a file; the target is replaced atomically (a temporary file beside it, then a rename).
// A read-only or hidden target fails with 75, as on Windows; the copy takes the source's read-only
// flag, DOS attributes and modification time.
void FileCopy(const QString& source, const QString& target);
// Renames or moves a file or folder. 58 when the new name exists (unless it differs from the old
// one only in case), 53 when the old one is missing.
void Name(const QString& oldPath, const QString& newPath);
// Deletes one file (no wildcards). A missing file is 53, and so are a folder and a hidden or system
// file, which a directory search would not find; a read-only file is 75.
void Kill(const QString& path);
void MkDir(const QString& path);
// Removes an empty folder (75 when it is not empty, 76 when it is missing).
void RmDir(const QString& path);

// Attributes: read-only is the host's write permission; hidden, system and archive are kept in the
// extended attribute user.DOSATTRIB where the file system allows, and dropped silently elsewhere.
// Folders never report read-only, and SetAttr leaves their permissions alone: a folder without write
// permission on the host would refuse new files, which a read-only folder on Windows does not.
int GetAttr(const QString& path);
// Accepts the runtime's bits, and FileAttributeNormalApi (128) meaning none.
void SetAttr(const QString& path, int attributes);

// Whether `path` names an entry matching the attribute mask as a directory search would: with
// vbDirectory folders and files match, otherwise only files that are not hidden/system unless the
// mask asks for them. Never throws.
bool entryExists(const QString& path, int attributeMask);
// Whether a folder / a file exists there, whatever its attributes. Never throws.
bool folderExists(const QString& path);
bool fileExists(const QString& path);

// Immediate subfolders / files of a folder, names as on disk, in alphabetical order without regard
// to case. `patterns` are wildcards such as "*.sys" matched without regard to case. Like a file list
// box, listFiles leaves out hidden and system files unless `attributeMask` asks for them.
QStringList listSubfolders(const QString& folder);
QStringList listFiles(const QString& folder, const QStringList& patterns = { QStringLiteral("*") },
    int attributeMask = vbNormal);
// Whether a name matches a wildcard ("*", "?") without regard to case; "*.*" matches every name.
bool matchesWildcard(const QString& name, const QString& pattern);

// Reads a whole file; refuses (75) a file bigger than maxBytes.
QByteArray readFile(const QString& path, qint64 maxBytes);
// Writes a file through a temporary file in the same folder and a rename, so a crash or a full
// disk leaves either the old or the new content.
void writeFileAtomically(const QString& path, const QByteArray& data);
// Deletes a folder with everything in it. A drive's root folder is refused (75).
void removeTree(const QString& folder);

// Host-path versions for layers that already hold host paths.
void writeHostFileAtomically(const QString& hostPath, const QByteArray& data);

} // namespace platform
