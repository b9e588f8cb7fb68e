#include "commanddepth.h"

namespace diskimage
{

namespace
{

int depth = 0;

} // namespace

int openImageCommands()
{
    return depth;
}

void enterImageCommand()
{
    ++depth;
}

void leaveImageCommand()
{
    --depth;
}

} // namespace diskimage
