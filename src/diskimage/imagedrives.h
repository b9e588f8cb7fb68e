#pragma once

#include "imagedrive.h"

#include <QString>

namespace diskimage
{

// Lets the file layer reach drives that live in disk images; every program calls it before it sets
// a machine that may have one.
void useImageDrives();

// The open image drive for `imagePath` (one per image and partition for the whole process).
ImageDrive& openImageDrive(const QString& imagePath, int partition);
// Flushes every open image drive with changes held back by an ImageCommand; FileError naming the
// first image that could not be flushed, after trying them all.
void flushChangedImageDrives();

} // namespace diskimage
