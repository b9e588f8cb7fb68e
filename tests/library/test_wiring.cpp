// The main window driven as a user does: real clicks on its buttons and menus, and the actions an
// assistive tool offers, each running its command once.
#include "libraryfixture.h"

#include <QAccessible>
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
        auto* bar = window->findChild<QToolBar*>(QStringLiteral("BarMain"));
        return qobject_cast<QToolButton*>(
            bar->widgetForAction(window->ActiveBar1->Tools(QLatin1String(tool))));
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
    QString caption() const { return window->DefaultLogo->text(); }
};

TEST_F(WiringTest, CurrentSettingViewFollowsItsMarkWhicheverWayItIsToggled)
{
    QToolButton* button = toolButton("ToolShowCurrent");
    ASSERT_NE(button, nullptr);
    QAction* tool = window->ActiveBar1->Tools(QStringLiteral("ToolShowCurrent"));
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
    EXPECT_FALSE(window->MyList->isEnabled());
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
    EXPECT_EQ(window->ItmViewType[1], window->ActiveBar1->Tools(QStringLiteral("ToolReportView")));
    EXPECT_EQ(window->ItmRename, window->ActiveBar1->Tools(QStringLiteral("ToolRename")));
    EXPECT_EQ(window->MnuListLogo, window->ActiveBar1->band(QStringLiteral("LogoBand")));

    QMenu* options = window->ActiveBar1->band(QStringLiteral("OptionsBand"));
    options->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QAction* report = window->ActiveBar1->Tools(QStringLiteral("ToolReportView"));
    QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(report).center());
    EXPECT_TRUE(report->isChecked());
    EXPECT_FALSE(window->isListViewChecked());

    // The list view tool, pressed while its view is on, keeps its mark.
    QAction* list = window->ActiveBar1->Tools(QStringLiteral("ToolListView"));
    list->trigger();
    list->trigger();
    EXPECT_TRUE(list->isChecked());
    EXPECT_FALSE(report->isChecked());
    EXPECT_TRUE(window->isListViewChecked());
}

TEST_F(WiringTest, OpenPopupMenusAreOnTheAccessibilityTree)
{
    QMenu* openWith = window->MnuOpenWith;
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
    QMenu* band = window->ActiveBar1->band(QStringLiteral("LogoBand"));
    band->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(band));
    QAccessibleInterface* bandEntry = findBelow(QAccessible::queryAccessibleInterface(qApp), band);
    ASSERT_NE(bandEntry, nullptr);
    EXPECT_TRUE(entryNames(bandEntry).contains(QStringLiteral("Rename")));
    band->close();
}

} // namespace
