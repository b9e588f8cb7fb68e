#include "screendebris.h"

#include "diskimage/imagestaging.h"
#include "diskimage/littleendian.h"

#include <QtGlobal>

namespace
{

constexpr int BitmapHeaderBytes = 54;
constexpr qint32 ScreenWidth = 320, ScreenHeight = 400;

// Whole clusters holding a file of `fileBytes`: a chain no longer, no shorter.
bool fitsFile(const QByteArray& bytes, qint64 clusterBytes, qint64 fileBytes)
{
    return fileBytes > 0 && bytes.size() == diskimage::clusterRounded(fileBytes, clusterBytes);
}

bool isScreenBitmap(const QByteArray& bytes, qint64 clusterBytes)
{
    using diskimage::le16, diskimage::le32;
    if (bytes.size() < BitmapHeaderBytes || !bytes.startsWith("BM"))
        return false;
    return qint32(le32(bytes, 18)) == ScreenWidth && qAbs(qint64(qint32(le32(bytes, 22)))) == ScreenHeight
        && le16(bytes, 28) == 8 && fitsFile(bytes, clusterBytes, le32(bytes, 2));
}

} // namespace

bool isScreenDebris(const QByteArray& bytes, qint64 clusterBytes, const QList<ScreenContent>& pending)
{
    for (const ScreenContent& screen : pending)
        if (screen.data && fitsFile(bytes, clusterBytes, screen.data->size())
            && bytes.startsWith(*screen.data))
            return true;
    return isScreenBitmap(bytes, clusterBytes);
}

QList<diskimage::DriveRepair> repairImagesDroppingScreenDebris(const QList<ScreenContent>& pending)
{
    return diskimage::repairMachineImages([pending](const QByteArray& bytes, qint64 clusterBytes) {
        return isScreenDebris(bytes, clusterBytes, pending);
    });
}

QList<diskimage::DriveRepair> repairImagesDroppingScreenDebris()
{
    const std::optional<InstallIntent> pending = pendingInstallIntent();
    return repairImagesDroppingScreenDebris(pending ? pending->screens : QList<ScreenContent>());
}
