#include "frmsplash.h"

#include <QCoreApplication>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace
{

void drawBackground(QPainter& p, const QRect& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(8, 16, 64));
    sky.setColorAt(0.6, QColor(32, 64, 160));
    sky.setColorAt(1.0, QColor(240, 140, 60));
    p.fillRect(area, sky);
    QRadialGradient glow(QPointF(area.width() * 0.72, area.height() * 0.95), area.width() * 0.45);
    glow.setColorAt(0.0, QColor(255, 220, 120, 200));
    glow.setColorAt(1.0, QColor(255, 220, 120, 0));
    p.fillRect(area, glow);
}

// A monitor showing a small sunrise: the program puts pictures on the screen before Windows starts.
void drawMonitor(QPainter& p, const QRect& screen)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 200));
    p.drawRoundedRect(screen.adjusted(-14, -14, 14, 14), 10, 10);
    p.setBrush(QColor(150, 150, 140));
    p.drawRect(QRect(screen.center().x() - 25, screen.bottom() + 14, 50, 16));
    p.drawRoundedRect(QRect(screen.center().x() - 60, screen.bottom() + 28, 120, 10), 4, 4);
    QLinearGradient face(screen.topLeft(), screen.bottomLeft());
    face.setColorAt(0.0, QColor(20, 40, 120));
    face.setColorAt(1.0, QColor(250, 170, 70));
    p.fillRect(screen, face);
    p.setBrush(QColor(255, 240, 150));
    p.drawEllipse(QPoint(screen.center().x(), screen.bottom() - 10), 26, 26);
    p.fillRect(QRect(screen.left(), screen.bottom() - 10, screen.width(), 11), QColor(30, 60, 40));
}

void drawTitle(QPainter& p)
{
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(54);
    title.setBold(true);
    QPainterPath text;
    text.addText(QPointF(36, 120), title, QStringLiteral("Bootcanvas"));
    p.setPen(QPen(QColor(10, 10, 40), 3));
    p.setBrush(QColor(255, 230, 140));
    p.drawPath(text);
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(17);
    p.setFont(subtitle);
    p.setPen(QColor(230, 235, 255));
    p.drawText(
        QPoint(40, 156), QCoreApplication::translate("frmSplash", "Startup, wait and shutdown screens"));
    p.drawText(QPoint(40, 178), QCoreApplication::translate("frmSplash", "for Windows 95 and 98"));
}

} // namespace

QImage drawSplashPicture()
{
    QImage picture(580, 370, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p, picture.rect());
    drawMonitor(p, QRect(360, 70, 170, 130));
    drawTitle(p);
    p.end();
    // The picture has 256 colours, as a boot screen of the time would.
    return picture.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither)
        .convertToFormat(QImage::Format_RGB32);
}
