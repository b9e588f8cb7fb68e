#include "resizingarea.h"

#include <QResizeEvent>

ResizingArea::ResizingArea(QSize designSize, QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(designSize);
    resize(designSize);
}

void ResizingArea::setPlacement(Placement placement)
{
    m_placement = std::move(placement);
    m_placement(size());
}

void ResizingArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_placement)
        m_placement(event->size());
}
