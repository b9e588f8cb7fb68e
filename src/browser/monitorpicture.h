#pragma once

#include <QPixmap>
#include <QRect>

// The browser's picture of a computer monitor (grey case on a stand, black screen), drawn by the
// program; everything around the monitor is transparent.
QPixmap monitorPicture();
// Where the black screen lies inside the picture, so the preview can sit exactly on it.
QRect monitorScreenRect();
