// The logo browser over a real main window: what it changes shows in the window's list, previews
// and installed-set caption.
#include "browser/browserfixture.h"
#include "library/logolist.h"
#include "library/principale.h"
#include "windows/picturebox.h"

#include <QLabel>

namespace
{

class BrowserOverMainWindowTest : public BrowserTest
{
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        writeScreen(QStringLiteral("C:\\Pics\\start.sys"), 40);
    }
    void TearDown() override { form.reset(); } // its link points into the window
    LibraryLink connectLibrary(const QString& selected) override
    {
        main = std::make_unique<Principale>();
        main->LeggiDatiDisco();
        if (!selected.isEmpty())
            main->SelItem(selected);
        return main->browserLink();
    }

    std::unique_ptr<Principale> main;
};

TEST_F(BrowserOverMainWindowTest, SessionFromThreeKindsOfPictureEndsSelectedInTheMainWindow)
{
    makeSet(QStringLiteral("Old"));
    writePicture(QStringLiteral("C:\\Pics\\photo.jpg"), 800, 600, "JPEG");
    writeGif(QStringLiteral("C:\\Pics\\anim.gif"), 200, 150);
    open(QStringLiteral("Old"));
    form->ClearAllButton_Click();
    add(0, QStringLiteral("photo.jpg"));
    add(1, QStringLiteral("anim.gif"));
    add(2, QStringLiteral("start.sys"));
    typeName(QStringLiteral("Holiday"));
    form->OkButton_Click(0);
    EXPECT_EQ(temporaryFiles().size(), 2);

    form->done(QDialog::Rejected);
    for (const char* screen : { "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" })
        EXPECT_TRUE(isLogoScreenFile(QStringLiteral("C:\\Logos\\Holiday\\") + QLatin1String(screen)))
            << screen;
    EXPECT_TRUE(temporaryFiles().isEmpty());
    EXPECT_EQ(child<LogoList>(*main, "MyList")->itemText(child<LogoList>(*main, "MyList")->selectedRow()),
        QStringLiteral("Holiday"));
    EXPECT_TRUE(child<PictureBox>(*main, "Imag1")->hasPicture());
    EXPECT_EQ(settings().SearchLogoPath, QStringLiteral("C:\\Pics\\"));
}

TEST_F(BrowserOverMainWindowTest, DeletingTheInstalledSetClearsTheWindowsCaption)
{
    makeSet(QStringLiteral("Sea"));
    makeSet(QStringLiteral("Wave"));
    settings().DefaultLogoSet = QStringLiteral("Sea");
    settings().ConfirmLogosetDelete = 0;
    open(QStringLiteral("Sea"));
    ASSERT_EQ(child<QLabel>(*main, "DefaultLogo")->text(), QStringLiteral("Sea"));
    typeName(QStringLiteral("Wave"));
    form->EliminaSetBtn_Click();
    EXPECT_EQ(child<QLabel>(*main, "DefaultLogo")->text(), QStringLiteral("Sea")) << "another set went";

    nameBox()->setCurrentIndex(0);
    form->NameLogoSet_Click(0);
    form->EliminaSetBtn_Click();
    EXPECT_EQ(child<QLabel>(*main, "DefaultLogo")->text(), DontKnow);
    form->done(QDialog::Rejected);
    EXPECT_EQ(child<LogoList>(*main, "MyList")->count(), 0);
}

} // namespace
