#pragma once

#include "imagedrive.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform
{

// Where a Windows path of the current machine lies when its drive is a disk image.
struct ImageLocation {
    ImageDrive* drive = nullptr;
    QStringList parts; // below the drive's root
    QString path; // the Windows path, for messages

    QStringList folder() const { return parts.mid(0, parts.size() - 1); }
    QString name() const { return parts.isEmpty() ? QString() : parts.last(); }
};

// Nothing for a path on a host-folder drive. Throws FileError 52 / 76 as hostPathFor does.
std::optional<ImageLocation> imageLocationOf(const QString& windowsPath);
// Whether the path's drive is a disk image; never throws.
bool isOnImageDrive(const QString& windowsPath);

// Throws the one clear message that tells why the path's image cannot be written now (in use,
// read-only, unclean, damaged, mtools missing); nothing for a host folder or a writable image.
void checkWritable(const QString& windowsPath);

// The open image drive for `imagePath` (one per image and partition for the whole process).
ImageDrive& openImageDrive(const QString& imagePath, int partition);
// Flushes every open image drive with changes held back by an ImageCommand; FileError naming the
// first image that could not be flushed, after trying them all.
void flushChangedImageDrives();

} // namespace platform
