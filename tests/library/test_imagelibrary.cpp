// A logo library inside a disk image: the browser lists its folders, a dropped folder is copied in,
// and a deleted set goes to the desktop's trash as a copy taken out of the image.
#include "libraryfixture.h"

#include "browser/folderlisting.h"
#include "platform/files.h"
#include "support/imagemachine.h"
#include "support/scopedtrash.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace
{

class ImageLibrary : public ImageMachineTest
{
protected:
    void SetUp() override
    {
        ImageMachineTest::SetUp();
        if (!image)
            GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
        startWithFreshSettings();
        settings().LogoPath = QStringLiteral("C:\\Logos\\");
        settings().ConfirmLogosetDelete = 1;
        image->makeFolder(QStringLiteral("Logos"));
        image->makeFolder(QStringLiteral("Logos/Beach"));
        image->put(QStringLiteral("Logos/Beach/LOGO.SYS"), "beach");
        image->put(QStringLiteral("Logos/Beach/LOGOW.SYS"), "old wait");
        image->attrib({ QStringLiteral("+r") }, QStringLiteral("Logos/Beach/LOGOW.SYS"));
    }

    void openWindow() { window = openMainWindow(); }
    QStringList rows() const { return rowsOf(*window); }

    ScriptedMsgBox msgbox { vbYes };
    std::unique_ptr<Principale> window;
};

} // namespace

TEST_F(ImageLibrary, BrowserListsFoldersAndVisiblePicturesOfAnImageFolder)
{
    image->put(QStringLiteral("Logos/b.jpg"), "x");
    image->put(QStringLiteral("Logos/A.BMP"), "x");
    image->put(QStringLiteral("Logos/notes.txt"), "x");
    image->put(QStringLiteral("Logos/hidden.gif"), "x");
    image->attrib({ QStringLiteral("+h") }, QStringLiteral("Logos/hidden.gif"));
    image->makeFolder(QStringLiteral("Logos/alpha"));
    const FolderContents contents = readFolderContents(QStringLiteral("C:\\logos"));
    EXPECT_EQ(contents.folders, QStringList({ "alpha", "Beach" }));
    EXPECT_EQ(contents.files, QStringList({ "A.BMP", "b.jpg" }));
}

TEST_F(ImageLibrary, DroppedHostFolderIsCopiedIntoTheImageOverwritingTheSet)
{
    QDir(hostFolder()).mkpath(QStringLiteral("Beach/Extra"));
    QDir(hostFolder()).mkpath(QStringLiteral("Night.sls"));
    writeHostFile(QStringLiteral("Beach/LOGOW.SYS"), "new wait");
    writeHostFile(QStringLiteral("Beach/Extra/NOTE.TXT"), "deep");
    writeHostFile(QStringLiteral("Night.sls/LOGO.SYS"), "night");
    openWindow();
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(hostFolder() + QStringLiteral("/Beach")),
        QUrl::fromLocalFile(hostFolder() + QStringLiteral("/Night.sls")) });
    window->MyList_OLEDragDrop(&data);

    EXPECT_EQ(rows(), QStringList({ "Beach", "Night.sls" }));
    EXPECT_EQ(msgbox.shown.size(), 1); // the question about overwriting Beach
    EXPECT_EQ(image->get(QStringLiteral("Logos/Beach/LOGOW.SYS")), "new wait"); // read-only, still replaced
    EXPECT_EQ(image->get(QStringLiteral("Logos/Beach/LOGO.SYS")), "beach");
    EXPECT_EQ(image->get(QStringLiteral("Logos/Beach/Extra/NOTE.TXT")), "deep");
    EXPECT_EQ(image->get(QStringLiteral("Logos/Night.sls/LOGO.SYS")), "night");
    EXPECT_EQ(image->fsckProblems(), QString());
}

TEST_F(ImageLibrary, DeletedSetGoesToTheTrashOutOfTheImageOnlyWhenConfirmed)
{
    const ScopedTrash trash;
    settings().DeleteInRecycleBin = 1;
    openWindow();
    window->SelItem(QStringLiteral("Beach"));
    msgbox.answer(vbYes);
    msgbox.answer(vbNo); // the trash's own question
    window->ItmDelete_Click();
    EXPECT_EQ(rows(), QStringList({ "Beach" }));
    EXPECT_EQ(image->get(QStringLiteral("Logos/Beach/LOGO.SYS")), "beach");
    EXPECT_TRUE(trash.trashed().isEmpty());

    window->ItmDelete_Click();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(trash.trashed(), QStringList({ "LOGO.SYS", "LOGOW.SYS" }));
    EXPECT_FALSE(platform::folderExists(QStringLiteral("C:\\Logos\\Beach")));
    EXPECT_TRUE(platform::folderExists(QStringLiteral("C:\\Logos")));
    EXPECT_EQ(image->fsckProblems(), QString());
}
