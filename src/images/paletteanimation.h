#pragma once

#include <QList>
#include <QRgb>

namespace images
{

// Windows animates its startup screen by rotating the top of the palette: entries S..255 turn one
// step every 100 ms (seven frames of the 70 Hz text-mode timing). S is the screen's first animated
// index; 0 means the screen stands still.
constexpr int PaletteEntries = 256;
constexpr int AnimationStepMillis = 100;

// The values a screen file may hold for S: one entry alone cannot move, so 255 counts as still.
constexpr bool isAnimatedStart(qint64 firstAnimated)
{
    return firstAnimated >= 1 && firstAnimated <= PaletteEntries - 2;
}

// Steps until the palette is back where it started (0 for a still screen).
constexpr int animationPeriod(int firstAnimated)
{
    return isAnimatedStart(firstAnimated) ? PaletteEntries - firstAnimated : 0;
}

// The palette after `steps` steps: at each step entry i takes the colour entry i + 1 had and
// entry 255 the colour entry S had. Entries below S, and every entry of a still screen, keep
// their colours. A palette shorter than 256 entries is padded with black first.
QList<QRgb> rotatedPalette(const QList<QRgb>& palette, int firstAnimated, int steps);

// The colour as the VGA DAC shows it: six bits a channel, widened back to 0..255.
constexpr int dacLevel(int value)
{
    return (value >> 2) * 255 / 63;
}
QRgb dacColour(QRgb colour);

// The palette on screen at step `step`: rotated, then through the DAC.
QList<QRgb> shownPalette(const QList<QRgb>& palette, int firstAnimated, int step);

} // namespace images
