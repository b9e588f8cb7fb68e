#pragma once

#include <QLabel>
#include <QPalette>

// A label's text colour, which the browser also reads back as the picture's verdict.
inline void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

inline QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}
