// The browser for a keyboard user and across runs: Enter opens, Ctrl+L takes a typed folder, the
// last folder comes back, the window grows with its preview, and an ended run leaves nothing behind.
#include "browserfixture.h"

#include "windows/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace
{

class BrowserKeysAndSizeTest : public BrowserTest
{
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        makeSet(QStringLiteral("Sea"));
        machine.makeFolder(QStringLiteral("C:\\Pics\\Holiday\\Beach"));
        settings().SearchLogoPath = QStringLiteral("C:\\Pics\\");
    }
    void pressOn(const QString& entry, Qt::Key key)
    {
        const auto found = entryList()->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        entryList()->setCurrentItem(found.first());
        QTest::keyClick(entryList(), key);
    }
    QLineEdit* location() const { return child<QLineEdit>(*form, "Location"); }
};

} // namespace

TEST_F(BrowserKeysAndSizeTest, EnterOpensTheFolderAndGoesUpOnTheParentEntry)
{
    open(QStringLiteral("Sea"));
    ASSERT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\"));
    pressOn(QStringLiteral("Holiday"), Qt::Key_Return);
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\"));
    pressOn(QStringLiteral("Beach"), Qt::Key_Enter);
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\Beach\\"));
    pressOn(QStringLiteral(".."), Qt::Key_Return);
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\"));
}

TEST_F(BrowserKeysAndSizeTest, CtrlLTakesATypedWindowsOrHostPathAndRefusesWhatIsNoFolder)
{
    open(QStringLiteral("Sea"));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(location()->isVisible());
    EXPECT_EQ(location()->text(), QStringLiteral("C:\\Pics\\"));

    location()->setText(QStringLiteral("c:\\pics\\holiday"));
    QTest::keyClick(location(), Qt::Key_Return);
    EXPECT_EQ(form->CurrentFolder.toUpper(), QStringLiteral("C:\\PICS\\HOLIDAY\\"));
    EXPECT_EQ(entries(), QStringList({ "..", "Beach" }));
    EXPECT_FALSE(location()->isVisible());
    EXPECT_TRUE(child<QLabel>(*form, "CurPath")->isVisible());

    // A host path reaches the folder through the drive that holds it.
    EXPECT_TRUE(form->goToLocation(machine.host(QStringLiteral("C:\\Pics\\Holiday\\Beach"))));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\Beach\\"));

    // Nothing there: one message, the folder and the field stay for a correction; Esc closes only
    // the field.
    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    location()->setText(QStringLiteral("C:\\Pics\\Nowhere"));
    QTest::keyClick(location(), Qt::Key_Return);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt, QStringLiteral("The folder C:\\Pics\\Nowhere cannot be found."));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\Beach\\"));
    EXPECT_TRUE(location()->isVisible());
    QTest::keyClick(location(), Qt::Key_Escape);
    EXPECT_FALSE(location()->isVisible());
    EXPECT_TRUE(form->isVisible());
    form->done(QDialog::Rejected);
}

TEST_F(BrowserKeysAndSizeTest, OpensInTheFolderItShowedLastEvenWhereTheRegistrySaysOtherwise)
{
    open(QStringLiteral("Sea"));
    ASSERT_TRUE(form->goToLocation(QStringLiteral("C:\\Pics\\Holiday")));
    form->done(QDialog::Rejected);

    // Another run, or another machine's registry, naming another folder.
    settings().SearchLogoPath = QStringLiteral("C:\\Logos\\");
    open(QStringLiteral("Sea"));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\"));
    // Even an empty selection starts there rather than in the program folder.
    open();
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Holiday\\"));

    // Gone since: the machine's own rules take over again.
    QDir(machine.host(QStringLiteral("C:\\Pics\\Holiday"))).removeRecursively();
    settings().SearchLogoPath = QStringLiteral("C:\\Logos\\");
    open(QStringLiteral("Sea"));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Logos\\"));
}

TEST_F(BrowserKeysAndSizeTest, GrowsFromItsDesignedSizeWithThePreviewKeepingItsShape)
{
    open(QStringLiteral("Sea"));
    form->show();
    const QSize designed = form->size();
    auto* preview = child<PictureBox>(*form, "CurView");
    const QRect small = preview->geometry();
    auto* finish = child<QWidget>(*form, "CloseButton");
    const int rightMargin = designed.width() - finish->geometry().right();

    form->resize(1000, 800);
    EXPECT_GE(preview->width(), 2 * small.width());
    EXPECT_NEAR(double(preview->width()) / preview->height(), double(small.width()) / small.height(), 0.02);
    EXPECT_EQ(1000 - finish->geometry().right(), rightMargin);
    EXPECT_EQ(finish->height(), child<QWidget>(*form, "AddButton0")->height());
    EXPECT_LT(entryList()->geometry().right(), child<QWidget>(*form, "Image1")->x());
    EXPECT_GT(entryList()->height(), 2 * 145);

    form->resize(100, 100);
    EXPECT_EQ(form->size(), designed);
    form->done(QDialog::Rejected);
}

TEST_F(BrowserKeysAndSizeTest, ARunEndedUnderTheBrowserStillRemovesItsConvertedPictures)
{
    writePicture(QStringLiteral("C:\\Pics\\photo.bmp"), 640, 480, "BMP");
    open(QStringLiteral("Sea"));
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.bmp"));
    form->AddButton_Click(1);
    ASSERT_EQ(temporaryFiles().size(), 1);
    form.reset(); // as when the session ends and the event loops return under the open browser
    EXPECT_TRUE(temporaryFiles().isEmpty());
}
