#include "libraryfixture.h"

#include "browser/logosetdeletion.h"
#include "library/activebar.h"
#include "platform/shell.h"
#include "support/scopedtrash.h"
#include "windows/picturebox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

class ListCommandsTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        for (const char* name : { "Alpha", "Beach", "Dawn.sls" })
            makeSet(QString::fromLatin1(name));
        writeScreen(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS"), 50);
        settings().DefaultLogoSet = QStringLiteral("Beach");
        openWindow();
    }
    // Renames the selected set as the list's editor would.
    bool rename(const QString& from, const QString& to)
    {
        select(from);
        window->MyList_BeforeLabelEdit();
        bool cancel = false;
        window->MyList_AfterLabelEdit(cancel, to);
        return !cancel;
    }
    QStringList onDisk(const QString& folder = QStringLiteral("C:\\Logos")) const
    {
        return QDir(machine.host(folder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(ListCommandsTest, RenameAsksBeforeTheKindChanges)
{
    msgbox.answer(vbNo);
    EXPECT_FALSE(rename("Alpha", "Alpha.sls"));
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt,
        "Would you like to change your logoset format from Multi Logo to Single Logo?");
    EXPECT_EQ(onDisk(), QStringList({ "Alpha", "Beach", "Dawn.sls" }));
    EXPECT_EQ(list()->itemIconKey(0), "multilogo");

    EXPECT_TRUE(rename("Dawn.sls", "Dawn"));
    EXPECT_EQ(msgbox.shown.last().prompt,
        "Would you like to change your logoset format from Single Logo to Multi Logo?");
    EXPECT_EQ(onDisk(), QStringList({ "Alpha", "Beach", "Dawn" }));
    EXPECT_EQ(selectedText(), "Dawn");
    EXPECT_EQ(list()->itemIconKey(list()->selectedRow()), "multilogo");
    EXPECT_EQ(child<QLabel>(*window, "LogoType")->text(), "Multi logo");
}

TEST_F(ListCommandsTest, RenameFollowsTheInstalledSetOnly)
{
    EXPECT_TRUE(rename("Alpha", "First"));
    EXPECT_EQ(settings().DefaultLogoSet, "Beach");
    EXPECT_TRUE(rename("Beach", "Coast"));
    EXPECT_EQ(settings().DefaultLogoSet, "Coast");
    EXPECT_TRUE(msgbox.shown.isEmpty()); // no kind changed, nothing to ask
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), "Coast");
    EXPECT_EQ(greyAtCentre(child<PictureBox>(*window, "Imag0")->picture()), 50);
}

TEST_F(ListCommandsTest, RenameRefusesTakenAndUnsafeNames)
{
    machine.makeFolder(QStringLiteral("C:\\Outside"));
    for (const char* name : { "beach", "..\\Moved", "..", ".", "a/b", "C:Moved", "x:y", "Star*", "CON",
             "lpt1.sls", "Nul.tar.gz", "tab\there" }) {
        msgbox.shown.clear();
        EXPECT_FALSE(rename("Alpha", QString::fromLatin1(name))) << name;
        ASSERT_EQ(msgbox.shown.size(), 1) << name;
        // Names Windows cannot hold get a second line saying which rule they break.
        const QStringList lines = msgbox.shown[0].prompt.split(u'\n');
        EXPECT_EQ(lines[0], "Cannot rename folder. The folder already exists or has an invalid name");
        EXPECT_EQ(lines.size(), QString(name) == "beach" ? 1 : 2) << name;
    }
    msgbox.shown.clear();
    EXPECT_FALSE(rename("Alpha", QStringLiteral("  ")));
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt, "The logo set has no name. Type a name for it first.");
    EXPECT_EQ(onDisk(), QStringList({ "Alpha", "Beach", "Dawn.sls" }));
    EXPECT_EQ(
        onDisk(QStringLiteral("C:\\")), QStringList({ "Logos", "Outside", "Program Files", "WINDOWS" }));
    EXPECT_EQ(rows(), QStringList({ "Alpha", "Beach", "Dawn.sls" }));
}

