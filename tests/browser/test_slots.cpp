#include "browserfixture.h"

#include "images/grafica.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

namespace
{

using SlotsTest = BrowserTest;

QColor verdict(const SelPictureForm& form)
{
    return child<QLabel>(form, "ImageInfo")->palette().color(QPalette::WindowText);
}

TEST_F(SlotsTest, VerdictTellsLogoScreensFromPicturesToConvert)
{
    writeScreen(QStringLiteral("C:\\Pics\\screen.bmp"), 90);
    writeScreen(QStringLiteral("C:\\Pics\\screen.sys"), 90);
    writeGif(QStringLiteral("C:\\Pics\\screen.gif"), 320, 400);
    writePicture(QStringLiteral("C:\\Pics\\photo.bmp"), 640, 480, "BMP");
    machine.writeFile(QStringLiteral("C:\\Pics\\broken.jpg"), "not a picture");
    open();

    for (const char* name : { "screen.bmp", "screen.sys" }) {
        preview(QStringLiteral("C:\\Pics\\"), QLatin1String(name));
        EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("320 x 400 x 256"));
        EXPECT_EQ(verdict(*form), SelPictureForm::LogoScreenColour) << name;
    }
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("screen.gif"));
    EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("320 x 400 x 256"));
    EXPECT_EQ(verdict(*form), SelPictureForm::ConvertColour);
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.bmp"));
    EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("640 x 480 x 16777216"));
    EXPECT_EQ(verdict(*form), SelPictureForm::ConvertColour);
    EXPECT_TRUE(child<QPushButton>(*form, "AddButton1")->isEnabled());

    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("broken.jpg"));
    EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("no logo selected"));
    EXPECT_EQ(verdict(*form), SelPictureForm::NoPictureColour);
    EXPECT_FALSE(child<QPushButton>(*form, "AddButton0")->isEnabled());
    EXPECT_FALSE(form->startPictureDrag());
}

TEST_F(SlotsTest, NewKindsPreviewAndRefusedPicturesSayWhyUnderThePreview)
{
    writePicture(QStringLiteral("C:\\Pics\\photo.PNG"), 640, 480, "PNG");
    writePicture(QStringLiteral("C:\\Pics\\photo.webp"), 640, 480, "WEBP");
    const QByteArray jpeg = encoded(gradient(64, 48), "JPEG");
    machine.writeFile(QStringLiteral("C:\\Pics\\cut.jpeg"), jpeg.left(jpeg.size() / 2));
    machine.writeFile(QStringLiteral("C:\\Pics\\notes.bmp"), "not a picture");
    open();
    const auto* reason = child<QLabel>(*form, "PictureReason");
    for (const char* name : { "photo.PNG", "photo.webp" }) {
        preview(QStringLiteral("C:\\Pics\\"), QLatin1String(name));
        EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("640 x 480 x 16777216")) << name;
        EXPECT_TRUE(child<QPushButton>(*form, "AddButton0")->isEnabled()) << name;
        EXPECT_TRUE(reason->isHidden()) << name;
    }
    form->AddButton_Click(0);
    EXPECT_TRUE(isLogoScreenFile(child<PictureBox>(*form, "ImgPreview0")->tag()));

    const std::pair<const char*, const char*> refused[] = {
        { "cut.jpeg", "truncated: the file ends before its picture does" },
        { "notes.bmp", "not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)" },
    };
    for (const auto& [name, why] : refused) {
        preview(QStringLiteral("C:\\Pics\\"), QLatin1String(name));
        EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("no logo selected")) << name;
        EXPECT_FALSE(reason->isHidden()) << name;
        EXPECT_EQ(reason->text(), QLatin1String(why));
        // Assistive tools get the reason as the preview's description.
        EXPECT_EQ(child<PictureBox>(*form, "CurView")->accessibleDescription(), QLatin1String(why));
    }
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.PNG"));
    EXPECT_TRUE(reason->isHidden());
    EXPECT_TRUE(child<PictureBox>(*form, "CurView")->accessibleDescription().isEmpty());
}

TEST_F(SlotsTest, AddTakesLogoScreensAsTheyAreAndConvertsTheRest)
{
    writeScreen(QStringLiteral("C:\\Pics\\screen.sys"), 90);
    writePicture(QStringLiteral("C:\\Pics\\photo.bmp"), 640, 480, "BMP");
    open();
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("screen.sys"));
    form->AddButton_Click(0);
    EXPECT_EQ(child<PictureBox>(*form, "ImgPreview0")->tag(), QStringLiteral("C:\\Pics\\screen.sys"));
    EXPECT_TRUE(form->List1.isEmpty());
    EXPECT_TRUE(temporaryFiles().isEmpty());

    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.bmp"));
    form->AddButton_Click(1);
    const QString converted = child<PictureBox>(*form, "ImgPreview1")->tag();
    EXPECT_EQ(form->List1, QStringList({ converted }));
    EXPECT_TRUE(isLogoScreenFile(converted));
    // The thumbnail shows the picture as chosen, not its 256-colour conversion.
    const QImage thumbnail = child<PictureBox>(*form, "ImgPreview1")->picture();
    EXPECT_GT(thumbnail.pixelColor(thumbnail.width() - 1, thumbnail.height() - 1).red(), 200);
    EXPECT_TRUE(form->SlotsChanged);
}

