#pragma once

#include <QImage>
#include <QString>

// The pictures of the sample logo sets, drawn by the program. Each is a 320 x 400 logo screen
// already reduced to 256 colours; it is drawn at the 640 x 480 the screen is shown at, so its
// shapes keep their proportions on a real boot.
enum class SampleTheme { Sunrise, Ocean, Starfield, Meadow, Plain };
enum class SampleScreen { Startup, Wait, Shutdown };

QImage drawSampleScreen(SampleTheme theme, SampleScreen screen);