TEST_F(ListCommandsTest, RenameDropsTrailingDotsAndBlanksAsWindowsDoesAndShowsTheNameUsed)
{
    rename("Alpha", QStringLiteral("Polar. ."));
    EXPECT_TRUE(msgbox.shown.isEmpty());
    EXPECT_EQ(onDisk(), QStringList({ "Beach", "Dawn.sls", "Polar" }));
    EXPECT_EQ(rows(), QStringList({ "Polar", "Beach", "Dawn.sls" }));
}

TEST_F(ListCommandsTest, DeleteAsksAndKeepsTheInstalledLabelInStep)
{
    msgbox.answer(vbNo);
    select(QStringLiteral("Beach"));
    window->MyList_KeyUp(Qt::Key_Delete, Qt::NoModifier);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].title, "Confirm deletions");
    EXPECT_EQ(msgbox.shown[0].prompt,
        "Are you sure you want to delete Beach logo set? This operation will delete all "
        "files contained in 'C:\\Logos\\Beach' folder!");
    EXPECT_EQ(rows().size(), 3);

    select(QStringLiteral("Alpha"));
    window->ItmDelete_Click();
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), "Beach");
    EXPECT_EQ(selectedText(), "Beach");

    // The last row goes: the new last row is selected.
    settings().ConfirmLogosetDelete = 0;
    select(QStringLiteral("Dawn.sls"));
    window->ItmDelete_Click();
    EXPECT_EQ(msgbox.shown.size(), 2);
    EXPECT_EQ(onDisk(), QStringList({ "Beach" }));
    EXPECT_EQ(selectedText(), "Beach");
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), "Beach");
    EXPECT_EQ(child<QLabel>(*window, "NumLogo")->text(), " 1 logo set");

    window->ItmDelete_Click();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), DontKnow);
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
    EXPECT_EQ(child<QLabel>(*window, "NumLogo")->text(), " 0 logo sets");
    for (PictureBox* preview : childRow<PictureBox, 3>(*window, "Imag"))
        EXPECT_FALSE(preview->hasPicture());
    EXPECT_FALSE(bar()->Tools("ToolDelete")->isEnabled());
    window->MyList_KeyUp(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(msgbox.shown.size(), 2);
}

TEST_F(ListCommandsTest, DeleteIntoTheTrashRemovesTheEmptiedFolder)
{
    const ScopedTrash trash;
    settings().ConfirmLogosetDelete = 0;
    settings().DeleteInRecycleBin = 1;
    select(QStringLiteral("Dawn.sls"));
    window->ItmDelete_Click();
    select(QStringLiteral("Beach"));
    window->ItmDelete_Click();
    EXPECT_EQ(trash.trashed(), QStringList({ "LOGO.SYS" }));
    EXPECT_EQ(onDisk(), QStringList({ "Alpha" }));
    EXPECT_EQ(rows(), QStringList({ "Alpha" }));
}

TEST_F(ListCommandsTest, SetThatDidNotGoStaysListedAndInstalled)
{
    const ScopedTrash trash;
    settings().ConfirmLogosetDelete = 0;
    settings().DeleteInRecycleBin = 1;
    msgbox.answer(vbNo); // the trash's own question
    select(QStringLiteral("Beach"));
    window->ItmDelete_Click();
    EXPECT_TRUE(trash.trashed().isEmpty());
    EXPECT_EQ(onDisk(), QStringList({ "Alpha", "Beach", "Dawn.sls" }));
    EXPECT_EQ(rows(), QStringList({ "Alpha", "Beach", "Dawn.sls" }));
    EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), QStringLiteral("Beach"));
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Beach"));
}

