#include "selpictureform.h"

#include "monitorpicture.h"

#include "app/twips.h"
#include "windows/windowgeometry.h"

#include <QLabel>
#include <QListWidget>
#include <QResizeEvent>
#include <algorithm>

// The browser grows from its designed size: the folder list takes the new room, the monitor with
// the preview on it grows in its own shape at the top right, and the slots and the set controls
// keep their size along the bottom (those on the right move with the right edge).

namespace
{

constexpr QSize DesignSize(twips(7320), twips(5100));
constexpr int RightColumn = twips(4440); // the monitor's left edge and the set controls'
constexpr int BottomRow = twips(2880); // where the set type frame and the slots' row begin
const QPoint MonitorOrigin(twips(4440), twips(90));

// How much bigger the monitor is drawn: as much as both directions allow, never smaller.
qreal monitorScale(QSize size)
{
    return std::max(
        1.0, std::min(qreal(size.width()) / DesignSize.width(), qreal(size.height()) / DesignSize.height()));
}

QRect scaledAbout(const QRect& design, QPoint origin, QPoint newOrigin, qreal scale)
{
    const QPointF offset = QPointF(design.topLeft() - origin) * scale;
    return QRectF(newOrigin + offset, QSizeF(design.size()) * scale).toRect();
}

} // namespace

QSize SelPictureForm::designSize()
{
    return DesignSize;
}

void SelPictureForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOutControls(event->size());
}

void SelPictureForm::rememberDesignGeometry()
{
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        // Controls beyond the right edge are never shown and stay where they are.
        if (!control->isWindow() && control->x() < DesignSize.width())
            m_designGeometry.append({ control, control->geometry() });
}

void SelPictureForm::layOutControls(QSize size)
{
    if (m_designGeometry.isEmpty())
        return;
    const QSize room = size.expandedTo(DesignSize) - DesignSize;
    const qreal scale = monitorScale(size.expandedTo(DesignSize));
    const int monitorWidth = monitorPictureSize().width();
    // The monitor keeps its right margin; the list and the controls over it get what is left.
    const int listGrowth = room.width() - int((scale - 1) * monitorWidth);
    const QPoint monitorAt(MonitorOrigin.x() + listGrowth, MonitorOrigin.y());
    for (const auto& [control, design] : m_designGeometry) {
        QRect place = design;
        if (design.top() >= BottomRow)
            place.translate(design.left() >= RightColumn ? room.width() : 0, room.height());
        else if (design.left() >= RightColumn)
            place = scaledAbout(design, MonitorOrigin, monitorAt, scale);
        else if (control == LogoList)
            place.adjust(0, 0, listGrowth, room.height());
        else
            place.setWidth(design.width() + listGrowth);
        control->setGeometry(place);
    }
    if (m_monitorScale != scale) {
        m_monitorScale = scale;
        if (auto* monitor = findChild<QLabel*>(QStringLiteral("Image1"), Qt::FindDirectChildrenOnly))
            monitor->setPixmap(monitorPicture(scale, devicePixelRatio()));
    }
}

void SelPictureForm::restoreSize()
{
    restoreWindowGeometry(*this, QStringLiteral("browser"));
}

void SelPictureForm::saveSize() const
{
    saveWindowGeometry(*this, QStringLiteral("browser"));
}
