#include "replacementplan.h"

#include <QHash>
#include <optional>

namespace diskimage
{

namespace
{

constexpr qint64 SlotBytes = 32;

// The entries a name takes: its short entry and, to be safe, long-name entries for every 13
// characters.
qint64 slotsFor(const QString& name)
{
    return 1 + (name.size() + 12) / 13;
}

QString keyOf(const QStringList& parts)
{
    return parts.join(QLatin1Char('/')).toUpper();
}

// The volume's free clusters, and the entries free in each folder, as the groups written so far
// leave them.
class RoomSimulation
{
public:
    explicit RoomSimulation(const FatVolume& volume)
        : m_volume(volume)
        , m_cluster(volume.clusterBytes())
        , m_free(volume.freeBytes() / m_cluster)
    {
    }

    qint64 freeClusters() const { return m_free; }

    // The clusters `group` takes at its peak: its new files, the folder entries they need, and for
    // more than one file the staging folder and its entry in the root.
    qint64 peak(const QList<PlannedFile>& group) const
    {
        qint64 clusters = 0;
        QHash<QString, qint64> newSlots;
        for (const PlannedFile& file : group) {
            clusters += clustersOf(file.size);
            if (group.size() == 1)
                newSlots[keyOf(file.folder)] += 1; // the temporary name
            if (!replacedBytes(file))
                newSlots[keyOf(file.folder)] += slotsFor(file.name);
        }
        if (group.size() > 1) {
            clusters += stagingClusters(group);
            newSlots[keyOf({})] += 1;
        }
        for (auto slots = newSlots.cbegin(); slots != newSlots.cend(); ++slots)
            clusters += growthFor(slots.key(), slots.value());
        return clusters;
    }

    // What is left once `group` is in: its new files and any folder growth taken, the files it
    // replaced and its staging folder given back.
    void write(const QList<PlannedFile>& group)
    {
        m_free -= peak(group);
        if (group.size() > 1)
            m_free += stagingClusters(group);
        for (const PlannedFile& file : group) {
            const std::optional<qint64> replaced = replacedBytes(file);
            if (replaced)
                m_free += clustersOf(*replaced);
            else
                takeSlots(keyOf(file.folder), slotsFor(file.name));
            m_sizes[keyOf(file.folder + QStringList(file.name))] = file.size;
        }
    }

private:
    qint64 clustersOf(qint64 bytes) const { return (bytes + m_cluster - 1) / m_cluster; }

    // The staging folder holding the group: "." and "..", and an entry for each file.
    qint64 stagingClusters(const QList<PlannedFile>& group) const
    {
        qint64 slots = 2;
        for (const PlannedFile& file : group)
            slots += slotsFor(file.name);
        return clustersOf(slots * SlotBytes);
    }

    // The bytes of the file `file` replaces; nothing when it replaces none.
    std::optional<qint64> replacedBytes(const PlannedFile& file) const
    {
        const QStringList path = file.folder + QStringList(file.name);
        if (const auto written = m_sizes.constFind(keyOf(path)); written != m_sizes.cend())
            return *written;
        const std::optional<FatEntry> entry = m_volume.find(path);
        return entry && !entry->isFolder() ? std::optional<qint64>(entry->size) : std::nullopt;
    }

    qint64 freeSlots(const QString& folderKey) const
    {
        if (m_freeSlots.contains(folderKey))
            return m_freeSlots[folderKey];
        const QStringList folder = folderKey.isEmpty() ? QStringList() : folderKey.split(QLatin1Char('/'));
        return m_volume.freeSlots(folder);
    }

    // Clusters the folder grows by for `slots` more entries; a fixed root cannot grow at all.
    qint64 growthFor(const QString& folderKey, qint64 slots) const
    {
        const qint64 missing = slots - freeSlots(folderKey);
        if (missing <= 0 || (folderKey.isEmpty() && m_volume.fatBits() != 32))
            return 0;
        return clustersOf(missing * SlotBytes);
    }

    void takeSlots(const QString& folderKey, qint64 slots)
    {
        const qint64 free = freeSlots(folderKey);
        const qint64 grown
            = free >= slots ? 0 : clustersOf((slots - free) * SlotBytes) * m_cluster / SlotBytes;
        m_freeSlots[folderKey] = free + grown - slots;
    }

    const FatVolume& m_volume;
    qint64 m_cluster;
    qint64 m_free;
    QHash<QString, qint64> m_sizes; // a target's size after the groups so far, by path
    QHash<QString, qint64> m_freeSlots; // by folder, once a group changed it
};

bool holdsName(const QList<PlannedFile>& group, const QString& name)
{
    for (const PlannedFile& file : group)
        if (file.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QList<QList<int>> planReplacementGroups(const FatVolume& volume, const QList<PlannedFile>& files)
{
    RoomSimulation room(volume);
    QList<QList<int>> groups;
    for (int next = 0; next < files.size();) {
        QList<PlannedFile> group { files[next] };
        if (room.peak(group) > room.freeClusters())
            throw RoomShortage { (room.peak(group) - room.freeClusters()) * volume.clusterBytes() };
        QList<int> indexes { next++ };
        for (; next < files.size() && !holdsName(group, files[next].name); ++next) {
            group.append(files[next]);
            if (room.peak(group) > room.freeClusters()) {
                group.removeLast();
                break;
            }
            indexes.append(next);
        }
        room.write(group);
        groups.append(indexes);
    }
    return groups;
}

} // namespace diskimage
