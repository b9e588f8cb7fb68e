#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// Screens whose palette turns, made by the tests.
namespace fixtures
{

// 256 distinct colours, so every rotation of the palette shows.
QList<QRgb> numberedPalette();

// An 8-bit screen file: a picture of checks in the entries below `first`, and a band along the
// bottom tenth running through the entries first..255 from left to right. With `first` 0 the
// band uses the top 20 entries and the file says it stands still.
QByteArray animatedScreen(int width, int height, int first, const QList<QRgb>& colours = numberedPalette());

} // namespace fixtures
