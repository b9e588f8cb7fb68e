// The actual-size viewer: its size, and what closes it.
#include "support/child.h"
#include "windows/frmview.h"
#include "windows/picturebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class Viewer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QImage logo(320, 400, QImage::Format_Indexed8);
        logo.setColorCount(256);
        for (int i = 0; i < 256; ++i)
            logo.setColor(i, qRgb(i, 255 - i, 128));
        logo.fill(7);
        file = dir.filePath("LOGO.SYS");
        ASSERT_TRUE(logo.save(file, "BMP"));
        view.loadPicture(file);
        view.show();
    }
    // Sends a key press with the text the keyboard would type, and says whether the viewer closed.
    bool closesOn(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        view.show();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&view, &press);
        return !view.isVisible();
    }
    QTemporaryDir dir;
    QString file;
    FrmView view;
};

TEST_F(Viewer, IsExactlyThePictureWithoutAFrame)
{
    EXPECT_EQ(view.size(), QSize(320, 400));
    EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(child<PictureBox>(view, "Preview")->geometry(), QRect(0, 0, 320, 400));
    EXPECT_EQ(child<PictureBox>(view, "Preview")->picture().size(), QSize(320, 400));
    EXPECT_EQ(child<PictureBox>(view, "Preview")->toolTip(), "Click or press a key to close");
    EXPECT_EQ(QColor(child<PictureBox>(view, "Preview")->picture().pixel(5, 5)), QColor(7, 248, 128));
}

TEST_F(Viewer, KeysThatTypeACharacterClose)
{
    EXPECT_TRUE(closesOn(Qt::Key_A, "a"));
    EXPECT_TRUE(closesOn(Qt::Key_7, "7"));
    EXPECT_TRUE(closesOn(Qt::Key_Return, "\r"));
    EXPECT_TRUE(closesOn(Qt::Key_Escape, "\x1b"));
    EXPECT_TRUE(closesOn(Qt::Key_Backspace, "\b"));
}

TEST_F(Viewer, KeysWithoutACharacterDoNot)
{
    EXPECT_FALSE(closesOn(Qt::Key_Left, ""));
    EXPECT_FALSE(closesOn(Qt::Key_F1, ""));
    EXPECT_FALSE(closesOn(Qt::Key_Shift, "", Qt::ShiftModifier));
}

TEST_F(Viewer, AClickOnThePictureCloses)
{
    const QPointF at(100, 200);
    QMouseEvent press(QEvent::MouseButtonPress, at, child<PictureBox>(view, "Preview")->mapToGlobal(at),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, child<PictureBox>(view, "Preview")->mapToGlobal(at),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(child<PictureBox>(view, "Preview"), &press);
    EXPECT_TRUE(view.isVisible());
    QApplication::sendEvent(child<PictureBox>(view, "Preview"), &release);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Viewer, AnUnreadablePictureGivesAnEmptyWindow)
{
    FrmView empty;
    empty.loadPicture(dir.filePath("missing.bmp"));
    EXPECT_FALSE(child<PictureBox>(empty, "Preview")->hasPicture());
    EXPECT_EQ(empty.size(), QSize(0, 0));
}

} // namespace
