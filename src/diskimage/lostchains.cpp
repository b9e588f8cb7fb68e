#include "lostchains.h"

#include "littleendian.h"

#include <QSet>
#include <algorithm>

namespace diskimage
{

namespace
{

constexpr int MaxFolderDepth = 32;
constexpr int EntryBytes = 32;

class ReachedClusters
{
public:
    explicit ReachedClusters(const FatVolume& volume)
        : m_volume(volume)
        , m_reached(qsizetype(volume.clusterCount()) + 2, false)
    {
        mark(volume.rootChain());
        walk({}, 0);
    }

    bool reached(quint32 cluster) const { return m_reached[cluster]; }

private:
    void mark(const QList<quint32>& clusters)
    {
        for (quint32 cluster : clusters)
            m_reached[cluster] = true;
    }

    void walk(const QStringList& folder, int depth)
    {
        if (depth > MaxFolderDepth)
            throw DamagedImageError(QStringLiteral("its folders nest deeper than %1").arg(MaxFolderDepth));
        for (const FatEntry& entry : m_volume.listFolder(folder).value_or(QList<FatEntry>())) {
            if (entry.firstCluster == 0)
                continue;
            // A folder reached before is a loop of folders; its clusters are marked already.
            const bool seen = m_reached.value(entry.firstCluster);
            mark(m_volume.chain(entry.firstCluster, m_volume.volumeBytes()));
            if (entry.isFolder() && !seen)
                walk(folder + QStringList(entry.name), depth + 1);
        }
    }

    const FatVolume& m_volume;
    QList<bool> m_reached;
};

} // namespace

QList<LostChain> findLostChains(const FatVolume& volume)
{
    const ReachedClusters files(volume);
    const quint32 end = volume.clusterCount() + 2;
    QSet<quint32> lost, pointedAt;
    for (quint32 cluster = 2; cluster < end; ++cluster) {
        const quint32 next = volume.fatEntry(cluster);
        if (next == 0 || volume.isBadClusterMark(next) || files.reached(cluster))
            continue;
        lost.insert(cluster);
        pointedAt.insert(next);
    }
    QList<LostChain> chains;
    QSet<quint32> claimed;
    QSet<quint32> knotted;
    for (quint32 cluster = 2; cluster < end; ++cluster) {
        if (!lost.contains(cluster) || pointedAt.contains(cluster))
            continue;
        QList<quint32> clusters;
        try {
            clusters = volume.chain(cluster, volume.volumeBytes());
        } catch (const DamagedImageError&) {
            continue;
        }
        bool alone = true;
        for (quint32 member : clusters) {
            if (files.reached(member) || claimed.contains(member)) {
                alone = false;
                knotted.insert(member);
            }
        }
        claimed.unite(QSet<quint32>(clusters.begin(), clusters.end()));
        if (alone)
            chains.append({ clusters });
    }
    // Two chains that merge are both left to fsck.fat.
    chains.removeIf([&](const LostChain& chain) {
        return std::any_of(chain.clusters.begin(), chain.clusters.end(),
            [&](quint32 member) { return knotted.contains(member); });
    });
    return chains;
}

bool isEmptyLostFolder(const QByteArray& bytes, quint32 firstCluster)
{
    if (bytes.size() < 2 * EntryBytes || !bytes.startsWith(".          ") || !(quint8(bytes[11]) & 0x10))
        return false;
    const quint32 self = quint32(le16(bytes, 26)) | quint32(le16(bytes, 20)) << 16;
    if (self != firstCluster)
        return false;
    for (qsizetype at = 2 * EntryBytes; at + EntryBytes <= bytes.size(); at += EntryBytes) {
        const quint8 first = quint8(bytes[at]);
        if (first == 0)
            return true; // the end of the folder
        const bool longName = (quint8(bytes[at + 11]) & 0x3F) == 0x0F;
        if (first != 0xE5 && !longName)
            return false;
    }
    return true;
}

} // namespace diskimage