TEST_F(SlotsTest, FailedConversionLeavesTheSlotAsItWasAndSaysSo)
{
    writeScreen(QStringLiteral("C:\\Pics\\screen.sys"), 90);
    writePicture(QStringLiteral("C:\\Pics\\photo.jpg"), 400, 300, "JPEG");
    open();
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("screen.sys"));
    form->AddButton_Click(2);
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("photo.jpg"));
    QFile::remove(machine.host(QStringLiteral("C:\\Pics\\photo.jpg"))); // gone before it is added
    msgbox.shown.clear();
    form->AddButton_Click(2);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_TRUE(msgbox.shown[0].prompt.contains(QStringLiteral("could not be converted")));
    EXPECT_EQ(child<PictureBox>(*form, "ImgPreview2")->tag(), QStringLiteral("C:\\Pics\\screen.sys"));
    EXPECT_TRUE(form->List1.isEmpty());
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

TEST_F(SlotsTest, DropOnASlotAddsThePreviewedPicture)
{
    writeScreen(QStringLiteral("C:\\Pics\\screen.sys"), 90);
    open();
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("screen.sys"));
    QMimeData data;
    data.setData(QStringLiteral("application/x-bootcanvas-picture"), "whatever the drag started on");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: an offscreen platform has no drag in progress to deliver.
    QObject* window = form.get();
    EXPECT_TRUE(window->eventFilter(child<PictureBox>(*form, "ImgPreview1"), &drop));
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(child<PictureBox>(*form, "ImgPreview1")->tag(), QStringLiteral("C:\\Pics\\screen.sys"));
    EXPECT_TRUE(child<PictureBox>(*form, "ImgPreview1")->hasPicture());
}

TEST_F(SlotsTest, DeleteAndClearAllEmptySlotsWithoutEnablingUpdate)
{
    makeSet(QStringLiteral("Sea"));
    open(QStringLiteral("Sea"));
    ASSERT_TRUE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
    form->ClearAllButton_Click();
    for (PictureBox* slot : childRow<PictureBox, 3>(*form, "ImgPreview")) {
        EXPECT_FALSE(slot->hasPicture());
        EXPECT_TRUE(slot->tag().isEmpty());
    }
    EXPECT_FALSE(child<QAction>(*form, "OkButton1")->isEnabled());
    EXPECT_FALSE(form->SlotsChanged);

    // An empty slot changes nothing, but the commands are worked out again.
    form->NameChanged = true;
    form->DeleteButton_Click(0);
    EXPECT_FALSE(form->SlotsChanged);
    EXPECT_TRUE(child<QAction>(*form, "OkButton1")->isEnabled());
    EXPECT_FALSE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
}

struct StatusRow {
    bool loaded, slotsChanged, nameChanged, nameEmpty;
    bool create, update, remove; // expected, from create/update off and delete on
};

class CheckBtnStatusTest : public BrowserTest, public ::testing::WithParamInterface<StatusRow>
{
};

TEST_P(CheckBtnStatusTest, EnablesTheSetCommandsByTheTable)
{
    const StatusRow row = GetParam();
    open();
    form->LoadedSetName = row.loaded ? QStringLiteral("Sea") : QString();
    nameBox()->setEditText(row.nameEmpty ? QString() : QStringLiteral("Sea"));
    form->SlotsChanged = row.slotsChanged;
    form->NameChanged = row.nameChanged;
    child<QAction>(*form, "OkButton0")->setEnabled(false);
    child<QAction>(*form, "OkButton1")->setEnabled(false);
    child<QAction>(*form, "EliminaSetBtn")->setEnabled(true);
    form->CheckBtnStatus();
    EXPECT_EQ(child<QAction>(*form, "OkButton0")->isEnabled(), row.create);
    EXPECT_EQ(child<QAction>(*form, "OkButton1")->isEnabled(), row.update);
    EXPECT_EQ(child<QAction>(*form, "EliminaSetBtn")->isEnabled(), row.remove);
}

INSTANTIATE_TEST_SUITE_P(Table, CheckBtnStatusTest,
    ::testing::Values(StatusRow { false, true, false, false, true, false, false },
        StatusRow { false, false, false, false, true, false, true },
        StatusRow { false, false, true, true, false, false, false },
        StatusRow { true, true, false, false, false, true, false },
        StatusRow { true, true, true, false, true, true, false },
        StatusRow { true, false, true, false, true, true, false },
        StatusRow { true, false, false, false, true, true, true }));

TEST_F(SlotsTest, SavingDefaultScreensDeletesAnEmptiedWaitScreen)
{
    writeScreen(QStringLiteral("C:\\Logos\\LOGOW.SYS"), 20);
    writeScreen(QStringLiteral("C:\\Logos\\LOGOS.SYS"), 30);
    writeGif(QStringLiteral("C:\\Pics\\bye.gif"), 100, 80);
    open();
    child<QRadioButton>(*form, "OptDefShut")->setChecked(true);
    form->OptDefShut_Click();
    EXPECT_EQ(child<QPushButton>(*form, "ActButton")->text(), QStringLiteral("Save se&tting"));
    EXPECT_FALSE(nameBox()->isEnabled());
    EXPECT_EQ(child<PictureBox>(*form, "ImgPreview1")->tag(), QStringLiteral("C:\\Logos\\LOGOW.SYS"));
    form->DeleteButton_Click(1);
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("bye.gif"));
    form->AddButton_Click(2);
    const QByteArray converted = machine.readFile(child<PictureBox>(*form, "ImgPreview2")->tag());
    form->ActButton_Click();
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\Logos\\LOGOW.SYS")));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\LOGOS.SYS")), converted);
    EXPECT_TRUE(form->LibraryChanged);
    EXPECT_TRUE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
    EXPECT_FALSE(form->SlotsChanged);
}

} // namespace
