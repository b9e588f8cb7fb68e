#include "monitorpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace
{

constexpr int Width = 184;
constexpr int Height = 169;

void drawCase(QPainter& p)
{
    QLinearGradient face(0, 0, 0, 140);
    face.setColorAt(0, QColor(214, 214, 210));
    face.setColorAt(1, QColor(168, 168, 164));
    p.setPen(QColor(90, 90, 90));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2.5, 2.5, Width - 5, 139), 6, 6);
    // A sunken bezel around the screen.
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(140, 140, 138));
    p.drawRect(monitorScreenRect().adjusted(-3, -3, 2, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 60));
    p.drawEllipse(QPointF(Width - 14, 134), 2, 2);
}

void drawStand(QPainter& p)
{
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(176, 176, 172));
    const QPointF neck[] = { { 76, 142 }, { 108, 142 }, { 114, 156 }, { 70, 156 } };
    p.drawPolygon(neck, 4);
    p.drawRoundedRect(QRectF(44.5, 155.5, 95, 11), 4, 4);
}

} // namespace

QRect monitorScreenRect()
{
    return QRect(14, 14, 154, 114);
}

QSize monitorPictureSize()
{
    return QSize(Width, Height);
}

QPixmap monitorPicture(qreal scale, qreal devicePixelRatio)
{
    const qreal pixels = scale * devicePixelRatio;
    QPixmap pixmap(qCeil(Width * pixels), qCeil(Height * pixels));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    drawCase(p);
    drawStand(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(monitorScreenRect(), Qt::black);
    return pixmap;
}
