#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <span>

namespace images
{

// An 8-bit Windows BMP as Windows itself writes one: 14-byte file header, 40-byte info header,
// a palette of 256 four-byte entries (blue, green, red, 0; entries past `colours` are black),
// rows bottom-up, each padded to 4 bytes. `palette` holds `colours` entries in that same layout.
// `firstAnimated` goes into the count of important colours, where Windows looks for the first
// entry of its palette animation (0: none). Empty when the arguments do not describe such a picture.
QByteArray encodeBmp8(std::span<const quint8> indices, int width, int height, std::span<const quint8> palette,
    int colours, int firstAnimated = 0);

} // namespace images
