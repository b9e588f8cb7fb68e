#pragma once

#include <QString>
#include <QTemporaryDir>
#include <sys/types.h>

// qcow2, VDI, VMDK and dynamic VHD images seen as raw bytes: qemu-storage-daemon exports the image
// over FUSE, without root, as a file the image drive reads and mtools writes. The daemon takes
// QEMU's image locks, so a running QEMU and the export keep each other out.
namespace diskimage
{

// Whether the image is in a format only qemu-storage-daemon can turn into raw bytes.
bool needsExport(const QString& imagePath);

class ImageExport
{
public:
    // Starts the export and waits until it is ready; FileError with a clear message when the
    // daemon is missing, FUSE cannot be used or the image is locked.
    explicit ImageExport(const QString& imagePath);
    ~ImageExport();
    ImageExport(const ImageExport&) = delete;
    ImageExport& operator=(const ImageExport&) = delete;

    QString rawPath() const { return m_rawPath; }

private:
    void stop();

    QTemporaryDir m_folder;
    QString m_rawPath;
    pid_t m_daemon = -1;
};

} // namespace diskimage
