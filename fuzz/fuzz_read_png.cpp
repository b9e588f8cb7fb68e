// The PNG reader, reached through the kind found from the content, on arbitrary bytes.
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzContentReader(data, size, ".png", "png");
}
