// Every menu and every window gives each access key (Alt + the underlined letter) to one entry only,
// so the keyboard always reaches what the underline promises.
#include "libraryfixture.h"

#include "browser/selpictureform.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"
#include "windows/frmabout.h"
#include "windows/helpwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace
{

// Access key -> the texts that carry it.
using KeyOwners = QMap<QString, QStringList>;

void addKey(KeyOwners& owners, const QString& text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty())
        owners[key.toString()].append(text);
}

QString clashes(const KeyOwners& owners)
{
    QStringList found;
    for (auto it = owners.begin(); it != owners.end(); ++it)
        if (it.value().size() > 1)
            found.append(it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", ")));
    return found.join(QStringLiteral("; "));
}

// The entries of one menu, hidden ones left out (they take no key).
KeyOwners menuKeys(const QWidget& menu)
{
    KeyOwners owners;
    for (const QAction* action : menu.actions())
        if (action->isVisible() && !action->isSeparator())
            addKey(owners, action->text());
    return owners;
}

// The keys of a window's own controls on every page (a tab that is not shown still belongs to
// the same dialog) and of its menu bar.
KeyOwners windowKeys(const QWidget& window)
{
    KeyOwners owners;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        addKey(owners, button->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        addKey(owners, label->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        addKey(owners, box->title());
    for (const QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            addKey(owners, tabs->tabText(i));
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (const QAction* action : bar->actions())
            if (action->isVisible())
                addKey(owners, action->text());
    return owners;
}

// Checks the window and every menu it owns; returns how many menus were checked.
int expectUniqueKeys(const QWidget& window)
{
    const QString name = window.objectName();
    EXPECT_EQ(clashes(windowKeys(window)), QString()) << name.toStdString();
    int menus = 0;
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        EXPECT_EQ(clashes(menuKeys(*menu)), QString()) << (name + u'/' + menu->title()).toStdString();
        ++menus;
    }
    return menus;
}

} // namespace

TEST(AccessKeys, ClashesAreFoundWhereverTheyAre)
{
    KeyOwners owners;
    for (const char* text : { "&Rename", "D&elete", "&Explore", "&&Co", "Plain", "&Refresh" })
        addKey(owners, QLatin1String(text));
    EXPECT_EQ(clashes(owners), QStringLiteral("Alt+E: D&elete, &Explore; Alt+R: &Rename, &Refresh"));
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
