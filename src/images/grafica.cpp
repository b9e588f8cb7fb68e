#include "images/grafica.h"

#include "images/animatedlayer.h"
#include "images/bmprows.h"
#include "images/imgdll.h"
#include "images/picturereader.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <array>

namespace
{

constexpr int LogoWidth = 320;
constexpr int LogoHeight = 400;
constexpr int LogoColours = 256;

using images::upperExtension;

images::PictureKind kindOf(const QString& fileName)
{
    return images::kindOfHostFile(images::hostPathOrEmpty(fileName));
}

// Draws a block over the whole box through the imaging entries and makes it the box's picture.
void drawBlockOnBox(const PixelBlock& block, qint32 width, qint32 height, PictureSurface& box)
{
    QImage canvas(box.scaleWidth(), box.scaleHeight(), QImage::Format_RGB32);
    if (canvas.isNull())
        return;
    canvas.fill(Qt::black);
    QPainter dc(&canvas);
    ImgDLLDrawRGB(dc, block, width, height, 0, 0, box.scaleWidth(), box.scaleHeight(), 0);
    dc.end();
    box.setPicture(canvas);
}

// BMP and ".SYS" files are stretched straight from the decoded bitmap in one step.
void drawBitmap(const QString& fileName, PictureSurface& box)
{
    if (box.scaleWidth() <= 0 || box.scaleHeight() <= 0) {
        box.clearPicture();
        return;
    }
    const QString hostPath = images::hostPathOrEmpty(fileName);
    // Twice the box's rows are plenty for a smooth preview; a big bitmap is not read in full.
    QImage bitmap = images::readBmpRows(hostPath, 2 * box.scaleHeight());
    if (bitmap.isNull())
        bitmap = images::readPicture(hostPath, images::PictureKind::Bmp).image;
    if (bitmap.isNull()) {
        box.clearPicture();
        return;
    }
    box.setPicture(
        bitmap.scaled(box.scaleWidth(), box.scaleHeight(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32));
}

// Reads a little-endian field of a header into `into`; a header too short for it leaves it alone.
template <typename Field, typename Target>
void readHeaderField(const QByteArray& header, int offset, Target& into)
{
    if (header.size() >= offset + int(sizeof(Field)))
        into = qFromLittleEndian<Field>(header.constData() + offset);
}

} // namespace

void GetBmpInfo(const QString& fileName, qint32& width, qint32& height, qint16& bitCount)
{
    width = 0;
    height = 0;
    QFile file(images::hostPathOrEmpty(fileName));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray header = file.read(30);
    quint32 infoHeaderSize = 0;
    readHeaderField<quint32>(header, 14, infoHeaderSize);
    // The OS/2 core header (12 bytes) keeps 16-bit sizes and the bit count where the Windows
    // header keeps other fields.
    if (infoHeaderSize == 12) {
        readHeaderField<quint16>(header, 18, width);
        readHeaderField<quint16>(header, 20, height);
        readHeaderField<qint16>(header, 24, bitCount);
        return;
    }
    readHeaderField<qint32>(header, 18, width);
    readHeaderField<qint32>(header, 22, height);
    readHeaderField<qint16>(header, 28, bitCount);
}

bool ConvertToLogo(const QString& sourceFile, const QString& destinationFile, const LogoOptions& options)
{
    qint16 width = 0, height = 0;
    const PixelBlock resized
        = ImgDLLReadResizedRGBFromFile(sourceFile, width, height, QSize(LogoWidth, LogoHeight));
    if (!resized)
        return false;

    // The picture gets the entries below the animated ones; the moving part is laid over it.
    const images::AnimatedLayer animation = options.animatedBarColours > 0
        ? images::animatedBar(LogoWidth, LogoHeight, options.animatedBarColours)
        : kindOf(sourceFile) == images::PictureKind::Bmp
        ? images::keptAnimation(sourceFile, LogoWidth, LogoHeight)
        : images::AnimatedLayer();
    if (options.animatedBarColours > 0 && animation.isEmpty())
        return false;
    std::array<quint8, LogoColours * 4> palette {};
    for (int i = 0; i < LogoColours; ++i)
        palette[size_t(i) * 4] = quint8(i);
    std::vector<quint8> indices(size_t(LogoWidth) * LogoHeight, 0);
    const int pictureColours = animation.isEmpty() ? LogoColours : animation.firstAnimated;
    if (ImgDLLQuantizeRGBTo8Bit(resized, indices, LogoWidth, LogoHeight, pictureColours, palette) != 1)
        return false;
    animation.applyTo(indices, palette);
    return ImgDLLSaveColormappedToBMP(
        destinationFile, indices, LogoWidth, LogoHeight, 8, LogoColours, palette, animation.firstAnimated);
}

void DrawPreview(
    const QString& fileName, PictureSurface& box, qint32& width, qint32& height, qint16& bitCount)
{
    box.clearPicture();
    const images::PictureKind kind = kindOf(fileName);
    // Files of no known kind go the bitmap way too, which draws nothing for them.
    if (kind == images::PictureKind::Bmp || kind == images::PictureKind::Any) {
        GetBmpInfo(fileName, width, height, bitCount);
        drawBitmap(fileName, box);
        return;
    }
    bitCount = images::shownBitCount(images::hostPathOrEmpty(fileName), kind);
    qint16 fileWidth = 0, fileHeight = 0;
    const PixelBlock resized = ImgDLLReadResizedRGBFromFile(
        fileName, fileWidth, fileHeight, QSize(box.scaleWidth(), box.scaleHeight()));
    width = fileWidth;
    height = fileHeight;
    if (resized)
        drawBlockOnBox(resized, box.scaleWidth(), box.scaleHeight(), box);
}

void ShowFullPicture(const QString& fileName, PictureSurface& box)
{
    box.clearPicture();
    QImage picture = images::readPicture(images::hostPathOrEmpty(fileName), images::PictureKind::Any).image;
    if (picture.isNull())
        box.resizeTo(0, 0);
    else
        box.setPicture(picture);
}

bool isLogoScreen(const QString& fileName)
{
    const QString extension = upperExtension(fileName);
    if ((extension != QLatin1String(".BMP") && extension != QLatin1String(".SYS"))
        || kindOf(fileName) != images::PictureKind::Bmp)
        return false;
    qint32 width = 0, height = 0;
    qint16 bitCount = 0;
    GetBmpInfo(fileName, width, height, bitCount);
    return width == LogoWidth && height == LogoHeight && bitCount == 8;
}
