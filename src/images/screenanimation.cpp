#include "images/screenanimation.h"

#include "images/paletteanimation.h"
#include "images/picturereader.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace images
{

namespace
{

constexpr int InfoHeaderStart = 14;
constexpr int WindowsInfoHeaderSize = 40;
constexpr int BitCountOffset = 28;

} // namespace

int readFirstAnimatedIndex(const QString& fileName)
{
    QFile file(hostPathOrEmpty(fileName));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(FirstAnimatedOffset + 4);
    if (header.size() < FirstAnimatedOffset + 4 || !header.startsWith("BM"))
        return 0;
    // The OS/2 header is too short to have the field, and only a palette of 256 can rotate.
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    if (qFromLittleEndian<quint32>(bytes + InfoHeaderStart) < WindowsInfoHeaderSize
        || qFromLittleEndian<quint16>(bytes + BitCountOffset) != 8)
        return 0;
    const quint32 first = qFromLittleEndian<quint32>(bytes + FirstAnimatedOffset);
    return isAnimatedStart(first) ? int(first) : 0;
}

IndexedScreen readIndexedScreen(const QString& fileName)
{
    const QString hostPath = hostPathOrEmpty(fileName);
    QImage picture = readPicture(hostPath, PictureKind::Bmp).image;
    if (picture.format() != QImage::Format_Indexed8)
        return {};
    QList<QRgb> colours = picture.colorTable();
    colours.resize(PaletteEntries, qRgb(0, 0, 0));
    picture.setColorTable(colours);
    return { std::move(picture), readFirstAnimatedIndex(hostPath) };
}

bool shownStillAtBoot(const QString& fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'));
    const QString name = fileName.mid(slash + 1);
    return name.compare(QLatin1String("LOGOW.SYS"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("LOGOS.SYS"), Qt::CaseInsensitive) == 0;
}

QImage shownFrame(const IndexedScreen& screen, int step)
{
    QImage frame = screen.indices;
    frame.setColorTable(shownPalette(screen.indices.colorTable(), screen.firstAnimated, step));
    return frame.convertToFormat(QImage::Format_RGB32);
}

} // namespace images
