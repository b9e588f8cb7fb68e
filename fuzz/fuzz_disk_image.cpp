// The disk image readers on arbitrary bytes: partition table, boot sector, allocation table and
// folders, walked as the image drive walks them, and the lost chains a repair looks for.
#include "diskimage/disklayout.h"
#include "diskimage/fatvolume.h"
#include "diskimage/lostchains.h"

#include <QByteArray>

namespace
{

// Bigger inputs only slow the fuzzer down: every structure it reaches fits in far less.
constexpr size_t MaxInputBytes = 4 * 1024 * 1024;
constexpr int MaxDepth = 4;
constexpr int MaxEntriesWalked = 256;
constexpr qsizetype MaxChainClustersRead = 64;

void walk(const diskimage::FatVolume& volume, const QStringList& folder, int depth, int& walked)
{
    const auto entries = volume.listFolder(folder);
    if (!entries || depth > MaxDepth)
        return;
    for (const diskimage::FatEntry& entry : *entries) {
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
    const diskimage::ImageReader read = [&](qint64 offset, qint64 length) {
        return offset < 0 || offset >= bytes.size() ? QByteArray() : bytes.mid(offset, length);
    };
    diskimage::detectImageFormat(read, bytes.size());
    try {
        const diskimage::DiskLayout layout = diskimage::readDiskLayout(read, bytes.size());
        for (const diskimage::DiskPartition& partition : layout.partitions) {
            try {
                const diskimage::FatVolume volume(read, partition.offset, partition.size);
                volume.freeBytes();
                volume.fatCopiesAgree();
                int walked = 0;
                walk(volume, {}, 0, walked);
                // A repair looks for lost chains on whatever image it is given.
                for (const diskimage::LostChain& chain : diskimage::findLostChains(volume))
                    if (!chain.clusters.isEmpty() && chain.clusters.size() <= MaxChainClustersRead)
                        diskimage::isEmptyLostFolder(
                            volume.readClusters(chain.clusters), chain.clusters.first());
            } catch (const diskimage::DamagedImageError&) {
            }
        }
    } catch (const diskimage::DamagedImageError&) {
    }
    return 0;
}
