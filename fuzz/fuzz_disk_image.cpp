// The disk image readers on arbitrary bytes: partition table, boot sector, allocation table and
// folders, walked as the image drive walks them.
#include "platform/disklayout.h"
#include "platform/fatvolume.h"

#include <QByteArray>

namespace
{

// Bigger inputs only slow the fuzzer down: every structure it reaches fits in far less.
constexpr size_t MaxInputBytes = 4 * 1024 * 1024;
constexpr int MaxDepth = 4;
constexpr int MaxEntriesWalked = 256;

void walk(const platform::FatVolume& volume, const QStringList& folder, int depth, int& walked)
{
    const auto entries = volume.listFolder(folder);
    if (!entries || depth > MaxDepth)
        return;
    for (const platform::FatEntry& entry : *entries) {
        if (++walked > MaxEntriesWalked)
            return;
        if (entry.isFolder())
            walk(volume, folder + QStringList(entry.name), depth + 1, walked);
        else
            volume.readFile(entry, 64 * 1024);
        volume.find(folder + QStringList(entry.name.toUpper()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > MaxInputBytes)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const platform::ImageReader read = [&](qint64 offset, qint64 length) {
        return offset < 0 || offset >= bytes.size() ? QByteArray() : bytes.mid(offset, length);
    };
    platform::detectImageFormat(read, bytes.size());
    try {
        const platform::DiskLayout layout = platform::readDiskLayout(read, bytes.size());
        for (const platform::DiskPartition& partition : layout.partitions) {
            try {
                const platform::FatVolume volume(read, partition.offset, partition.size);
                volume.freeBytes();
                volume.fatCopiesAgree();
                int walked = 0;
                walk(volume, {}, 0, walked);
            } catch (const platform::DamagedImageError&) {
            }
        }
    } catch (const platform::DamagedImageError&) {
    }
    return 0;
}
