#pragma once

#include <QString>

// The hidden, system and archive bits of a host file: the extended attribute user.DOSATTRIB
// ("0x22"), or the FAT attribute ioctl on a vfat mount.
namespace platform
{

// The DOS bits that live outside the permission bits.
constexpr int DosAttributeBits = 2 | 4 | 32; // hidden | system | archive

// The file's hidden/system/archive bits; 0 where none are stored or the file system keeps none.
int readDosAttributes(const QString& hostPath);
// Stores the hidden/system/archive bits of `attributes`. Returns 0, or the errno of a real failure;
// a file system that can keep none of them is not a failure.
int writeDosAttributes(const QString& hostPath, int attributes);

} // namespace platform
