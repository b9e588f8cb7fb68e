// The JPG reader on arbitrary bytes, then a resize of whatever it decoded, or both in one.
#include "images/imgdll.h"
#include "images/jpegdecoder.h"
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = writeFuzzInput(data, size, ".jpg");
    const QSize declared = images::jpegHeaderSize(data, qint64(size));
    if (qint64(declared.width()) * declared.height() > MaxFuzzPixels)
        return 0;
    qint16 width = 0, height = 0;
    // Every third input goes the conversion's way, resampled while it is decoded (on two threads).
    if (size % 3 == 2) {
        ImgDLLReadResizedRGBFromFile(file, width, height, QSize(16, 20));
        return 0;
    }
    // Alternate full and reduced decodes so both paths of the reader are covered.
    const QSize needed = size % 2 ? QSize(16, 16) : QSize();
    const PixelBlock block = ImgDLLReadRGBFromJPG(file, width, height, needed);
    // Resampling a big block costs far more than decoding it under the sanitizers and reaches
    // nothing new; the reader is what is searched here.
    if (block && qint64(block.width()) * block.height() <= MaxFuzzResamplePixels)
        ImgDLLResizeRGB(block, width, height, 16, 20);
    return 0;
}
