#include "imagerepair.h"

#include "imagedrives.h"
#include "platform/machine.h"

#include <QRegularExpression>

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

// Files fsck.fat recovered from lost chains, in the root, that hold only data of ours.
QList<QStringList> ownRecoveredFiles(ImageDrive& drive, const OwnDataTest& ours)
{
    static const QRegularExpression recovered(
        QStringLiteral("^FSCK[0-9]{4}\\.REC$"), QRegularExpression::CaseInsensitiveOption);
    QList<QStringList> found;
    if (!ours)
        return found;
    const qint64 cluster = drive.volume().clusterBytes();
    for (const FatEntry& entry : drive.volume().listFolder({}).value_or(QList<FatEntry>()))
        if (!entry.isFolder() && recovered.match(entry.name).hasMatch()
            && entry.size <= ImageDrive::MaxOwnChainBytes && ours(drive.read(entry, entry.size), cluster))
            found.append({ entry.name });
    return found;
}

} // namespace

RepairReport repairImage(ImageDrive& drive, bool checkOnly, const OwnDataTest& ours)
{
    if (!checkOnly)
        drive.checkWritable(false);
    drive.volume();
    const PartitionSpan partition { drive.imagePath(), drive.rawPath(), drive.partitionOffset(),
        drive.partitionSize() };
    const int freedChains = checkOnly ? 0 : drive.freeLostChains(ours);
    RepairReport report = checkPartition(partition, !checkOnly);
    if (checkOnly)
        return report;
    QList<QStringList> leftovers = ownRecoveredFiles(drive, ours);
    collectTemporaries(drive.volume(), {}, 0, leftovers);
    for (const QStringList& leftover : leftovers) {
        const std::optional<FatEntry> entry = drive.find(leftover);
        const bool folder = entry && entry->isFolder();
        drive.change(folder ? QStringLiteral("mdeltree") : QStringLiteral("mdel"),
            { Mtools::volumePath(leftover) }, false);
    }
    report.wasClean = report.wasClean && leftovers.isEmpty() && freedChains == 0;
    return report;
}

QList<DriveRepair> repairMachineImages(const OwnDataTest& ours)
{
    QList<DriveRepair> repairs;
    for (const DriveMapping& drive : currentMachine().drives())
        if (!drive.imagePath.isEmpty())
            repairs.append({ drive.letter, drive.imagePath,
                repairImage(openImageDrive(drive.imagePath, drive.partition), false, ours) });
    return repairs;
}

} // namespace diskimage
