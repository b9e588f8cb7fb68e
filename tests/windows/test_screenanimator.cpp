// Animated startup screens in picture boxes: when they move, what they show, and when they stop.
#include "support/animatedscreens.h"

#include "images/screenanimation.h"
#include "windows/frmview.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace
{

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs the event loop until `done` holds or `millis` have passed.
bool waitFor(const std::function<bool()>& done, int millis = 2000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < millis)
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
        writeBytes(path("LOGO.SYS"), fixtures::animatedScreen(320, 400, 236));
        window.resize(400, 300);
        box = new PictureBox(&window);
        box->setGeometry(10, 10, 112, 89);
        animator = new ScreenAnimator(box);
        window.show();
    }
    void TearDown() override { AnimationSwitch::instance().setOn(false); }

    QString path(const QString& name) const { return dir.filePath(name); }
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
    PictureBox* box = nullptr;
    ScreenAnimator* animator = nullptr;
    QImage still = QImage(112, 89, QImage::Format_RGB32);
};

TEST_F(Animation, AnAnimatedStartupScreenTurnsEveryHundredMilliseconds)
{
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    EXPECT_TRUE(box->picture() == frame(0)) << "the first step shows at once, through the DAC";

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitFor([&] { return box->picture() == frame(1); }));
    EXPECT_GE(clock.elapsed(), 80);
    ASSERT_TRUE(waitFor([&] { return box->picture() == frame(2); }));
    EXPECT_GE(clock.elapsed(), 180);

    // Off: the box's own picture comes back and nothing moves.
    AnimationSwitch::instance().setOn(false);
    settle();
    EXPECT_FALSE(animator->isRunning());
    EXPECT_TRUE(box->picture() == still);
    AnimationSwitch::instance().setOn(true);
    settle();
    EXPECT_TRUE(animator->isRunning());
}

TEST_F(Animation, StillScreensWaitAndShutdownScreensAndEmptyBoxesStayStill)
{
    writeBytes(path("still.sys"), fixtures::animatedScreen(320, 400, 0));
    writeBytes(path("logow.sys"), fixtures::animatedScreen(320, 400, 236));
    for (const QString& file : { path("still.sys"), path("logow.sys"), path("missing.sys") }) {
        showFile(file);
        EXPECT_FALSE(animator->isRunning()) << file.toStdString();
        EXPECT_TRUE(box->picture() == still) << file.toStdString();
    }
    // A box cleared by its owner is not filled again from the file its tag still names.
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    box->clearPicture();
    settle();
    EXPECT_FALSE(animator->isRunning());
    EXPECT_FALSE(box->hasPicture());
}

TEST_F(Animation, ANewPictureIsNeverPaintedOverAndARewrittenFileIsReadAgain)
{
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    // The file changes under the same name (a set updated in place) and is drawn again.
    QList<QRgb> other = fixtures::numberedPalette();
    for (QRgb& colour : other)
        colour = qRgb(qBlue(colour), 10, qRed(colour));
    writeBytes(path("LOGO.SYS"), fixtures::animatedScreen(320, 400, 200, other));
    box->setPicture(still);
    EXPECT_TRUE(box->picture() == still) << "no frame is painted before the box is looked at again";
    settle();
    EXPECT_TRUE(box->picture() == frame(0));
    EXPECT_EQ(images::readIndexedScreen(path("LOGO.SYS")).firstAnimated, 200);
}

TEST_F(Animation, StopsWhileItsWindowIsHiddenOrMinimised)
{
    showFile(path("LOGO.SYS"));
    ASSERT_TRUE(animator->isRunning());
    window.hide();
    settle();
    EXPECT_FALSE(animator->isRunning());
    window.show();
    settle();
    EXPECT_TRUE(animator->isRunning());
    window.showMinimized();
    settle();
    EXPECT_FALSE(animator->isRunning());
    window.showNormal();
    settle();
    EXPECT_TRUE(animator->isRunning());
}

TEST(AnimatedViewer, TheActualSizeViewerMovesAtItsNaturalSize)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("LOGO.SYS"), fixtures::animatedScreen(320, 400, 240));
    AnimationSwitch::instance().setOn(true);
    FrmView view;
    view.loadPicture(dir.filePath("LOGO.SYS"));
    view.show();
    settle();
    EXPECT_EQ(view.size(), QSize(320, 400));
    const QImage first = view.Preview->picture();
    EXPECT_TRUE(waitFor([&] { return !(view.Preview->picture() == first); }));
    EXPECT_EQ(view.Preview->picture().size(), QSize(320, 400));
    AnimationSwitch::instance().setOn(false);
}

} // namespace
