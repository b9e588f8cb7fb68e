// The JPG reader on arbitrary bytes, then a resize of whatever it decoded.
#include "images/imgdll.h"
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = writeFuzzInput(data, size, ".jpg");
    qint16 width = 0, height = 0;
    // Alternate full and reduced decodes so both paths of the reader are covered.
    const QSize needed = size % 2 ? QSize(16, 16) : QSize();
    const PixelBlock block = ImgDLLReadRGBFromJPG(file, width, height, needed);
    // Resampling cost grows with the picture and finds nothing new in big ones; the reader is
    // what is under test there.
    if (block && qint64(block.width()) * block.height() <= 4'000'000)
        ImgDLLResizeRGB(block, width, height, 16, 20);
    return 0;
}
