#pragma once

#include "images/screenanimation.h"

#include <QByteArray>

namespace images
{

// The 320 x 400 screen is shown in a 400-line mode with doubled pixels, which the monitor
// stretches to 4:3: as seen, each pixel is 2 wide and 1.2 high, 640 x 480 in all.
constexpr int BootViewWidth = 640;
constexpr int BootViewHeight = 480;

// One full cycle of the screen as it looks at boot, as a GIF at 640 x 480 with a frame every
// 100 ms; a still screen gives a still GIF. Empty for an empty screen.
QByteArray bootPreviewGif(const IndexedScreen& screen);

} // namespace images
