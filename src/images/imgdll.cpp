#include "images/imgdll.h"

#include "images/bmpencoder.h"
#include "images/colourquantizer.h"
#include "images/imagelimits.h"
#include "images/picturereader.h"
#include "images/resampler.h"
#include "platform/fileerror.h"
#include "platform/files.h"

#include <QImageReader>
#include <QPainter>

namespace
{

PixelBlock blockOf(images::DecodedPicture picture, qint16& width, qint16& height)
{
    width = 0;
    height = 0;
    PixelBlock block = PixelBlock::fromImage(std::move(picture.image));
    if (block.isNull())
        return {};
    block.setScale(picture.scale);
    width = qint16(picture.fileSize.width());
    height = qint16(picture.fileSize.height());
    return block;
}

PixelBlock readBlock(
    const QString& fileName, images::PictureKind kind, qint16& width, qint16& height, QSize needed)
{
    return blockOf(images::readPicture(images::hostPathOrEmpty(fileName), kind, needed), width, height);
}

} // namespace

qint32 ImgDLLStringInitDLL(const QString&)
{
    QImageReader::setAllocationLimit(images::MaxBlockMiB);
    return 1;
}

PixelBlock ImgDLLReadRGBFromBMP(const QString& fileName, qint16& width, qint16& height, QSize neededSize)
{
    return readBlock(fileName, images::PictureKind::Bmp, width, height, neededSize);
}

PixelBlock ImgDLLReadRGBFromGIF(const QString& fileName, qint16& width, qint16& height, QSize neededSize)
{
    return readBlock(fileName, images::PictureKind::Gif, width, height, neededSize);
}

PixelBlock ImgDLLReadRGBFromJPG(const QString& fileName, qint16& width, qint16& height, QSize neededSize)
{
    return readBlock(fileName, images::PictureKind::Jpeg, width, height, neededSize);
}

PixelBlock ImgDLLReadRGBFromFile(const QString& fileName, qint16& width, qint16& height, QSize neededSize)
{
    return readBlock(fileName, images::PictureKind::Any, width, height, neededSize);
}

PixelBlock ImgDLLReadResizedRGBFromFile(const QString& fileName, qint16& width, qint16& height, QSize newSize)
{
    // No picture to make, but the caller still learns the picture's size, as from the two steps.
    if (newSize.isEmpty()) {
        ImgDLLReadRGBFromFile(fileName, width, height, newSize);
        return {};
    }
    return blockOf(
        images::readPictureResampled(images::hostPathOrEmpty(fileName), images::PictureKind::Any, newSize),
        width, height);
}

PixelBlock ImgDLLResizeRGB(
    const PixelBlock& block, qint32 width, qint32 height, qint32 newWidth, qint32 newHeight)
{
    if (block.isNull() || width <= 0 || height <= 0)
        return {};
    // A reduced block spans the picture's size times its scale, which can end inside its last pixel.
    const QSizeF extent = block.scale() < 1.0 ? QSizeF(width, height) * block.scale() : QSizeF();
    return PixelBlock::fromImage(images::resampleLanczos(block.image(), newWidth, newHeight, extent));
}

qint32 ImgDLLQuantizeRGBTo8Bit(const PixelBlock& block, std::span<quint8> indexBuffer, qint32 width,
    qint32 height, qint32 colours, std::span<quint8> paletteBuffer)
{
    if (block.isNull() || block.width() != width || block.height() != height
        || paletteBuffer.size() < 256 * 4)
        return 0;
    QList<QRgb> palette;
    if (!images::quantizeColours(block.image(), colours, indexBuffer, palette))
        return 0;
    std::fill(paletteBuffer.begin(), paletteBuffer.begin() + 256 * 4, quint8(0));
    for (int i = 0; i < palette.size(); ++i) {
        paletteBuffer[size_t(i) * 4] = quint8(qBlue(palette[i]));
        paletteBuffer[size_t(i) * 4 + 1] = quint8(qGreen(palette[i]));
        paletteBuffer[size_t(i) * 4 + 2] = quint8(qRed(palette[i]));
    }
    return 1;
}

bool ImgDLLSaveColormappedToBMP(const QString& fileName, std::span<const quint8> indexBuffer, qint32 width,
    qint32 height, qint32 bitsPerPixel, qint32 colours, std::span<const quint8> paletteBuffer,
    qint32 firstAnimated)
{
    if (bitsPerPixel != 8)
        return false;
    const QByteArray bmp
        = images::encodeBmp8(indexBuffer, width, height, paletteBuffer, colours, firstAnimated);
    if (bmp.isEmpty())
        return false;
    const QString hostPath = images::hostPathOrEmpty(fileName);
    if (hostPath.isEmpty())
        return false;
    try {
        platform::writeHostFileAtomically(hostPath, bmp);
    } catch (const platform::FileError&) {
        return false;
    }
    return true;
}

void ImgDLLDrawRGB(QPainter& dc, const PixelBlock& block, qint32 blockWidth, qint32 blockHeight, qint32 x,
    qint32 y, qint32 width, qint32 height, qint32)
{
    if (block.isNull() || blockWidth <= 0 || blockHeight <= 0 || width <= 0 || height <= 0)
        return;
    const QRect target(x, y, width, height);
    if (block.width() == width && block.height() == height) {
        dc.drawImage(target.topLeft(), block.image());
        return;
    }
    dc.setRenderHint(QPainter::SmoothPixmapTransform);
    dc.drawImage(target, block.image());
}