TEST_F(ListCommandsTest, DeletionNeverLeavesTheLibrary)
{
    writeScreen(QStringLiteral("C:\\Logos\\LOGOW.SYS"), 1);
    machine.makeFolder(QStringLiteral("C:\\Logos\\Beach\\Inner"));
    settings().ConfirmLogosetDelete = 0;
    for (const char* folder : { "C:\\Logos\\", "C:\\Logos", "C:\\WINDOWS", "C:\\Logos\\..\\WINDOWS",
             "C:\\Logos\\Beach\\Inner", "D:\\Logos\\Beach", "C:\\Logos\\Be*" })
        EXPECT_FALSE(EliminaLogoSet(QString::fromLatin1(folder), QStringLiteral("Beach"))) << folder;
    EXPECT_FALSE(EliminaLogoSet(QStringLiteral("C:\\Logos\\Beach"), QString()));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Logos\\LOGOW.SYS")));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Logos\\Beach\\Inner")));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\WINDOWS")));
    EXPECT_TRUE(msgbox.shown.isEmpty());

    // A set holding folders of its own goes whole.
    EXPECT_TRUE(EliminaLogoSet(QStringLiteral("c:\\logos\\Beach\\"), QStringLiteral("Beach")));
    EXPECT_EQ(onDisk(), QStringList({ "Alpha", "Dawn.sls" }));
}

TEST_F(ListCommandsTest, ToolsAndMenusFollowTheSelection)
{
    Principale& w = *window;
    list()->clearSelection();
    w.MyList_MouseUp(Qt::LeftButton, Qt::NoModifier, {});
    w.MnuListLogo_Click();
    EXPECT_FALSE(bar()->Tools("ToolRename")->isEnabled());
    EXPECT_FALSE(child<QAction>(w, "ToolDelete")->isEnabled());

    QStringList opened;
    platform::setShellOpener([&](const QString& target) {
        opened.append(target);
        return true;
    });
    w.ActiveBar1_Click(bar()->Tools("ToolExplore"));
    w.MyList_KeyUp(Qt::Key_F2, Qt::NoModifier);
    EXPECT_FALSE(list()->isEditingLabel());

    select(QStringLiteral("Alpha"));
    w.MyList_MouseUp(Qt::RightButton, Qt::NoModifier, {});
    w.MnuListLogo_Click();
    EXPECT_TRUE(bar()->Tools("ToolSetDefault")->isEnabled());
    EXPECT_TRUE(child<QAction>(w, "ToolRename")->isEnabled());
    EXPECT_TRUE(bar()->band("LogoBand")->isVisible());
    bar()->band("LogoBand")->close();
    w.ItmExplore_Click();
    platform::setShellOpener({});
    EXPECT_EQ(opened, QStringList({ "C:\\Logos\\", "C:\\Logos\\Alpha" }));
}

TEST_F(ListCommandsTest, EditingTheLabelRenamesOnlyWhenAccepted)
{
    Principale& w = *window;
    w.show();
    const auto editTo = [&](const QString& set, const QString& text) {
        select(set);
        w.MyList_KeyUp(Qt::Key_F2, Qt::NoModifier);
        ASSERT_TRUE(list()->isEditingLabel());
        auto* editor = list()->activeView()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
        // The editor commits from a queued call and the list answers from another.
        QApplication::processEvents();
        QApplication::processEvents();
    };
    editTo(QStringLiteral("Alpha"), QStringLiteral("Arctic"));
    EXPECT_EQ(onDisk(), QStringList({ "Arctic", "Beach", "Dawn.sls" }));
    EXPECT_EQ(rows(), QStringList({ "Arctic", "Beach", "Dawn.sls" }));

    editTo(QStringLiteral("Arctic"), QStringLiteral("Dawn.sls"));
    EXPECT_EQ(
        msgbox.shown.last().prompt, "Cannot rename folder. The folder already exists or has an invalid name");
    EXPECT_EQ(rows(), QStringList({ "Arctic", "Beach", "Dawn.sls" }));
}
