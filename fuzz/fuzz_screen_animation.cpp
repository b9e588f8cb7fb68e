// The palette animation of a screen file read from arbitrary bytes: the header field, the indexed
// picture, the moving part a conversion keeps and a frame of the animation.
#include "images/animatedlayer.h"
#include "images/screenanimation.h"
#include "picturefuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = writeFuzzInput(data, size, ".SYS");
    images::readFirstAnimatedIndex(file);
    images::keptAnimation(file, 320, 400);
    const images::IndexedScreen screen = images::readIndexedScreen(file);
    if (!screen.isNull())
        images::shownFrame(screen, 7);
    return 0;
}
