#include "browserfixture.h"

#include "windows/picturebox.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

namespace
{

class SetComposerTest : public BrowserTest
{
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        writeScreen(QStringLiteral("C:\\Pics\\start.sys"), 40);
        writeScreen(QStringLiteral("C:\\Pics\\wait.bmp"), 60);
    }
    bool exists(const QString& path) const { return machine.exists(QStringLiteral("C:\\Logos\\") + path); }
    void chooseOnlyStartup()
    {
        child<QRadioButton>(*form, "OptOnlyStart")->setChecked(true);
        form->OptOnlyStart_Click();
    }
    void chooseComplete()
    {
        child<QRadioButton>(*form, "OptCompSet")->setChecked(true);
        form->OptCompSet_Click();
    }
};

TEST_F(SetComposerTest, CreatesBothKindsWithTheFilledSlotsOnly)
{
    open();
    add(0, QStringLiteral("start.sys"));
    add(1, QStringLiteral("wait.bmp"));
    typeName(QStringLiteral("Sunrise"));
    form->OkButton_Click(0);
    EXPECT_TRUE(exists(QStringLiteral("Sunrise\\LOGO.SYS")));
    EXPECT_TRUE(exists(QStringLiteral("Sunrise\\LOGOW.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Sunrise\\LOGOS.SYS")));
    EXPECT_TRUE(nameRows().contains(QStringLiteral("Sunrise")));
    EXPECT_TRUE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
    EXPECT_FALSE(child<QAction>(*form, "OkButton0")->isEnabled());

    chooseOnlyStartup();
    typeName(QStringLiteral("Dawn"));
    form->OkButton_Click(0);
    EXPECT_EQ(nameBox()->currentText(), QStringLiteral("Dawn.sls"));
    EXPECT_TRUE(exists(QStringLiteral("Dawn.sls\\LOGO.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Dawn.sls\\LOGOW.SYS")));
}

TEST_F(SetComposerTest, RefusesTakenAndUnsafeNamesAndWritesNothing)
{
    makeSet(QStringLiteral("Sea"), false);
    open();
    add(0, QStringLiteral("start.sys"));
    const QStringList rowsBefore = nameRows();
    for (const QString& name : { QStringLiteral("Sea"), QStringLiteral("a\\b"), QStringLiteral("..\\Out"),
             QStringLiteral(".."), QStringLiteral("x:y"), QStringLiteral("a/b"), QStringLiteral("CON"),
             QStringLiteral("com9.txt"), QStringLiteral("a|b"), QString(300, u'x') }) {
        msgbox.shown.clear();
        typeName(name);
        form->OkButton_Click(0);
        ASSERT_EQ(msgbox.shown.size(), 1) << name.toStdString();
        EXPECT_EQ(msgbox.shown[0].title, QStringLiteral("Cannot create directory"));
        const QStringList lines = msgbox.shown[0].prompt.split(u'\n');
        EXPECT_EQ(lines[0],
            QStringLiteral("A directory named ") + name
                + QStringLiteral(" already exist or bad directory name!"));
        // Only the taken name breaks no naming rule.
        EXPECT_EQ(lines.size(), name == QLatin1String("Sea") ? 1 : 2) << name.toStdString();
    }
    msgbox.shown.clear();
    typeName(QString());
    form->OkButton_Click(0);
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt, QStringLiteral("The logo set has no name. Type a name for it first."));
    EXPECT_EQ(nameRows(), rowsBefore);
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\Out")));
    EXPECT_FALSE(exists(QStringLiteral("Sea\\LOGO.SYS")));
    EXPECT_EQ(QDir(machine.host(QStringLiteral("C:\\Logos"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ "Sea" }));
}

TEST_F(SetComposerTest, TrailingDotsAndBlanksAreDroppedAndTheNameBoxShowsTheNameUsed)
{
    open();
    add(0, QStringLiteral("start.sys"));
    typeName(QStringLiteral("Harbour . "));
    form->OkButton_Click(0);
    EXPECT_TRUE(msgbox.shown.isEmpty());
    EXPECT_TRUE(exists(QStringLiteral("Harbour\\LOGO.SYS")));
    EXPECT_EQ(nameBox()->currentText(), QStringLiteral("Harbour"));
}

