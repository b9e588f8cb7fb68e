// The logo browser driven by real clicks and keys, and its menus as an assistive tool sees them.
#include "browserfixture.h"
#include "support/openedmenu.h"

#include "windows/pictureactions.h"
#include "windows/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace
{

class BrowserWiringTest : public BrowserTest
{
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        writeScreen(QStringLiteral("C:\\Pics\\start.sys"), 40);
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

TEST_F(BrowserWiringTest, KeysAndTheAddButtonFillASlot)
{
    form->CurrentFolder = QStringLiteral("C:\\Pics\\");
    form->FillList(form->CurrentFolder);
    const auto found = entryList()->findItems(QStringLiteral("start.sys"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    entryList()->setFocus();
    entryList()->setCurrentRow(0);
    // Walking down the list with the keyboard previews each entry it lands on.
    while (entryList()->currentItem() != found.first()) {
        const int before = entryList()->currentRow();
        QTest::keyClick(entryList(), Qt::Key_Down);
        ASSERT_NE(entryList()->currentRow(), before) << "the list did not move";
    }
    ASSERT_TRUE(child<PictureBox>(*form, "CurView")->hasPicture());
    ASSERT_TRUE(child<QPushButton>(*form, "AddButton0")->isEnabled());
    QTest::mouseClick(child<QPushButton>(*form, "AddButton0"), Qt::LeftButton);
    EXPECT_TRUE(child<PictureBox>(*form, "ImgPreview0")->hasPicture());
    EXPECT_EQ(child<PictureBox>(*form, "ImgPreview0")->tag(), QStringLiteral("C:\\Pics\\start.sys"));
    EXPECT_TRUE(child<QPushButton>(*form, "DeleteButton0")->isEnabled());
    QTest::mouseClick(child<QPushButton>(*form, "DeleteButton0"), Qt::LeftButton);
    EXPECT_FALSE(child<PictureBox>(*form, "ImgPreview0")->hasPicture());
}

TEST_F(BrowserWiringTest, ActionMenuIsOnTheAccessibilityTreeWhileOpen)
{
    QMenu* actions = child<QMenu>(*form, "mnuAction");
    QTest::mouseClick(child<QPushButton>(*form, "ActButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(actions));
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QAccessibleInterface* menu = nullptr;
    for (int i = 0; i < application->childCount(); ++i)
        if (QAccessibleInterface* entry = application->child(i); entry->object() == actions)
            menu = entry;
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (int i = 0; i < menu->childCount(); ++i)
        entries << menu->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(entries.contains(QStringLiteral("Create new set")))
        << entries.join(QLatin1Char('|')).toStdString();
    actions->close();
}

TEST_F(BrowserWiringTest, MenuKeyOpensTheManageMenu)
{
    entryList()->setFocus();
    QContextMenuEvent menuKey(
        QContextMenuEvent::Keyboard, QPoint(0, 0), entryList()->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::sendEvent(entryList(), &menuKey);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(child<QMenu>(*form, "MnuManage")));
    EXPECT_TRUE(child<QMenu>(*form, "MnuManage")->isVisible());
    child<QMenu>(*form, "MnuManage")->close();
}

// The browser over a library whose previews have the open-with menu, as the main window lends it.
class BrowserKeyboardTest : public BrowserWiringTest
{
protected:
    LibraryLink connectLibrary(const QString& selected) override
    {
        LibraryLink link = BrowserTest::connectLibrary(selected);
        link.pictures = &pictures;
        return link;
    }
    // Tab from the list until `target` has the focus; fails when it is never reached.
    static void tabTo(QWidget* from, QWidget* target)
    {
        from->setFocus();
        for (int presses = 0; presses < 20 && !target->hasFocus(); ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(target->hasFocus()) << target->objectName().toStdString() << " is not reached by Tab";
    }
    void TearDown() override { form.reset(); } // it holds the pictures below

    QWidget owner;
    PictureActions pictures { &owner };
};

TEST_F(BrowserKeyboardTest, PreviewAndSlotsActOnEnterAndTheMenuKeyOnly)
{
    preview(QStringLiteral("C:\\Pics\\"), QStringLiteral("start.sys"));
    auto* shown = child<PictureBox>(*form, "CurView");
    tabTo(entryList(), shown);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown)->role(), QAccessible::Button);

    // With no custom program the default action asks for one: the question shows that it ran.
    settings().DefaultAction = 2;
    msgbox.answer(vbNo);
    QTest::keyClick(shown, Qt::Key_Return);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(settings().ActionImageFile, QStringLiteral("C:\\Pics\\start.sys"));
    QMenu* menu = menuOpenedBy([&] { QTest::keyClick(shown, Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_EQ(menu, pictures.menu());

    // The list's keys stay the list's: Delete on the preview deletes no file.
    QTest::keyClick(shown, Qt::Key_Delete);
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Pics\\start.sys")));
    EXPECT_EQ(msgbox.shown.size(), 1);

    // A slot's picture is acted on the same way, and an empty slot does nothing.
    auto* startup = child<PictureBox>(*form, "ImgPreview0");
    auto* wait = child<PictureBox>(*form, "ImgPreview1");
    form->AddButton_Click(0);
    tabTo(shown, wait);
    QTest::keyClick(wait, Qt::Key_Space);
    EXPECT_EQ(menuOpenedBy([&] { QTest::keyClick(wait, Qt::Key_Menu); }), nullptr);
    EXPECT_EQ(msgbox.shown.size(), 1);
    tabTo(shown, startup);
    settings().ActionImageFile.clear();
    msgbox.answer(vbNo);
    QTest::keyClick(startup, Qt::Key_Space);
    EXPECT_EQ(msgbox.shown.size(), 2);
    EXPECT_EQ(settings().ActionImageFile, QStringLiteral("C:\\Pics\\start.sys"));
}

} // namespace
