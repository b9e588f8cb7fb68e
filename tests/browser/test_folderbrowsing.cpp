#include "browserfixture.h"

#include "windows/picturebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

namespace
{

class FolderBrowsingTest : public BrowserTest
{
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        machine.makeFolder(QStringLiteral("C:\\Pics\\beta"));
        machine.makeFolder(QStringLiteral("C:\\Pics\\Alpha"));
        for (const char* name : { "zebra.JPG", "apple.bmp", "Logo.Sys", "Middle.gif", "notes.txt", "b.jpeg",
                 "c.PNG", "d.WebP", "e.tif", "f.TIFF", "g.png.txt" })
            machine.writeFile(QStringLiteral("C:\\Pics\\") + QLatin1String(name), "x");
    }
};

TEST_F(FolderBrowsingTest, ListsParentThenFoldersThenPicturesInCaseInsensitiveOrder)
{
    open();
    form->FillList(QStringLiteral("C:\\Pics"));
    EXPECT_EQ(entries(),
        QStringList({ "..", "Alpha", "beta", "apple.bmp", "b.jpeg", "c.PNG", "d.WebP", "e.tif", "f.TIFF",
            "Logo.Sys", "Middle.gif", "zebra.JPG" }));
    form->FillList(QStringLiteral("C:\\"));
    EXPECT_FALSE(entries().contains(QStringLiteral(".."))) << "a drive root has no parent entry";
    EXPECT_TRUE(entries().contains(QStringLiteral("Pics")));
}

TEST_F(FolderBrowsingTest, NavigatesDownUpAndNotAboveTheRoot)
{
    open();
    form->CurrentFolder = QStringLiteral("C:\\Pics\\");
    form->AggiornaDir();
    entryList()->setCurrentRow(int(entries().indexOf(QStringLiteral("Alpha"))));
    form->LogoList_DblClick();
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\Alpha\\"));
    EXPECT_EQ(child<QLabel>(*form, "CurPath")->text(), QStringLiteral("C:\\Pics\\Alpha"));
    EXPECT_EQ(entries(), QStringList({ ".." }));

    form->LogoList_KeyPress(Qt::Key_Backspace);
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\"));
    entryList()->setCurrentRow(0);
    form->LogoList_DblClick();
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\"));
    form->LogoList_KeyPress(Qt::Key_Backspace);
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\"));
}

TEST_F(FolderBrowsingTest, DriveChangeShowsTheDriveAndFallsBackFromAnUnreadableOne)
{
    machine.addDrive(QLatin1Char('A'), QStringLiteral("removable"));
    QDir(machine.host(QStringLiteral("A:\\"))).removeRecursively(); // the empty floppy drive
    open();
    child<QComboBox>(*form, "Drive1")
        ->setCurrentIndex(child<QComboBox>(*form, "Drive1")->findText(QStringLiteral("c:")));
    form->Drive1_Change();
    EXPECT_EQ(child<QLabel>(*form, "CurPath")->text(), QStringLiteral("C:"));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\"));

    msgbox.shown.clear();
    child<QComboBox>(*form, "Drive1")
        ->setCurrentIndex(child<QComboBox>(*form, "Drive1")->findText(QStringLiteral("a:")));
    form->Drive1_Change();
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt, QStringLiteral("Drive A: isn't accessible! Check it and retry."));
    EXPECT_EQ(child<QComboBox>(*form, "Drive1")->currentText(), QStringLiteral("c:"));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\"));
    EXPECT_TRUE(entries().contains(QStringLiteral("Pics")));
}

