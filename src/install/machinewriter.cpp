#include "machinewriter.h"

#include "platform/fileerror.h"
#include "platform/machine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace
{

constexpr int WaitMillis = 10'000;
int heldWriters = 0; // in this process

QString lockPath()
{
    return platform::currentMachine().folder() + QStringLiteral("/writer.lock");
}

QString holderPath()
{
    return platform::currentMachine().folder() + QStringLiteral("/writer.pid");
}

QString holder()
{
    QFile pid(holderPath());
    const QString named
        = pid.open(QIODevice::ReadOnly) ? QString::fromUtf8(pid.read(64)).trimmed() : QString();
    return named.isEmpty() ? QCoreApplication::translate("Installation", "unknown process") : named;
}

} // namespace

MachineWriter::MachineWriter()
{
    if (heldWriters == 0) {
        lockMachine();
        lockImages();
    }
    ++heldWriters;
}

MachineWriter::~MachineWriter()
{
    --heldWriters;
}

void MachineWriter::lockMachine()
{
    m_lock = std::make_unique<platform::FileLock>(lockPath(), WaitMillis);
    if (!m_lock->isLocked())
        throw platform::FileError(platform::PermissionDenied,
            QCoreApplication::translate("Installation",
                "Another Bootcanvas command (%1) is changing the machine in %2; try again when it "
                "has finished.")
                .arg(holder(), platform::currentMachine().folder()));
    QFile pid(holderPath());
    if (pid.open(QIODevice::WriteOnly | QIODevice::Truncate))
        pid.write(QByteArray("process ") + QByteArray::number(QCoreApplication::applicationPid()));
}

// Two machines may point at one image: the image file itself is locked as well. Taken in one
// order everywhere, so two writers sharing two images cannot wait on each other.
void MachineWriter::lockImages()
{
    QStringList images;
    // A missing or unreadable image is left to the drive, which says what is wrong with it.
    for (const platform::DriveMapping& drive : platform::currentMachine().drives())
        if (!drive.imagePath.isEmpty() && QFileInfo(drive.imagePath).isReadable())
            images.append(QFileInfo(drive.imagePath).canonicalFilePath());
    images.sort();
    images.removeDuplicates();
    for (const QString& image : images) {
        m_imageLocks.push_back(std::make_unique<platform::FileLock>(
            image, WaitMillis, platform::FileLock::Target::ExistingFile));
        if (!m_imageLocks.back()->isLocked())
            throw platform::FileError(platform::PermissionDenied,
                QStringLiteral(
                    "Another Bootcanvas command is changing the disk image %1; try again when it has "
                    "finished.")
                    .arg(image));
    }
}
