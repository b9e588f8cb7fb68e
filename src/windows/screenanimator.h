#pragma once

#include "images/screenanimation.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

class PictureBox;
class QWidget;

// Whether animated startup screens move: the program-wide state of "Autoshow animation", which
// the main window's check mark sets and every animator follows.
class AnimationSwitch : public QObject
{
    Q_OBJECT
public:
    static AnimationSwitch& instance();
    bool isOn() const { return m_on; }
    void setOn(bool on);

Q_SIGNALS:
    void switched(bool on);

private:
    bool m_on = false;
};

// Makes a picture box show its screen moving as Windows shows it, while the switch is on and the
// box's file (its tag) is an animated startup screen. The file is decoded once into indices and
// palette; each 100 ms step only turns the palette and repaints the box. The timer runs only while
// the box is visible and its window is not minimised; the box's own picture comes back when the
// animation stops.
class ScreenAnimator : public QObject
{
    Q_OBJECT
public:
    // Lives as long as the box (its parent).
    explicit ScreenAnimator(PictureBox* box);

    bool isRunning() const { return m_timer.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contentChanged();
    void reload();
    void updateRunning();
    void step();
    void stop();
    bool showsOwnFrame() const;
    void showStep();

    PictureBox* m_box;
    QPointer<QWidget> m_watchedWindow;
    QTimer m_timer;
    images::IndexedScreen m_screen; // empty when the box's file does not move
    QString m_file;
    QImage m_still; // the box's own picture, shown while the screen stands still
    qint64 m_frameKey = 0; // the frame last shown, to tell it from a picture the box was given since
    int m_step = 0;
    bool m_reloadPending = false;
};
