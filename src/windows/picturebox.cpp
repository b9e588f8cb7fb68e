#include "windows/picturebox.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

int PictureBox::scaleWidth() const
{
    return contentsRect().width();
}

int PictureBox::scaleHeight() const
{
    return contentsRect().height();
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !picture.isNull())
        resizeTo(picture.width(), picture.height());
    update();
    Q_EMIT contentChanged();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    update();
    Q_EMIT contentChanged();
}

void PictureBox::showFrame(const QImage& frame)
{
    m_picture = frame;
    update();
}

void PictureBox::setTag(const QString& tag)
{
    if (tag == m_tag)
        return;
    m_tag = tag;
    Q_EMIT contentChanged();
}

void PictureBox::resizeTo(int width, int height)
{
    const QMargins margins = contentsMargins();
    resize(std::max(width, 0) + margins.left() + margins.right(),
        std::max(height, 0) + margins.top() + margins.bottom());
}

void PictureBox::setBorder(bool border)
{
    if (border == m_border)
        return;
    // The inner area keeps its size; the border is added around it.
    const QSize inner(scaleWidth(), scaleHeight());
    m_border = border;
    const int margin = border ? BorderWidth : 0;
    setContentsMargins(margin, margin, margin, margin);
    resizeTo(inner.width(), inner.height());
    update();
}

QSize PictureBox::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const QSize inner = m_picture.isNull() ? QSize(100, 100) : m_picture.size();
    return inner + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        const QRect inner = contentsRect();
        if (inner.size() != m_picture.size())
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(inner, m_picture);
    }
    if (m_border)
        qDrawWinPanel(&painter, rect(), palette(), true);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    Q_EMIT mousePressed(event->button(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()))
            Q_EMIT clicked();
    }
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
