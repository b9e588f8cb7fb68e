#include "screeninstall.h"

#include "machinewriter.h"
#include "screendebris.h"
#include "screentargets.h"

#include "app/registrylayer.h"
#include "app/settings.h"
#include "diskimage/imagecommand.h"
#include "diskimage/imagedrive.h"
#include "diskimage/imagedrives.h"
#include "platform/drivebackend.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <map>

namespace
{

// A host file system with room for the new screens beside the old ones, or one message.
void checkHostRoom(const QString& hostFolder, qint64 bytes)
{
    const QStorageInfo storage(hostFolder);
    if (storage.isValid() && storage.bytesAvailable() < bytes)
        throw platform::FileError(platform::PathFileAccessError,
            QCoreApplication::translate("Installation",
                "The disk holding %1 is too full: %2 KB are needed, %3 KB are free. Nothing has "
                "been changed.")
                .arg(hostFolder)
                .arg((bytes + 1023) / 1024)
                .arg(storage.bytesAvailable() / 1024));
}

// Whether the screens fit together on each drive, before anything is written.
void checkRoom(const QList<ScreenContent>& screens)
{
    std::map<platform::DriveBackend*, QList<platform::PlannedWrite>> imageFiles;
    std::map<QString, std::pair<QString, qint64>> hostBytes; // a folder and the bytes, by file system
    for (const ScreenContent& screen : screens) {
        if (!screen.data)
            continue;
        if (const auto at = platform::driveLocationOf(screen.target)) {
            imageFiles[at->drive].append({ *at, screen.data->size() });
            continue;
        }
        const QString folder = QFileInfo(platform::hostPathFor(screen.target)).path();
        auto& [someFolder, bytes] = hostBytes[QStorageInfo(folder).rootPath()];
        someFolder = folder;
        bytes += screen.data->size();
    }
    for (const auto& [drive, files] : imageFiles)
        drive->checkRoomFor(files);
    for (const auto& [root, need] : hostBytes)
        checkHostRoom(need.first, need.second);
}

// What the targets hold now, to tell a failed write that changed nothing.
QList<std::optional<QByteArray>> currentContents(const QList<ScreenContent>& screens)
{
    QList<std::optional<QByteArray>> contents;
    for (const ScreenContent& screen : screens)
        contents.append(platform::fileExists(screen.target)
                ? std::optional(platform::readFile(screen.target, platform::MaxCopyThroughMemoryBytes))
                : std::nullopt);
    return contents;
}

void writeScreens(const QList<ScreenContent>& screens)
{
    diskimage::ImageCommand images;
    for (const ScreenContent& screen : screens) {
        clearScreenAttributes(screen.target);
        if (screen.data)
            platform::writeFileAtomically(screen.target, *screen.data);
        else if (platform::fileExists(screen.target))
            platform::Kill(screen.target);
    }
    images.finish();
    // Nested in a command of the caller's, the images are still flushed now: the set is named
    // only once its screens are on the disk.
    diskimage::flushChangedImageDrives();
}

void checkReadBack(const QList<ScreenContent>& screens)
{
    for (const ScreenContent& screen : screens) {
        const bool asWritten = screen.data ? platform::fileExists(screen.target)
                && platform::readFile(screen.target, screen.data->size()) == *screen.data
                                           : !platform::fileExists(screen.target);
        if (!asWritten)
            throw platform::FileError(platform::PathFileAccessError,
                QCoreApplication::translate("Installation",
                    "%1 did not read back as written; the next command finishes the installation")
                    .arg(screen.target));
    }
}

void carryOut(const InstallIntent& intent)
{
    writeScreens(intent.screens);
    checkReadBack(intent.screens);
    if (intent.setName)
        nameInstalledSet(*intent.setName);
    clearInstallIntent();
}

} // namespace

void nameInstalledSet(const QString& setName)
{
    settings().DefaultLogoSet = setName.isEmpty() ? DontKnow : setName;
    CreateRegKey(platform::HKEY_LOCAL_MACHINE, SettingsKey);
    WriteRegValue(platform::HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"), setName,
        platform::REG_SZ);
}

void installScreens(const QList<ScreenContent>& screens, const std::optional<QString>& setName)
{
    const MachineWriter writer;
    for (const ScreenContent& screen : screens)
        platform::checkWritable(screen.target);
    checkRoom(screens);
    const QList<std::optional<QByteArray>> before = currentContents(screens);
    const InstallIntent intent { setName, screens };
    recordInstallIntent(intent);
    try {
        carryOut(intent);
    } catch (const std::exception&) {
        // Host files are replaced whole, so unchanged targets there mean nothing happened and the
        // next command has nothing to finish. An image may hold our leftovers even then.
        bool unchanged = false;
        try {
            unchanged = std::none_of(screens.begin(), screens.end(), [](const ScreenContent& screen) {
                return platform::isOnImageDrive(screen.target);
            }) && currentContents(screens) == before;
        } catch (const std::exception&) {
        }
        if (unchanged)
            clearInstallIntent();
        throw;
    }
}

std::optional<QString> finishInterruptedInstall()
{
    const MachineWriter writer;
    const std::optional<InstallIntent> intent = pendingInstallIntent();
    if (!intent)
        return std::nullopt;
    try {
        carryOut(*intent);
    } catch (const diskimage::UncleanImageError&) {
        // The cut left our own temporaries or lost chains behind: the image is repaired first.
        repairImagesDroppingScreenDebris(intent->screens);
        carryOut(*intent);
    }
    return intent->setName.value_or(QString());
}
