#include "appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace
{

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 200));
    p.drawRoundedRect(QRectF(4, 6, 56, 42), 4, 4);
    QLinearGradient face(0, 11, 0, 43);
    face.setColorAt(0, QColor(20, 40, 120));
    face.setColorAt(1, QColor(250, 154, 70));
    p.fillRect(QRectF(9, 11, 46, 32), face);
    p.setBrush(QColor(255, 240, 150));
    p.drawEllipse(QPointF(32, 40), 9, 9);
    p.fillRect(QRectF(9, 40, 46, 3), QColor(30, 60, 40));
    p.fillRect(QRectF(26, 48, 12, 6), QColor(150, 150, 144));
    p.setBrush(QColor(150, 150, 144));
    p.drawRoundedRect(QRectF(18, 54, 28, 4), 2, 2);
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128 })
        icon.addPixmap(drawIcon(size));
    return icon;
}
