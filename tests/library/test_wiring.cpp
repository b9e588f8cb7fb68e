// The main window driven as a user does: real clicks on its buttons and menus, and the actions an
// assistive tool offers, each running its command once.
#include "libraryfixture.h"
#include "support/openedmenu.h"

#include "windows/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace
{

class WiringTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        makeSet(QStringLiteral("Alpha"));
        settings().DefaultLogoSet = QStringLiteral("Alpha");
        openWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QToolButton* toolButton(const char* tool) const
    {
        auto* toolBar = window->findChild<QToolBar*>(QStringLiteral("BarMain"));
        return qobject_cast<QToolButton*>(toolBar->widgetForAction(bar()->Tools(QLatin1String(tool))));
    }
    static void toggleAccessibly(QWidget* widget)
    {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(button, nullptr);
        ASSERT_NE(button->actionInterface(), nullptr);
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
    static QAccessibleInterface* openMenuUnderApplication(const QMenu* menu)
    {
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < application->childCount(); ++i)
            if (QAccessibleInterface* child = application->child(i); child && child->object() == menu)
                return child;
        return nullptr;
    }
    static QAccessibleInterface* findBelow(QAccessibleInterface* node, const QObject* wanted, int depth = 0)
    {
        if (!node || depth > 12)
            return nullptr;
        if (node->object() == wanted)
            return node;
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* found = findBelow(node->child(i), wanted, depth + 1))
                return found;
        return nullptr;
    }
    static QStringList entryNames(QAccessibleInterface* menu)
    {
        QStringList names;
        for (int i = 0; i < menu->childCount(); ++i)
            names << menu->child(i)->text(QAccessible::Name);
        return names;
    }
    QString caption() const { return child<QLabel>(*window, "DefaultLogo")->text(); }
};

TEST_F(WiringTest, CurrentSettingViewFollowsItsMarkWhicheverWayItIsToggled)
{
    QToolButton* button = toolButton("ToolShowCurrent");
    ASSERT_NE(button, nullptr);
    QAction* tool = bar()->Tools(QStringLiteral("ToolShowCurrent"));
    ASSERT_EQ(caption(), QStringLiteral("Alpha"));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(tool->isChecked());
    EXPECT_EQ(caption(), QStringLiteral("Current logo setting"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(tool->isChecked());
    EXPECT_EQ(caption(), QStringLiteral("Alpha"));

    toggleAccessibly(button);
    EXPECT_TRUE(tool->isChecked());
    EXPECT_EQ(caption(), QStringLiteral("Current logo setting"));
    EXPECT_FALSE(list()->isEnabled());
    toggleAccessibly(button);
    EXPECT_FALSE(tool->isChecked());
    EXPECT_EQ(caption(), QStringLiteral("Alpha"));

    // A click after the assistive toggles is still in step: one click, one switch.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("Current logo setting"));
    tool->toggle();
    EXPECT_EQ(caption(), QStringLiteral("Alpha"));
}

TEST_F(WiringTest, MenuEntryAndToolAreOneCommand)
{
    EXPECT_EQ(child<QAction>(*window, "ToolReportView"), bar()->Tools(QStringLiteral("ToolReportView")));
    EXPECT_EQ(child<QAction>(*window, "ToolRename"), bar()->Tools(QStringLiteral("ToolRename")));
    EXPECT_EQ(child<QMenu>(*window, "LogoBand"), bar()->band(QStringLiteral("LogoBand")));

    QMenu* options = bar()->band(QStringLiteral("OptionsBand"));
    options->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QAction* report = bar()->Tools(QStringLiteral("ToolReportView"));
    QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(report).center());
    EXPECT_TRUE(report->isChecked());
    EXPECT_FALSE(window->isListViewChecked());

    // The list view tool, pressed while its view is on, keeps its mark.
    QAction* list = bar()->Tools(QStringLiteral("ToolListView"));
    list->trigger();
    list->trigger();
    EXPECT_TRUE(list->isChecked());
    EXPECT_FALSE(report->isChecked());
    EXPECT_TRUE(window->isListViewChecked());
}

TEST_F(WiringTest, OpenPopupMenusAreOnTheAccessibilityTree)
{
    QMenu* openWith = child<QMenu>(*window, "MnuOpenWith");
    EXPECT_EQ(openMenuUnderApplication(openWith), nullptr) << "a closed menu is not listed";
    openWith->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(openWith));
    QAccessibleInterface* menu = openMenuUnderApplication(openWith);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_EQ(menu->parent()->object(), qApp);
    EXPECT_EQ(menu->parent()->child(menu->parent()->indexOfChild(menu))->object(), openWith);
    EXPECT_TRUE(entryNames(menu).contains(QStringLiteral("View actual size")));
    openWith->close();
    EXPECT_EQ(openMenuUnderApplication(openWith), nullptr);

    // The list's pop-up menu is the Logo menu's band: it hangs below the menu bar's entry.
    QMenu* band = bar()->band(QStringLiteral("LogoBand"));
    band->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(band));
    QAccessibleInterface* bandEntry = findBelow(QAccessible::queryAccessibleInterface(qApp), band);
    ASSERT_NE(bandEntry, nullptr);
    EXPECT_TRUE(entryNames(bandEntry).contains(QStringLiteral("Rename")));
    band->close();
}

TEST_F(WiringTest, PreviewsAreReachedByTabAndActOnKeysAndAssistiveActions)
{
    writeScreen(QStringLiteral("C:\\Logos\\Alpha\\LOGO.SYS"), 40);
    select(QStringLiteral("Alpha"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* startup = child<PictureBox>(*window, "Imag0");
    const QImage unfocused = startup->grab().toImage();
    list()->setFocus();
    for (int presses = 0; presses < 10 && !startup->hasFocus(); ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(startup->hasFocus()) << "Tab never reaches the startup preview";
    EXPECT_NE(startup->grab().toImage(), unfocused) << "no focus frame";

    // With no custom program the default action asks for one: each question is one run of it.
    Settings& s = settings();
    s.DefaultAction = 2;
    msgbox.answer(vbNo);
    QTest::keyClick(startup, Qt::Key_Return);
    EXPECT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(s.ActionImageFile, QStringLiteral("C:\\Logos\\Alpha\\LOGO.SYS"));

    EXPECT_EQ(
        menuOpenedBy([&] { QTest::keyClick(startup, Qt::Key_Menu); }), child<QMenu>(*window, "MnuOpenWith"));

    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(startup);
    ASSERT_NE(button->actionInterface(), nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Startup screen preview"));
    msgbox.answer(vbNo);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(msgbox.shown.size(), 2);

    // A preview without a picture offers nothing.
    auto* wait = child<PictureBox>(*window, "Imag1");
    ASSERT_FALSE(wait->hasPicture());
    QTest::keyClick(wait, Qt::Key_Space);
    EXPECT_EQ(msgbox.shown.size(), 2);
}

} // namespace
