#pragma once

#include "fatvolume.h"

#include <QByteArray>
#include <QList>
#include <functional>

// Clusters the allocation table gives out that no file or folder reaches. A change cut short
// between pointing an entry at new clusters and freeing the old ones leaves such chains behind;
// fsck.fat would turn each into a FSCKnnnn.REC file in the root.
namespace diskimage
{

struct LostChain {
    QList<quint32> clusters; // from the chain's first cluster to its end
};

// The volume's lost chains. A chain that runs into a file's clusters or another lost chain, loops,
// or leaves the volume is left out: only fsck.fat can sort such a knot out. DamagedImageError when
// the folders cannot be walked.
QList<LostChain> findLostChains(const FatVolume& volume);

// Whether the bytes of a lost chain, or of a file fsck.fat recovered from one, are data of ours
// that may go rather than be kept.
using OwnDataTest = std::function<bool(const QByteArray& bytes, qint64 clusterBytes)>;

// Whether a lost chain is a folder that names no file any more (the staging folder of a change cut
// short after its entry was deleted): freeing it loses nothing.
bool isEmptyLostFolder(const QByteArray& bytes, quint32 firstCluster);

} // namespace diskimage
