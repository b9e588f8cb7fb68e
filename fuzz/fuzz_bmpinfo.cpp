// GetBmpInfo and the logo screen test on arbitrary bytes.
#include "images/grafica.h"
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = writeFuzzInput(data, size, ".SYS");
    qint32 width = 0, height = 0;
    qint16 bitCount = 0;
    GetBmpInfo(file, width, height, bitCount);
    isLogoScreen(file);
    return 0;
}