TEST_F(SetComposerTest, LoadedSingleLogoSetTurnedCompleteIsRenamedWithOnlyFilledSlotsWritten)
{
    makeSet(QStringLiteral("Sunrise.sls"), false);
    writeScreen(QStringLiteral("C:\\Logos\\Sunrise.sls\\LOGO.SYS"), 10);
    open(QStringLiteral("Sunrise.sls"));
    EXPECT_TRUE(child<QRadioButton>(*form, "OptOnlyStart")->isChecked());
    EXPECT_TRUE(child<QLabel>(*form, "LblNotAval1")->isVisibleTo(form.get()));
    EXPECT_FALSE(
        child<QAction>(*form, "OkButton0")->isEnabled() || child<QAction>(*form, "OkButton1")->isEnabled());
    EXPECT_TRUE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
    chooseComplete();
    EXPECT_EQ(nameBox()->currentText(), QStringLiteral("Sunrise"));
    add(2, QStringLiteral("wait.bmp"));
    ASSERT_TRUE(child<QAction>(*form, "OkButton1")->isEnabled());
    form->OkButton_Click(1);
    EXPECT_FALSE(exists(QStringLiteral("Sunrise.sls")));
    EXPECT_TRUE(exists(QStringLiteral("Sunrise\\LOGO.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Sunrise\\LOGOW.SYS")));
    EXPECT_TRUE(exists(QStringLiteral("Sunrise\\LOGOS.SYS")));
    EXPECT_EQ(nameRows(), QStringList({ "Sunrise" }));
}

TEST_F(SetComposerTest, UpdateDeletesScreensTheSetNoLongerHas)
{
    makeSet(QStringLiteral("Sea"));
    makeSet(QStringLiteral("Wave"));
    const QByteArray startup = machine.readFile(QStringLiteral("C:\\Logos\\Sea\\LOGO.SYS"));
    open(QStringLiteral("Sea"));
    form->DeleteButton_Click(1);
    ASSERT_TRUE(child<QAction>(*form, "OkButton1")->isEnabled());
    form->OkButton_Click(1);
    EXPECT_FALSE(exists(QStringLiteral("Sea\\LOGOW.SYS")));
    EXPECT_TRUE(exists(QStringLiteral("Sea\\LOGOS.SYS")));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Sea\\LOGO.SYS")), startup);

    open(QStringLiteral("Wave"));
    chooseOnlyStartup();
    form->OkButton_Click(1);
    EXPECT_TRUE(exists(QStringLiteral("Wave.sls\\LOGO.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Wave.sls\\LOGOW.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Wave.sls\\LOGOS.SYS")));
    EXPECT_FALSE(exists(QStringLiteral("Wave")));
}

TEST_F(SetComposerTest, RenamingTheInstalledSetFollowsItAndASecondUpdateStaysOnIt)
{
    makeSet(QStringLiteral("Sea"));
    makeSet(QStringLiteral("Wave"));
    settings().DefaultLogoSet = QStringLiteral("Sea");
    open(QStringLiteral("Sea"));
    typeName(QStringLiteral("Ocean"));
    form->OkButton_Click(1);
    EXPECT_TRUE(exists(QStringLiteral("Ocean\\LOGO.SYS")));
    EXPECT_EQ(settings().DefaultLogoSet, QStringLiteral("Ocean"));
    EXPECT_EQ(library.caption, QStringLiteral("Ocean"));

    typeName(QStringLiteral("Deep"));
    form->OkButton_Click(1);
    EXPECT_TRUE(exists(QStringLiteral("Deep\\LOGO.SYS")));
    EXPECT_TRUE(exists(QStringLiteral("Wave\\LOGO.SYS"))) << "the other set is left alone";
    EXPECT_EQ(nameRows(), QStringList({ "Wave", "Deep" }));
}

TEST_F(SetComposerTest, DeleteSetRemovesOnlyASetOfTheLibrary)
{
    makeSet(QStringLiteral("Sea"));
    writeScreen(QStringLiteral("C:\\Logos\\LOGOW.SYS"), 20);
    settings().ConfirmLogosetDelete = 1;
    open(QStringLiteral("Sea"));
    for (const QString& name : { QString(), QStringLiteral(".."), QStringLiteral("..\\Pics") }) {
        typeName(name);
        form->EliminaSetBtn_Click();
    }
    EXPECT_TRUE(exists(QStringLiteral("LOGOW.SYS")));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Pics\\start.sys")));
    EXPECT_FALSE(form->LibraryChanged);

    typeName(QStringLiteral("Sea"));
    msgbox.answer(vbNo);
    form->EliminaSetBtn_Click();
    EXPECT_TRUE(exists(QStringLiteral("Sea\\LOGO.SYS")));

    nameBox()->setCurrentIndex(0);
    form->NameLogoSet_Click(0);
    form->EliminaSetBtn_Click();
    EXPECT_FALSE(exists(QStringLiteral("Sea")));
    EXPECT_TRUE(form->LibraryChanged);
    EXPECT_TRUE(nameRows().isEmpty());
    EXPECT_TRUE(nameBox()->currentText().isEmpty());
    EXPECT_FALSE(child<PictureBox>(*form, "ImgPreview0")->hasPicture());
    EXPECT_FALSE(child<QAction>(*form, "EliminaSetBtn")->isEnabled());
}

} // namespace
