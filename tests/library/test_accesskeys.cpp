// Every menu and every window gives each access key (Alt + the underlined letter) to one entry only,
// so the keyboard always reaches what the underline promises.
#include "libraryfixture.h"

#include "support/accesskeys.h"

#include "browser/selpictureform.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"
#include "windows/frmabout.h"
#include "windows/helpwindow.h"

namespace
{

// The window's own controls on every page (a tab not shown belongs to the same dialog) and every
// menu it owns; returns how many menus there were.
int expectUniqueKeys(const QWidget& window)
{
    EXPECT_EQ(sharedAccessKeys(windowTexts(window, Pages::EveryPage)), QStringList())
        << window.objectName().toStdString();
    return expectUniqueAccessKeysInMenus(window);
}

} // namespace

TEST(AccessKeys, ClashesAreFoundWhereverTheyAre)
{
    EXPECT_EQ(sharedAccessKeys({ "&Rename", "D&elete", "&Explore", "&&Co", "Plain", "&refresh" }),
        QStringList({ "D&elete / &Explore", "&Rename / &refresh" }));
}

TEST_F(LibraryTest, EveryMenuAndWindowGivesEachAccessKeyToOneEntry)
{
    makeSet(QStringLiteral("Beach"));
    Principale& main = openWindow();
    // The Logo, Options and Help menus, the previews' open-with menu and the toolbar's own.
    EXPECT_GE(expectUniqueKeys(main), 4);

    SelPictureForm browser(main.browserLink());
    browser.Form_Activate();
    EXPECT_GE(expectUniqueKeys(browser), 2); // Action and Manage

    QAction customProgram(QStringLiteral("Open custom program")), animate;
    MainWindowLink link { &customProgram, &animate, [] {}, [] {} };
    FrmOptions preferences(link);
    preferences.Form_Activate();
    expectUniqueKeys(preferences);

    FrmOnline online;
    expectUniqueKeys(online);
    FrmAbout about;
    expectUniqueKeys(about);
    HelpWindow* help = HelpWindow::open(&main);
    ASSERT_NE(help, nullptr);
    expectUniqueKeys(*help);
    help->close();
}
