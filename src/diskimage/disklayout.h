#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <stdexcept>

// Where the FAT volumes of a disk image lie: a bare volume, or the partitions of an MBR (primary
// ones, then the logical ones of the extended partition's chain), inside a raw image or a fixed VHD
// (a raw image followed by a 512-byte footer).
namespace diskimage
{

// An image whose layout cannot be trusted; never written to.
class DamagedImageError : public std::runtime_error
{
public:
    explicit DamagedImageError(const QString& reason);
    QString reason() const { return QString::fromStdString(what()); }
};

struct DiskPartition {
    int number = 0; // 1-4 primary, 5 and up logical, 0 for a bare volume
    quint8 type = 0;
    qint64 offset = 0; // bytes from the start of the image file
    qint64 size = 0;
};

struct DiskLayout {
    qint64 dataBytes = 0; // the image without a VHD footer
    bool fixedVhd = false;
    QList<DiskPartition> partitions; // FAT ones only, in Linux numbering order
};

// Reads `size` bytes at `offset` of the image; fewer only at its end.
using ImageReader = std::function<QByteArray(qint64 offset, qint64 size)>;

// The image formats that need qemu-storage-daemon to be seen as raw bytes.
enum class ImageFormat { Raw, FixedVhd, Qcow2, Vdi, Vmdk, DynamicVhd };
ImageFormat detectImageFormat(const ImageReader& read, qint64 fileBytes);

// Reads the layout; throws DamagedImageError for an MBR pointing outside the image, a chain of
// logical partitions that loops, or more than MaxLogicalPartitions of them.
DiskLayout readDiskLayout(const ImageReader& read, qint64 fileBytes);
constexpr int MaxLogicalPartitions = 64;

// The partition asked for (0: the first FAT one), or DamagedImageError naming what is missing.
DiskPartition choosePartition(const DiskLayout& layout, int number);

bool isFatPartitionType(quint8 type);

} // namespace diskimage
