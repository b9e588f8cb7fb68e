#pragma once

// One command's changes to disk images (an installation replaces three screens) are flushed
// together when it ends, not after each change. Without an open command every change is flushed at
// once. Commands nest; the outermost one flushes.
namespace diskimage
{

class ImageCommand
{
public:
    ImageCommand();
    // Flushes what finish() did not, without throwing: the command is ending by an exception.
    ~ImageCommand();
    ImageCommand(const ImageCommand&) = delete;
    ImageCommand& operator=(const ImageCommand&) = delete;

    // Flushes every image the command changed; FileError when one could not be flushed.
    void finish();

private:
    bool m_finished = false;
};

} // namespace diskimage
