#pragma once

#include "images/picturesurface.h"

#include <QString>

// Reads the width, height and bit count from a BMP file's header. Width and height are set to 0
// first; bitCount keeps the caller's value when it cannot be read. Never fails.
void GetBmpInfo(const QString& fileName, qint32& width, qint32& height, qint16& bitCount);

struct LogoOptions {
    // How many entries at the end of the palette rotate under a bar added across the bottom (2 to
    // 64). With 0 no bar is added, and a source screen that moves keeps its own animation.
    int animatedBarColours = 0;
};

// Turns a BMP, ".SYS", GIF, JPEG, PNG, WebP or TIFF picture (the kind found from its content) into a 320 x 400, 256-colour logo screen at
// destinationFile. Returns whether a logo screen was written (the destination is untouched when
// not).
bool ConvertToLogo(
    const QString& sourceFile, const QString& destinationFile, const LogoOptions& options = {});

// Draws the picture stretched over the whole of the box and reports its width, height and bit
// count (the header's for a BMP, images::shownBitCount's for the other kinds).
void DrawPreview(
    const QString& fileName, PictureSurface& box, qint32& width, qint32& height, qint16& bitCount);

// Shows the picture at its natural size in the box.
void ShowFullPicture(const QString& fileName, PictureSurface& box);

// Whether the file can be used as a screen as it is: a ".BMP" or ".SYS" file of 320 x 400 pixels
// at 8 bits.
bool isLogoScreen(const QString& fileName);
