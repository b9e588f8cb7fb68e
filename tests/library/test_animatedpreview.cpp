// The main window's startup preview moving while "Autoshow animation" is on, seen in screenshots.
#include "libraryfixture.h"

#include "support/animatedscreens.h"

#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>

namespace
{

void waitMillis(int millis)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < millis)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// What the display shows of the window; the window's own rendering where there is no display.
QImage screenshot(QWidget& w)
{
    QImage shot = w.screen() ? w.screen()->grabWindow(w.winId()).toImage() : QImage();
    if (shot.size() != w.size())
        shot = w.grab().toImage();
    return shot.convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that differs between two screenshots 150 ms apart.
QRect changeOver150Millis(QWidget& w)
{
    const QImage before = screenshot(w);
    waitMillis(150);
    const QImage after = screenshot(w);
    QRect changed;
    for (int y = 0; y < std::min(before.height(), after.height()); ++y)
        for (int x = 0; x < std::min(before.width(), after.width()); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

class AnimatedPreview : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        makeSet(QStringLiteral("Moving"));
        // Windows does not turn the wait and shutdown screens, whatever their header says.
        for (const char* name : { "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" })
            machine.writeFile(QStringLiteral("C:\\Logos\\Moving\\") + QLatin1String(name),
                fixtures::animatedScreen(320, 400, 236));
        makeSet(QStringLiteral("Still"));
        machine.writeFile(
            QStringLiteral("C:\\Logos\\Still\\LOGO.SYS"), fixtures::animatedScreen(320, 400, 0));
    }
    void TearDown() override { AnimationSwitch::instance().setOn(false); }

    Principale& showWindow(const QString& set, bool animate)
    {
        Principale& w = openWindow();
        w.setAnimationShown(animate);
        select(set);
        w.show();
        waitMillis(300); // on the display and painted
        return w;
    }
};

TEST_F(AnimatedPreview, OnlyTheStartupPreviewMovesWhileTheMarkIsOn)
{
    Principale& w = showWindow(QStringLiteral("Moving"), true);
    const QRect preview(
        child<PictureBox>(w, "Imag0")->mapTo(&w, QPoint(0, 0)), child<PictureBox>(w, "Imag0")->size());
    // A loaded machine may hold back a step now and then; three tries are plenty.
    QRect changed;
    for (int attempt = 0; attempt < 3 && changed.isEmpty(); ++attempt)
        changed = changeOver150Millis(w);
    EXPECT_FALSE(changed.isEmpty()) << "the startup preview moves";
    EXPECT_TRUE(preview.contains(changed)) << "and nothing else does";

    w.setAnimationShown(false);
    waitMillis(20);
    EXPECT_TRUE(changeOver150Millis(w).isEmpty());
    EXPECT_TRUE(changeOver150Millis(showWindow(QStringLiteral("Moving"), false)).isEmpty());
    EXPECT_TRUE(changeOver150Millis(showWindow(QStringLiteral("Still"), true)).isEmpty());
}

TEST_F(AnimatedPreview, TheMarkSurvivesARestart)
{
    Principale& first = openWindow();
    LoadSettings(first);
    child<QAction>(first, "ItmAnimate")->setChecked(true);
    SaveSettings(first);

    startWithFreshSettings();
    settings().LogoPath = QStringLiteral("C:\\Logos\\");
    Principale& second = openWindow();
    EXPECT_FALSE(AnimationSwitch::instance().isOn()) << "a new window starts without the mark";
    LoadSettings(second);
    EXPECT_TRUE(child<QAction>(second, "ItmAnimate")->isChecked());
    EXPECT_TRUE(AnimationSwitch::instance().isOn()) << "the mark drives the animation";
}

} // namespace
