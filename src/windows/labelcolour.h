#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Sets the colour a label (or any widget) writes its text in.
inline void setTextColour(QWidget* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
