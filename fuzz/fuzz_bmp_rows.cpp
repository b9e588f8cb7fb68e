// The preview's partial bitmap reader on arbitrary bytes.
#include "images/bmprows.h"
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = writeFuzzInput(data, size, ".bmp");
    // Few rows and many: both the picked rows and the refusal of short pictures are reached.
    images::readBmpRows(file, size % 2 ? 3 : 200);
    return 0;
}
