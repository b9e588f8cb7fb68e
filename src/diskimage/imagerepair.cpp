#include "imagerepair.h"

#include "imagedrives.h"
#include "platform/machine.h"

namespace diskimage
{

using namespace platform;

namespace
{

constexpr int MaxFolderDepth = 32;

void collectTemporaries(
    const FatVolume& volume, const QStringList& folder, int depth, QList<QStringList>& found)
{
    if (depth > MaxFolderDepth)
        return;
    for (const FatEntry& entry : volume.listFolder(folder).value_or(QList<FatEntry>())) {
        const QStringList path = folder + QStringList(entry.name);
        if (ImageDrive::isOurTemporary(entry.name))
            found.append(path); // a file, or a staging folder with what it held
        else if (entry.isFolder())
            collectTemporaries(volume, path, depth + 1, found);
    }
}

} // namespace

RepairReport repairImage(ImageDrive& drive, bool checkOnly)
{
    if (!checkOnly)
        drive.checkWritable(false);
    drive.volume();
    const PartitionSpan partition { drive.imagePath(), drive.rawPath(), drive.partitionOffset(),
        drive.partitionSize() };
    RepairReport report = checkPartition(partition, !checkOnly);
    if (checkOnly)
        return report;
    QList<QStringList> leftovers;
    collectTemporaries(drive.volume(), {}, 0, leftovers);
    for (const QStringList& leftover : leftovers) {
        const std::optional<FatEntry> entry = drive.find(leftover);
        const bool folder = entry && entry->isFolder();
        drive.change(folder ? QStringLiteral("mdeltree") : QStringLiteral("mdel"),
            { Mtools::volumePath(leftover) }, false);
    }
    report.wasClean = report.wasClean && leftovers.isEmpty();
    return report;
}

QList<DriveRepair> repairMachineImages()
{
    QList<DriveRepair> repairs;
    for (const DriveMapping& drive : currentMachine().drives())
        if (!drive.imagePath.isEmpty())
            repairs.append({ drive.letter, drive.imagePath,
                repairImage(openImageDrive(drive.imagePath, drive.partition), false) });
    return repairs;
}

} // namespace diskimage
