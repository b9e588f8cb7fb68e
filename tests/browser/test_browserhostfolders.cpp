// The browser on a machine whose Windows is a disk image: folders on the drives the image lacks
// are named as the host folders the user knows, in the drive list and above the list of files.
#include "browserfixture.h"
#include "support/imagemachine.h"

#include <QLabel>

namespace
{

class BrowserOnImageMachine : public ImageMachineTest
{
protected:
    void SetUp() override
    {
        ImageMachineTest::SetUp();
        SKIP_WITHOUT_IMAGE_TOOLS();
        startWithFreshSettings();
        QDir(hostFolder()).mkpath(QStringLiteral("Logos/Sea"));
        QDir(hostFolder()).mkpath(QStringLiteral("Pictures/Holidays in the mountains, summer 2026"));
        settings().LogoPath = QStringLiteral("H:\\Logos\\");
        library.rescan();
        form = std::make_unique<SelPictureForm>(library.link());
        form->Form_Activate();
    }
    QLabel* caption() const { return child<QLabel>(*form, "CurPath"); }

    LibraryStandIn library;
    std::unique_ptr<SelPictureForm> form;
};

} // namespace

TEST_F(BrowserOnImageMachine, HostOnlyDrivesAndTheirFoldersAreNamedAsHostFolders)
{
    EXPECT_EQ(driveItemText(u'C'), QStringLiteral("c:"));
    EXPECT_EQ(driveItemText(u'H'), QStringLiteral("h: [") + hostFolder() + u']');
    EXPECT_GE(child<QComboBox>(*form, "Drive1")->findText(driveItemText(u'H')), 0);

    // Without a set to start from, the browser opens in the program's folder, here H:\.
    EXPECT_EQ(caption()->toolTip(), hostFolder());
    const QString pictures = hostFolder() + QStringLiteral("/Pictures");
    ASSERT_TRUE(form->goToLocation(QStringLiteral("H:\\Pictures")));
    EXPECT_EQ(caption()->toolTip(), pictures);
    EXPECT_TRUE(caption()->text().endsWith(QStringLiteral("/Pictures"))) << qPrintable(caption()->text());

    // A long one is shortened in the middle to the label's width and whole in the tooltip.
    ASSERT_TRUE(form->goToLocation(QStringLiteral("H:\\Pictures\\Holidays in the mountains, summer 2026")));
    const QString holidays = pictures + QStringLiteral("/Holidays in the mountains, summer 2026");
    EXPECT_EQ(caption()->toolTip(), holidays);
    EXPECT_TRUE(caption()->text().endsWith(QStringLiteral("2026"))) << qPrintable(caption()->text());
    EXPECT_LE(caption()->fontMetrics().horizontalAdvance(caption()->text()), caption()->width());

    // The image's own drive keeps its Windows names.
    ASSERT_TRUE(form->goToLocation(QStringLiteral("C:\\WINDOWS")));
    EXPECT_EQ(caption()->text(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_TRUE(caption()->toolTip().isEmpty());
}
