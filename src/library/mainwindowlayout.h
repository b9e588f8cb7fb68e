#pragma once

#include <QRect>
#include <QSize>
#include <array>

// Where the main window's controls go in a client area of a given size. The 1998 design is the
// smallest layout; a larger area widens the labels' row, gives the list the room left over and
// grows the previews in the screens' 4:3 shape (never below their designed size).
struct MainWindowLayout {
    QRect numLogo, defaultLogo, logoType, list;
    std::array<QRect, 3> previews, captions;
};

// The designed client area, in pixels at 96 dots per inch: the window's smallest size.
QSize mainWindowDesignSize();
MainWindowLayout mainWindowLayout(QSize area);
