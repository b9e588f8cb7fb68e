#pragma once

#include <QCursor>
#include <QPixmap>

// The "DRAG" cursor shown while a picture is dragged onto a slot: an arrow carrying a small
// picture, drawn by the program.
QPixmap dragCursorPixmap();
QCursor dragCursor();
