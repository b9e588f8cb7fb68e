#pragma once

#include "fatvolume.h"

#include <QByteArray>
#include <QList>
#include <functional>

// Small in-place edits of a FAT volume, each a write of whole 32-byte entries or of allocation
// table bytes, so that a write cut short leaves at worst lost clusters, never a cross-link.
namespace diskimage
{

// Writes `bytes` at `offset` of the image; FileError when it cannot.
using ImageWriter = std::function<void(qint64 offset, const QByteArray& bytes)>;

class FatEditor
{
public:
    FatEditor(const FatVolume& volume, ImageReader read, ImageWriter write);

    // Marks every entry of `entry` (long-name ones and the short one) deleted.
    void markDeleted(const FatEntry& entry);
    // Makes `target` stand for the file of `source`: its clusters, size and times, with
    // `attributes` (read-only, hidden, system, archive); the target keeps its name. One write of
    // one entry.
    void pointAt(const FatEntry& target, const FatEntry& source, quint8 attributes);
    // Marks `clusters` free in every copy of the allocation table.
    void freeClusters(const QList<quint32>& clusters);

private:
    void setFatEntry(quint32 cluster, quint32 value);
    void countFreed(quint32 clusters);
    QByteArray entryBytes(const FatEntry& entry, qint64* offset) const;

    const FatVolume& m_volume;
    ImageReader m_read;
    ImageWriter m_write;
    QByteArray m_fat;
};

} // namespace diskimage
