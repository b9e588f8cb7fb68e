#pragma once

#include <QString>
#include <optional>
#include <sys/types.h>

// What an image file looked like when fsck.fat last found it clean (or when our own changes,
// made to a clean image, ended). Checking a partition takes a copy of it, so a command on an
// image that has not changed since skips the check. The record is a cache: one lost or damaged
// only costs a new check.
namespace diskimage
{

struct ImageState {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 seconds = 0, nanoseconds = 0; // modification time
    bool operator==(const ImageState&) const = default;
};

std::optional<ImageState> imageStateOf(const QString& path);

std::optional<ImageState> recordedCleanState(const QString& imagePath, qint64 partitionOffset);
void recordCleanState(const QString& imagePath, qint64 partitionOffset, const ImageState& state);

} // namespace diskimage
