#pragma once

#include "images/picturesurface.h"

#include <QImage>
#include <QWidget>

// A picture box: shows its picture stretched over its inner area (the picture routines draw it at
// that size already), with an optional sunken border, and reports clicks. `tag` holds whatever the
// owner wants to remember with the box, such as the file it shows. With autoSize on, the box takes
// the size of each picture it is given. With keyboard actions on, Tab reaches the box, Enter or
// Space activate it as a left click does, and the menu key or Shift+F10 ask for its menu as a right
// click does; a focus frame shows where the keyboard is.
class PictureBox : public QWidget, public PictureSurface
{
    Q_OBJECT
    Q_PROPERTY(QString tag READ tag WRITE setTag)
    Q_PROPERTY(bool border READ hasBorder WRITE setBorder)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    int scaleWidth() const override;
    int scaleHeight() const override;
    void setPicture(const QImage& picture) override;
    void clearPicture() override;
    bool hasPicture() const override { return !m_picture.isNull(); }
    QImage picture() const override { return m_picture; }
    void resizeTo(int width, int height) override;
    // Shows a step of an animation in place of the picture, without counting as a new picture.
    void showFrame(const QImage& frame);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag);
    bool hasBorder() const { return m_border; }
    void setBorder(bool border);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    bool keyboardActions() const { return m_keyboardActions; }
    void setKeyboardActions(bool on);

    // What Enter, Space and an assistive tool's "Press" do; `menuRequested` comes at the box's middle.
    void activate();
    void requestMenu();

    QSize sizeHint() const override;

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);
    // A press and release of the left button inside the box.
    void clicked();
    void doubleClicked();
    // Enter or Space, or an assistive tool's "Press", on a box with keyboard actions.
    void activated();
    // The menu key, Shift+F10 or an assistive tool's "ShowMenu": the menu belongs at `globalPos`.
    void menuRequested(QPoint globalPos);
    // The picture was set or cleared, or the tag changed: what the box shows may be another file.
    void contentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static constexpr int BorderWidth = 2;
    static constexpr int FocusFrameWidth = 2;

    QImage m_picture;
    QString m_tag;
    bool m_border = false;
    bool m_autoSize = false;
    bool m_leftPressed = false;
    bool m_keyboardActions = false;
};
