#pragma once

// How many ImageCommands are open. While one is, image drives hold their changes back for the
// outermost command to flush.
namespace diskimage
{

int openImageCommands();
void enterImageCommand();
void leaveImageCommand();

} // namespace diskimage
