#pragma once

#include <QImage>
#include <QString>

namespace images
{

// Where a screen file keeps its first animated palette index: the info header's count of
// important colours, which Windows reads as the start of the rotating entries.
constexpr int FirstAnimatedOffset = 50;

// The first animated index of an 8-bit Windows bitmap file, or 0 when the file has none, is
// another kind of picture or cannot be read.
int readFirstAnimatedIndex(const QString& fileName);

// An 8-bit screen held as indices and palette, so that it can be shown at any step of its
// animation without decoding the file again.
struct IndexedScreen {
    QImage indices; // Format_Indexed8 with a colour table of 256 entries
    int firstAnimated = 0; // 0 for a still screen
    bool isNull() const { return indices.isNull(); }
};

// Reads an 8-bit BMP or ".SYS" file (a Windows or host path); empty for anything else.
IndexedScreen readIndexedScreen(const QString& fileName);

// Windows turns the palette of its startup screen only: a file named as the wait or shutdown
// screen ("LOGOW.SYS", "LOGOS.SYS", any case, in any folder) stands still whatever it holds.
bool shownStillAtBoot(const QString& fileName);

// The screen as it looks at `step`: its palette rotated and through the VGA DAC.
QImage shownFrame(const IndexedScreen& screen, int step);

} // namespace images