TEST_F(FolderBrowsingTest, OpensInTheLastFolderOnlyWhenASetIsSelectedAndTheFolderExists)
{
    makeSet(QStringLiteral("Sea"));
    settings().SearchLogoPath = QStringLiteral("C:\\Pics\\");
    open(QStringLiteral("Sea"));
    EXPECT_EQ(form->CurrentFolder, QStringLiteral("C:\\Pics\\"));
    EXPECT_EQ(nameRows(), QStringList({ "Sea" }));
    EXPECT_EQ(form->LoadedSetName, QStringLiteral("Sea"));

    // Back from the viewer: nothing is added or reloaded.
    form->LockNameLogoSet = true;
    form->Form_Activate();
    EXPECT_EQ(nameRows(), QStringList({ "Sea" }));

    settings().SearchLogoPath = QStringLiteral("C:\\Pics\\gone\\");
    open(QStringLiteral("Sea"));
    EXPECT_EQ(form->CurrentFolder, settings().AppPath);

    // An empty library has no selected set: the program folder is used.
    QDir(machine.host(QStringLiteral("C:\\Logos\\Sea"))).removeRecursively();
    settings().SearchLogoPath = QStringLiteral("C:\\Pics\\");
    open();
    EXPECT_EQ(form->CurrentFolder, settings().AppPath);
}

TEST_F(FolderBrowsingTest, WithoutALibraryOrAReachableFolderItStartsInTheProgramFolder)
{
    makeSet(QStringLiteral("Sea"));
    settings().SearchLogoPath = QStringLiteral("Q:\\Pics\\"); // a drive the machine does not have
    open(QStringLiteral("Sea"));
    EXPECT_EQ(form->CurrentFolder, settings().AppPath);
    EXPECT_EQ(nameRows(), QStringList({ "Sea" }));

    settings().SearchLogoPath = QStringLiteral("C:\\Pics\\");
    form = std::make_unique<SelPictureForm>(); // opened by an owner that has no library
    form->Form_Activate();
    EXPECT_EQ(form->CurrentFolder, settings().AppPath);
    EXPECT_TRUE(nameRows().isEmpty());
    form->done(QDialog::Rejected);
}

TEST_F(FolderBrowsingTest, RenameInPlaceRenamesOnDiskOrKeepsTheOldName)
{
    open();
    form->CurrentFolder = QStringLiteral("C:\\Pics\\");
    form->AggiornaDir();
    bool cancel = false;
    form->LogoList_BeforeLabelEdit(entryList()->item(0), cancel);
    EXPECT_TRUE(cancel) << "\"..\" cannot be renamed";

    const auto renameTo = [&](const QString& oldName, const QString& newName) {
        QListWidgetItem* item = entryList()->findItems(oldName, Qt::MatchExactly).first();
        entryList()->setCurrentItem(item);
        bool cancelled = false;
        form->LogoList_BeforeLabelEdit(item, cancelled);
        form->LogoList_AfterLabelEdit(cancelled, newName);
        QCoreApplication::processEvents();
        return !cancelled;
    };
    EXPECT_TRUE(renameTo(QStringLiteral("apple.bmp"), QStringLiteral("pear.bmp")));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Pics\\pear.bmp")));
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\Pics\\apple.bmp")));
    EXPECT_EQ(entryList()->currentItem()->text(), QStringLiteral("pear.bmp"));
    EXPECT_TRUE(entryList()->currentItem()->isSelected());

    msgbox.shown.clear();
    EXPECT_FALSE(renameTo(QStringLiteral("pear.bmp"), QStringLiteral("zebra.JPG")));
    EXPECT_FALSE(renameTo(QStringLiteral("pear.bmp"), QStringLiteral("..\\out.bmp")));
    EXPECT_EQ(msgbox.shown.size(), 2);
    EXPECT_FALSE(renameTo(QStringLiteral("pear.bmp"), QStringLiteral("pear.bmp")));
    EXPECT_EQ(msgbox.shown.size(), 2) << "an unchanged name is not a failure";
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Pics\\pear.bmp")));
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\out.bmp")));
}

TEST_F(FolderBrowsingTest, ClosingAsksOnlyAboutUnsavedChanges)
{
    open();
    EXPECT_TRUE(form->Form_QueryUnload());
    EXPECT_TRUE(msgbox.shown.isEmpty()) << "empty name and nothing saved";

    typeName(QStringLiteral("Sunrise"));
    ASSERT_TRUE(child<QAction>(*form, "OkButton0")->isEnabled());
    msgbox.answer(vbNo);
    EXPECT_FALSE(form->Form_QueryUnload());
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].buttons, vbYesNo | vbQuestion | vbDefaultButton2);
    msgbox.answer(vbYes);
    EXPECT_TRUE(form->Form_QueryUnload());
}

} // namespace
