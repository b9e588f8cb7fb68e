#include "libraryfixture.h"

#include "windows/picturebox.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>

TEST_F(LibraryTest, ScanListsSubfoldersAlphabeticallyWithTheirKind)
{
    for (const char* name : { "beta", "Sea.view", "Alpha", "Beach.sls", "Sun.SLS", "Beach.slsx", "Empty" })
        makeSet(QString::fromLatin1(name));
    writeScreen(QStringLiteral("C:\\Logos\\LOGOW.SYS"), 10);
    writeScreen(QStringLiteral("C:\\Logos\\Alpha\\LOGO.SYS"), 10);
    Principale& w = openWindow();

    EXPECT_EQ(
        rows(), QStringList({ "Alpha", "Beach.sls", "Beach.slsx", "beta", "Empty", "Sea.view", "Sun.SLS" }));
    const QStringList single = { "Beach.sls", "Sun.SLS" };
    for (int row = 0; row < list()->count(); ++row)
        EXPECT_EQ(
            list()->itemIconKey(row), single.contains(list()->itemText(row)) ? "singlelogo" : "multilogo")
            << list()->itemText(row).toStdString();
    EXPECT_EQ(child<QLabel>(w, "NumLogo")->text(), " 7 logo sets");
}

TEST_F(LibraryTest, InstalledSetIsFoundWithoutRegardToCaseAndShown)
{
    makeSet(QStringLiteral("Beach"));
    makeSet(QStringLiteral("Zebra"));
    writeScreen(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS"), 40);
    settings().DefaultLogoSet = QStringLiteral("beach");
    Principale& w = openWindow();

    EXPECT_EQ(child<QLabel>(w, "DefaultLogo")->text(), "Beach");
    EXPECT_EQ(selectedText(), "Beach");
    EXPECT_EQ(greyAtCentre(child<PictureBox>(w, "Imag0")->picture()), 40);
    EXPECT_EQ(child<QLabel>(w, "LogoType")->text(), "Multi logo");
    EXPECT_TRUE(bar()->Tools("ToolDelete")->isEnabled());

    // Gone from disk: the next scan forgets it.
    machine.makeFolder(QStringLiteral("C:\\Other"));
    QDir(machine.host(QStringLiteral("C:\\Logos\\Beach"))).removeRecursively();
    w.MyList_KeyUp(Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(rows(), QStringList({ "Zebra" }));
    EXPECT_EQ(child<QLabel>(w, "DefaultLogo")->text(), DontKnow);
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
    EXPECT_FALSE(child<PictureBox>(w, "Imag0")->hasPicture());
    EXPECT_FALSE(bar()->Tools("ToolDelete")->isEnabled());
}

TEST_F(LibraryTest, EmptyOrUnreadableLogoFolderGivesAnEmptyList)
{
    Principale& w = openWindow();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(child<QLabel>(w, "NumLogo")->text(), " 0 logo sets");
    EXPECT_EQ(child<QLabel>(w, "DefaultLogo")->text(), DontKnow);

    settings().DefaultLogoSet = QStringLiteral("Beach");
    settings().LogoPath = QStringLiteral("C:\\Missing\\");
    w.itmRefresh_Click();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(child<QLabel>(w, "DefaultLogo")->text(), DontKnow);
    // An unreadable folder is no evidence that the set is gone.
    EXPECT_EQ(settings().DefaultLogoSet, "Beach");
}

TEST_F(LibraryTest, SingleLogoSetShowsTheLibrarysOwnWaitAndShutdownScreens)
{
    makeSet(QStringLiteral("Dawn.sls"));
    makeSet(QStringLiteral("Plain"));
    writeScreen(QStringLiteral("C:\\Logos\\Dawn.sls\\LOGO.SYS"), 30);
    writeScreen(QStringLiteral("C:\\Logos\\Dawn.sls\\LOGOW.SYS"), 99);
    writeScreen(QStringLiteral("C:\\Logos\\LOGOW.SYS"), 60);
    writeScreen(QStringLiteral("C:\\Logos\\LOGOS.SYS"), 70);
    Principale& w = openWindow();

    select(QStringLiteral("Dawn.sls"));
    EXPECT_EQ(child<QLabel>(w, "LogoType")->text(), "Single logo");
    EXPECT_EQ(greyAtCentre(child<PictureBox>(w, "Imag0")->picture()), 30);
    EXPECT_EQ(greyAtCentre(child<PictureBox>(w, "Imag1")->picture()), 60);
    EXPECT_EQ(greyAtCentre(child<PictureBox>(w, "Imag2")->picture()), 70);
    EXPECT_EQ(child<PictureBox>(w, "Imag1")->tag(), "C:\\Logos\\LOGOW.SYS");

    select(QStringLiteral("Plain"));
    EXPECT_EQ(child<QLabel>(w, "LogoType")->text(), "Multi logo");
    for (PictureBox* preview : childRow<PictureBox, 3>(w, "Imag"))
        EXPECT_FALSE(preview->hasPicture());
    EXPECT_EQ(child<PictureBox>(w, "Imag2")->tag(), "C:\\Logos\\Plain\\LOGOS.SYS");

    // Only a whole name selects; anything else leaves the selection alone.
    select(QStringLiteral("Pla"));
    select(QStringLiteral("plain"));
    EXPECT_EQ(selectedText(), "Plain");
}

TEST_F(LibraryTest, PreviewClicksActOnlyOnShownPictures)
{
    makeSet(QStringLiteral("Set"));
    writeScreen(QStringLiteral("C:\\Logos\\Set\\LOGO.SYS"), 20);
    Principale& w = openWindow();
    select(QStringLiteral("Set"));
    Settings& s = settings();
    s.DefaultAction = 2;
    s.ActionImageFile = QStringLiteral("unchanged");

    w.Imag_MouseUp(1, Qt::LeftButton, Qt::NoModifier, {});
    EXPECT_EQ(s.ActionImageFile, "unchanged");
    EXPECT_TRUE(msgbox.shown.isEmpty());

    msgbox.answer(vbNo);
    w.Imag_MouseUp(0, Qt::LeftButton, Qt::NoModifier, {});
    EXPECT_EQ(s.ActionImageFile, "C:\\Logos\\Set\\LOGO.SYS");
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt, "You haven't specified a custom program. Would you like to do it now?");
    EXPECT_EQ(msgbox.shown[0].buttons, vbYesNo | vbQuestion);

    s.CustomProgPath = QStringLiteral("C:\\Tools\\view.exe");
    w.Imag_MouseUp(0, Qt::LeftButton, Qt::NoModifier, {});
    ASSERT_EQ(msgbox.shown.size(), 2);
    EXPECT_EQ(msgbox.shown[1].prompt,
        "Cannot find the file C:\\Tools\\view.exe or it is not an executable file. Check it out and retry.");

    // The right button pops up the open-with menu with the default action in bold.
    QAction* shownDefault = nullptr;
    QTimer::singleShot(50, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shownDefault = popup->defaultAction();
            popup->close();
        }
    });
    w.Imag_MouseUp(0, Qt::RightButton, Qt::NoModifier, {});
    EXPECT_EQ(shownDefault, child<QAction>(w, "ItmOpenAct2"));
}
