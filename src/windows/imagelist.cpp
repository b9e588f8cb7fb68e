#include "imagelist.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace
{

constexpr int Size = 16;

void drawScreen(QPainter& p, const QRect& r, const QColor& face)
{
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRect(r.adjusted(2, 2, -1, -1));
}

void drawFolder(QPainter& p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(245, 200, 80));
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
}

void drawSingleLogo(QPainter& p)
{
    drawScreen(p, QRect(1, 1, 13, 10), QColor(30, 90, 200));
    p.fillRect(6, 12, 4, 2, QColor(90, 90, 90));
    p.fillRect(4, 14, 8, 1, QColor(60, 60, 60));
}

void drawMultiLogo(QPainter& p)
{
    drawScreen(p, QRect(5, 0, 10, 7), QColor(200, 60, 40));
    drawScreen(p, QRect(3, 4, 10, 7), QColor(40, 150, 60));
    drawScreen(p, QRect(0, 8, 10, 7), QColor(30, 90, 200));
}

void drawImage(QPainter& p)
{
    drawScreen(p, QRect(1, 2, 13, 11), QColor(120, 190, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 140, 50));
    p.drawPolygon(QPolygon({ QPoint(3, 13), QPoint(7, 7), QPoint(11, 13) }));
    p.setBrush(QColor(250, 220, 40));
    p.drawEllipse(QPoint(11, 6), 2, 2);
}

void drawUp(QPainter& p)
{
    drawFolder(p);
    p.setPen(QPen(QColor(20, 60, 160), 2));
    p.drawLine(8, 12, 8, 6);
    p.drawLine(5, 9, 8, 6);
    p.drawLine(11, 9, 8, 6);
}

void drawSys(QPainter& p)
{
    drawScreen(p, QRect(1, 1, 13, 13), QColor(0, 0, 128));
    QFont font = p.font();
    font.setPixelSize(6);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(2, 3, 12, 10), Qt::AlignCenter, QStringLiteral("SYS"));
}

QIcon draw(const QString& key)
{
    static const QHash<QString, void (*)(QPainter&)> painters = {
        { QStringLiteral("image"), drawImage },
        { QStringLiteral("closed"), drawFolder },
        { QStringLiteral("up"), drawUp },
        { QStringLiteral("singlelogo"), drawSingleLogo },
        { QStringLiteral("multilogo"), drawMultiLogo },
        { QStringLiteral("sys"), drawSys },
    };
    const auto painter = painters.value(key);
    if (!painter)
        return {};
    // A second drawing with twice the pixels keeps the icons sharp on a desktop scaled to 200 %.
    QIcon icon;
    for (const qreal ratio : { 1.0, 2.0 }) {
        QPixmap pixmap(QSize(Size, Size) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, ratio > 1);
        painter(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon imageListIcon(const QString& key)
{
    static QHash<QString, QIcon> cache;
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.insert(key, draw(key));
    return *found;
}
