#include "imagecommand.h"

#include "imagedrives.h"

namespace diskimage
{

namespace
{

int openCommands = 0;

} // namespace

ImageCommand::ImageCommand()
{
    ++openCommands;
}

ImageCommand::~ImageCommand()
{
    if (m_finished)
        return;
    try {
        finish();
    } catch (...) {
        // The next command that writes finds the image unflushed and flushes it again.
    }
}

void ImageCommand::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    // Still open while flushing, so each drive writes what it held back and then syncs once.
    struct Close {
        ~Close() { --openCommands; }
    } close;
    if (openCommands == 1)
        flushChangedImageDrives();
}

bool imageCommandOpen()
{
    return openCommands > 0;
}

} // namespace diskimage
