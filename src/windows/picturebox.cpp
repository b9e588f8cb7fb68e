#include "windows/picturebox.h"

#include <QKeyEvent>
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
    if (hasFocus()) {
        // Drawn by the box itself: styles show their focus rectangle only after some keyboard use.
        painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(contentsRect()).adjusted(1, 1, -1, -1));
    }
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

void PictureBox::setKeyboardActions(bool on)
{
    m_keyboardActions = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::activate()
{
    if (m_keyboardActions)
        Q_EMIT activated();
}

void PictureBox::requestMenu()
{
    if (m_keyboardActions)
        Q_EMIT menuRequested(mapToGlobal(rect().center()));
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!m_keyboardActions || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
    } else if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        activate();
    } else if ((plain && key == Qt::Key_Menu)
        || (event->modifiers() == Qt::ShiftModifier && key == Qt::Key_F10)) {
        // Not every platform turns these keys into a context-menu event.
        requestMenu();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    // The right button already reports itself through mouseReleased; only the keyboard asks here.
    if (!m_keyboardActions || event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    requestMenu();
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
