// The logo browser driven by real clicks and keys, and its menus as an assistive tool sees them.
#include "browserfixture.h"

#include "windows/picturebox.h"

#include <QAccessible>
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
    }
};

TEST_F(BrowserWiringTest, KeysAndTheAddButtonFillASlot)
{
    form->CurrentFolder = QStringLiteral("C:\\Pics\\");
    form->FillList(form->CurrentFolder);
    const auto found = form->LogoList->findItems(QStringLiteral("start.sys"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    form->LogoList->setFocus();
    form->LogoList->setCurrentRow(0);
    // Walking down the list with the keyboard previews each entry it lands on.
    while (form->LogoList->currentItem() != found.first()) {
        const int before = form->LogoList->currentRow();
        QTest::keyClick(form->LogoList, Qt::Key_Down);
        ASSERT_NE(form->LogoList->currentRow(), before) << "the list did not move";
    }
    ASSERT_TRUE(form->CurView->hasPicture());
    ASSERT_TRUE(form->AddButton[0]->isEnabled());
    QTest::mouseClick(form->AddButton[0], Qt::LeftButton);
    EXPECT_TRUE(form->ImgPreview[0]->hasPicture());
    EXPECT_EQ(form->ImgPreview[0]->tag(), QStringLiteral("C:\\Pics\\start.sys"));
    EXPECT_TRUE(form->DeleteButton[0]->isEnabled());
    QTest::mouseClick(form->DeleteButton[0], Qt::LeftButton);
    EXPECT_FALSE(form->ImgPreview[0]->hasPicture());
}

TEST_F(BrowserWiringTest, ActionMenuIsOnTheAccessibilityTreeWhileOpen)
{
    QTest::mouseClick(form->ActButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->mnuAction));
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QAccessibleInterface* menu = nullptr;
    for (int i = 0; i < application->childCount(); ++i)
        if (QAccessibleInterface* child = application->child(i); child->object() == form->mnuAction)
            menu = child;
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (int i = 0; i < menu->childCount(); ++i)
        entries << menu->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(entries.contains(QStringLiteral("Create new set")))
        << entries.join(QLatin1Char('|')).toStdString();
    form->mnuAction->close();
}

TEST_F(BrowserWiringTest, MenuKeyOpensTheManageMenu)
{
    form->LogoList->setFocus();
    QContextMenuEvent menuKey(
        QContextMenuEvent::Keyboard, QPoint(0, 0), form->LogoList->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::sendEvent(form->LogoList, &menuKey);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->MnuManage));
    EXPECT_TRUE(form->MnuManage->isVisible());
    form->MnuManage->close();
}

} // namespace
