#pragma once

#include <QPixmap>
#include <QRect>

// The browser's picture of a computer monitor (grey case on a stand, black screen), drawn by the
// program; everything around the monitor is transparent. `scale` times its designed size, drawn
// with `devicePixelRatio` device pixels to a pixel so it stays sharp on a scaled desktop.
QPixmap monitorPicture(qreal scale = 1.0, qreal devicePixelRatio = 1.0);
// The picture's designed size.
QSize monitorPictureSize();
// Where the black screen lies inside the picture at its designed size, so the preview can sit
// exactly on it.
QRect monitorScreenRect();
