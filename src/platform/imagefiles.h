#pragma once

#include "imagedrives.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The file statements on a drive that is a disk image, with the error numbers the host-folder
// versions in files.cpp give. files.cpp hands a path here when imageLocationOf finds its drive.
namespace platform
{

struct ListedEntry {
    QString name;
    bool folder = false;
    int attributes = 0; // hidden and system bits
};

void imageKill(const ImageLocation& at);
void imageMkDir(const ImageLocation& at);
void imageRmDir(const ImageLocation& at);
void imageRename(const ImageLocation& from, const ImageLocation& to);
int imageGetAttr(const ImageLocation& at);
void imageSetAttr(const ImageLocation& at, int attributes);
// -1 when missing, else the attributes with vbDirectory for a folder; never throws.
int imageEntryAttributes(const ImageLocation& at);
QByteArray imageReadFile(const ImageLocation& at, qint64 maxBytes);
// Writes a whole file, keeping the attributes of the file it replaces.
void imageWriteFile(const ImageLocation& at, const QByteArray& data, std::optional<int> attributes = {});
void imageRemoveTree(const ImageLocation& at);
// Creates an empty file; false when the name is taken.
bool imageCreateFile(const ImageLocation& at);
QList<ListedEntry> imageListing(const ImageLocation& folder);

// FileCopy and Name between drives when one of them is an image: the file goes through memory.
// Files bigger than this are refused (75).
constexpr qint64 MaxCopyThroughMemoryBytes = 256 * 1024 * 1024;
void copyThroughMemory(const QString& source, const QString& target);

// A host file holding a copy of an image file, for readers that need a host path (pictures,
// the help document); a path that does not exist when the file is missing.
QString imageHostCopy(const ImageLocation& at);

} // namespace platform
