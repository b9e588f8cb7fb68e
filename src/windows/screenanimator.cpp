#include "windows/screenanimator.h"

#include "images/paletteanimation.h"
#include "windows/picturebox.h"

#include <QEvent>

AnimationSwitch& AnimationSwitch::instance()
{
    static AnimationSwitch animationSwitch;
    return animationSwitch;
}

void AnimationSwitch::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    Q_EMIT switched(on);
}

ScreenAnimator::ScreenAnimator(PictureBox* box)
    : QObject(box)
    , m_box(box)
{
    m_timer.setInterval(images::AnimationStepMillis);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScreenAnimator::step);
    connect(box, &PictureBox::contentChanged, this, &ScreenAnimator::contentChanged);
    connect(&AnimationSwitch::instance(), &AnimationSwitch::switched, this, &ScreenAnimator::contentChanged);
    box->installEventFilter(this);
    contentChanged();
}

void ScreenAnimator::contentChanged()
{
    // The box may be drawn first and tagged next (or the other way round): look once both are done,
    // and never paint an old frame over the new picture meanwhile.
    m_timer.stop();
    if (m_reloadPending)
        return;
    m_reloadPending = true;
    QMetaObject::invokeMethod(this, &ScreenAnimator::reload, Qt::QueuedConnection);
}

void ScreenAnimator::reload()
{
    m_reloadPending = false;
    // A picture the box was given since the last frame may come from a rewritten file.
    const bool newPicture = !showsOwnFrame();
    if (newPicture) {
        m_still = m_box->picture();
        m_frameKey = 0;
    }
    const QString file = m_box->tag();
    const bool wanted = AnimationSwitch::instance().isOn() && !file.isEmpty() && !m_still.isNull()
        && !images::shownStillAtBoot(file);
    if (!wanted) {
        stop();
        return;
    }
    if (newPicture || file != m_file) {
        // The header is read first, so still pictures are never decoded a second time.
        m_file = file;
        m_screen = images::readFirstAnimatedIndex(file) != 0 ? images::readIndexedScreen(file)
                                                             : images::IndexedScreen {};
        m_step = 0;
    }
    if (m_screen.isNull() || m_screen.firstAnimated == 0) {
        stop();
        return;
    }
    showStep();
    updateRunning();
}

bool ScreenAnimator::showsOwnFrame() const
{
    return m_frameKey != 0 && m_box->picture().cacheKey() == m_frameKey;
}

void ScreenAnimator::showStep()
{
    const QImage frame = images::shownFrame(m_screen, m_step);
    m_box->showFrame(frame);
    m_frameKey = frame.cacheKey();
}

void ScreenAnimator::step()
{
    m_step = (m_step + 1) % images::animationPeriod(m_screen.firstAnimated);
    showStep();
}

void ScreenAnimator::updateRunning()
{
    // The box may have been put into its window after the animator was made.
    if (m_watchedWindow != m_box->window()) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = m_box->window();
        m_watchedWindow->installEventFilter(this);
    }
    const bool moving = showsOwnFrame() && AnimationSwitch::instance().isOn() && m_box->isVisible()
        && !(m_box->window()->windowState() & Qt::WindowMinimized);
    if (!moving)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

void ScreenAnimator::stop()
{
    m_timer.stop();
    if (showsOwnFrame())
        m_box->showFrame(m_still);
    m_frameKey = 0;
}

bool ScreenAnimator::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        // After the change has taken effect, so visibility and state are the new ones.
        QMetaObject::invokeMethod(this, &ScreenAnimator::updateRunning, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
