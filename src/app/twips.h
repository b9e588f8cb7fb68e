#pragma once

#include <QRect>

// Layouts are designed in twips; at 96 dots per inch 15 twips make a pixel.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
