#include "imagecommand.h"

#include "commanddepth.h"
#include "imagedrives.h"

namespace diskimage
{

ImageCommand::ImageCommand()
{
    enterImageCommand();
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
        ~Close() { leaveImageCommand(); }
    } close;
    if (openImageCommands() == 1)
        flushChangedImageDrives();
}

} // namespace diskimage
