#include "images/pixelblock.h"

#include "images/imagelimits.h"

PixelBlock PixelBlock::fromImage(QImage image)
{
    if (image.isNull() || !images::sizeAllowed(image.width(), image.height()))
        return {};
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    if (image.isNull())
        return {};
    return PixelBlock(std::move(image));
}
