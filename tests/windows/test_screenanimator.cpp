// Animated startup screens in picture boxes: when they move, what they show, and when they stop.
#include "support/animatedscreens.h"
#include "support/child.h"

#include "images/screenanimation.h"
#include "windows/frmview.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace
{

// Runs the event loop until `done` holds or two seconds have passed.
bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class Animation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AnimationSwitch::instance().setOn(true);
        still.fill(Qt::darkCyan);
        write("LOGO.SYS", fixtures::animatedScreen(320, 400, 236));
        box->setGeometry(10, 10, 112, 89);
        window.show();
    }
    void TearDown() override { AnimationSwitch::instance().setOn(false); }

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // What a preview routine does: draw a still picture, then name the file in the tag.
    void showFile(const QString& file)
    {
        box->setPicture(still);
        box->setTag(file);
        settle();
    }
    QImage frame(int step) const
    {
        return images::shownFrame(images::readIndexedScreen(path("LOGO.SYS")), step);
    }

    QTemporaryDir dir;
    QWidget window;
    PictureBox* box = new PictureBox(&window);
    ScreenAnimator* animator = new ScreenAnimator(box);
    QImage still = QImage(112, 89, QImage::Format_RGB32);
};

TEST_F(Animation, TurnsEveryHundredMillisecondsAndGivesThePictureBackWhenSwitchedOff)
{
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    EXPECT_TRUE(box->picture() == frame(0)) << "the first step shows at once, through the DAC";
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitFor([&] { return box->picture() == frame(2); }));
    EXPECT_GE(clock.elapsed(), 180);

    AnimationSwitch::instance().setOn(false);
    settle();
    EXPECT_FALSE(animator->isRunning());
    EXPECT_TRUE(box->picture() == still);
}

TEST_F(Animation, OnlyAnimatedStartupScreensInBoxesWithAPictureMove)
{
    write("still.sys", fixtures::animatedScreen(320, 400, 0));
    write("logow.sys", fixtures::animatedScreen(320, 400, 236));
    for (const char* name : { "still.sys", "logow.sys", "missing.sys" }) {
        showFile(path(name));
        EXPECT_FALSE(animator->isRunning()) << name;
        EXPECT_TRUE(box->picture() == still) << name;
    }
    // A box its owner clears is not filled again from the file its tag still names.
    showFile(path("LOGO.SYS"));
    box->clearPicture();
    settle();
    EXPECT_FALSE(animator->isRunning());
    EXPECT_FALSE(box->hasPicture());
}

TEST_F(Animation, ANewPictureIsNeverPaintedOverAndARewrittenFileIsReadAgain)
{
    showFile(path("LOGO.SYS"));
    write("LOGO.SYS", fixtures::animatedScreen(320, 400, 200)); // a set updated in place
    box->setPicture(still);
    EXPECT_TRUE(box->picture() == still);
    settle();
    EXPECT_TRUE(box->picture() == frame(0));
}

TEST_F(Animation, StopsWhileItsWindowIsHiddenOrMinimised)
{
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    for (auto [change, running] : { std::pair { &QWidget::hide, false }, { &QWidget::show, true },
             { &QWidget::showMinimized, false }, { &QWidget::showNormal, true } }) {
        (window.*change)();
        settle();
        EXPECT_EQ(animator->isRunning(), running);
    }
}

TEST(AnimatedViewer, TheActualSizeViewerMovesAtItsNaturalSize)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("LOGO.SYS"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fixtures::animatedScreen(320, 400, 240));
    file.close();
    AnimationSwitch::instance().setOn(true);
    FrmView view;
    view.loadPicture(file.fileName());
    view.show();
    settle();
    const QImage first = child<PictureBox>(view, "Preview")->picture();
    EXPECT_TRUE(waitFor([&] { return !(child<PictureBox>(view, "Preview")->picture() == first); }));
    EXPECT_EQ(view.size(), QSize(320, 400));
    AnimationSwitch::instance().setOn(false);
}

} // namespace
