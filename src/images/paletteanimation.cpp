#include "images/paletteanimation.h"

namespace images
{

QList<QRgb> rotatedPalette(const QList<QRgb>& palette, int firstAnimated, int steps)
{
    QList<QRgb> result = palette.first(std::min<qsizetype>(palette.size(), PaletteEntries));
    while (result.size() < PaletteEntries)
        result.append(qRgb(0, 0, 0));
    const int period = animationPeriod(firstAnimated);
    if (period == 0)
        return result;
    // Negative steps turn the other way, so the step count may come straight from a frame counter.
    const int shift = ((steps % period) + period) % period;
    for (int i = 0; i < period; ++i)
        result[firstAnimated + i] = palette.value(firstAnimated + (i + shift) % period, qRgb(0, 0, 0));
    return result;
}

QRgb dacColour(QRgb colour)
{
    return qRgb(dacLevel(qRed(colour)), dacLevel(qGreen(colour)), dacLevel(qBlue(colour)));
}

QList<QRgb> shownPalette(const QList<QRgb>& palette, int firstAnimated, int step)
{
    QList<QRgb> shown = rotatedPalette(palette, firstAnimated, step);
    for (QRgb& colour : shown)
        colour = dacColour(colour);
    return shown;
}

} // namespace images
