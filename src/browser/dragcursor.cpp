#include "dragcursor.h"

#include <QPainter>

QPixmap dragCursorPixmap()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The picture being carried, below and right of the arrow's tip.
    p.setPen(QColor(30, 30, 30));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 14.5, 16, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 200));
    p.drawRect(QRectF(14, 16, 13, 7));
    p.setBrush(QColor(60, 150, 60));
    const QPointF hill[] = { { 14, 27 }, { 19, 21 }, { 23, 25 }, { 27, 22 }, { 27, 27 } };
    p.drawPolygon(hill, 5);
    // The arrow, hot spot at the top left corner.
    const QPointF arrow[] = { { 1, 1 }, { 1, 17 }, { 5, 13 }, { 8, 20 }, { 11, 19 }, { 8, 12 }, { 13, 12 } };
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow, 7);
    return pixmap;
}

QCursor dragCursor()
{
    return QCursor(dragCursorPixmap(), 1, 1);
}
