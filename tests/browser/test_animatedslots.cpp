// Startup screens that move, in the logo browser: the bar its conversion adds when asked, and
// screens that already move going into a set untouched.
#include "browserfixture.h"

#include "support/animatedscreens.h"

#include "images/screenanimation.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QCoreApplication>

namespace
{

using AnimatedSlotsTest = BrowserTest;

TEST_F(AnimatedSlotsTest, TheStartupSlotAloneGetsTheBarAndMovesWhileTheMarkIsOn)
{
    writePicture(QStringLiteral("C:\\Pics\\photo.jpg"), 400, 300, "JPEG");
    settings().AnimatedBar = 1;
    open();
    AnimationSwitch::instance().setOn(true); // what the main window's mark does
    form->show();
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.jpg"));
    form->AddButton_Click(0);
    form->AddButton_Click(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(images::readFirstAnimatedIndex(child<PictureBox>(*form, "ImgPreview0")->tag()), 236);
    EXPECT_EQ(images::readFirstAnimatedIndex(child<PictureBox>(*form, "ImgPreview1")->tag()), 0);
    EXPECT_TRUE(child<PictureBox>(*form, "ImgPreview0")->findChild<ScreenAnimator*>()->isRunning());

    settings().AnimatedBar = 0;
    form->AddButton_Click(0);
    EXPECT_EQ(images::readFirstAnimatedIndex(child<PictureBox>(*form, "ImgPreview0")->tag()), 0);
    AnimationSwitch::instance().setOn(false);
}

TEST_F(AnimatedSlotsTest, AScreenThatMovesGoesIntoTheSetByteForByte)
{
    const QByteArray screen = fixtures::animatedScreen(320, 400, 236);
    machine.writeFile(QStringLiteral("C:\\Pics\\moving.sys"), screen);
    settings().AnimatedBar = 1; // a logo screen is not converted, so the bar is not added either
    open();
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("moving.sys"));
    form->AddButton_Click(0);
    typeName(QStringLiteral("Moving"));
    form->OkButton_Click(0);
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Moving\\LOGO.SYS")), screen);
}

} // namespace
