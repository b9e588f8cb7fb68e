#include "app/settings.h"
#include "platformui/dialogs.h"
#include "prefs/frmoptions.h"
#include "support/child.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace
{

const QString Program = QStringLiteral("C:\\Program Files\\Bootcanvas\\");
const QString StartUp = QStringLiteral("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\");

// Every variable the dialog may change, for comparing before and after.
auto variables(const Settings& s)
{
    return std::make_tuple(s.LogoPath, s.StartUpDrive, s.CustomProgName, s.CustomProgPath, s.SynchronizeLogos,
        s.DefaultAction, s.ActionOnDoubleClick, s.DeleteInRecycleBin, s.ConfirmLogosetDelete,
        s.ConfirmLogoTypeChange, s.ShowSplashScreen, s.LogoOption, s.AnimatedBar);
}

int selectedOption(const std::array<QRadioButton*, 3>& options)
{
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked())
            return i;
    return -1;
}

// A machine with both shortcuts in the program folder, settings as a run has them, and a stand-in
// for the main window that counts what the dialog does to it.
class FrmOptionsTest : public ::testing::Test
{
protected:
    FrmOptionsTest()
    {
        resetSettings();
        Settings& s = settings();
        s.AppPath = Program;
        s.HelpFile = Program + QStringLiteral("bootcanvas.hlp");
        s.StartupFolder = StartUp;
        s.LogoPath = QStringLiteral("C:\\Logos\\");
        s.StartUpDrive = QStringLiteral("C:\\");
        s.LogoOption = 1;
        s.ShowSplashScreen = 1;
        machine.writeFile(Program + QStringLiteral("Cyclette.lnk"), "cyclette");
        machine.writeFile(Program + QStringLiteral("Shufflet.lnk"), "shufflet");
        machine.makeFolder(StartUp);
        animate.setCheckable(true);
        link = { &customProgram, &animate, [this] { ++logoChangedMarks; }, [this] { ++rescans; } };
    }
    ~FrmOptionsTest() override { resetSettings(); }

    std::unique_ptr<FrmOptions> open()
    {
        auto dialog = std::make_unique<FrmOptions>(link);
        dialog->Form_Activate();
        return dialog;
    }
    bool inStartUp(const char* name) const { return machine.exists(StartUp + QLatin1String(name)); }

    TestMachine machine;
    ScriptedMsgBox messages;
    QAction customProgram { QStringLiteral("Open custom program") };
    QAction animate;
    MainWindowLink link;
    int logoChangedMarks = 0;
    int rescans = 0;
};

} // namespace

TEST_F(FrmOptionsTest, OpensWithTheSettingsAndOkKeepsThem)
{
    Settings& s = settings();
    s.ActionOnDoubleClick = 1;
    s.StartUpDrive = QStringLiteral("D:\\");
    s.DefaultAction = 1;
    s.CustomProgName = QStringLiteral("Gimp");
    s.CustomProgPath = QStringLiteral("C:\\Tools\\gimp.exe");
    s.DeleteInRecycleBin = 1;
    animate.setChecked(true);
    const auto before = variables(s);

    auto dialog = open();
    EXPECT_EQ(child<QComboBox>(*dialog, "DblAction")->currentIndex(), 1);
    EXPECT_EQ(child<QToolButton>(*dialog, "DriveHost")->text(), QStringLiteral("D"));
    // Filling in the program's name and path is no edit of the user's: "Open Paint" stays selected.
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*dialog, "OptOpen")), 1);
    EXPECT_EQ(child<QLineEdit>(*dialog, "CustomName")->text(), QStringLiteral("Gimp"));
    EXPECT_EQ(child<QLineEdit>(*dialog, "CustProg")->text(), QStringLiteral("C:\\Tools\\gimp.exe"));
    EXPECT_TRUE(child<QCheckBox>(*dialog, "ChkShowAnim")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(*dialog, "ChkDeleteRecycle")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*dialog, "ChkConfirmChange")->isChecked());
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*dialog, "StartUpAction")), 2);
    EXPECT_FALSE(dialog->startupChanged());

    dialog->BtnOK_Click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(variables(s), before);
    EXPECT_EQ(customProgram.text(), QStringLiteral("Gimp"));
    EXPECT_TRUE(animate.isChecked());
    EXPECT_EQ(rescans + logoChangedMarks + messages.shown.size(), 0);
}

TEST_F(FrmOptionsTest, StartUpShortcutsAreShownAndOnlyAChoiceChangesThem)
{
    machine.writeFile(StartUp + QStringLiteral("Shufflet.lnk"), "mine");
    auto onlyShufflet = open();
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*onlyShufflet, "StartUpAction")), 1);
    onlyShufflet->BtnOK_Click();
    EXPECT_EQ(machine.readFile(StartUp + QStringLiteral("Shufflet.lnk")), "mine");

    machine.writeFile(StartUp + QStringLiteral("Cyclette.lnk"), "mine");
    auto both = open();
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*both, "StartUpAction")), -1);
    both->BtnOK_Click();
    EXPECT_TRUE(inStartUp("Shufflet.lnk") && inStartUp("Cyclette.lnk"));

    auto cyclette = open();
    child<QRadioButton>(*cyclette, "StartUpAction0")->click();
    cyclette->BtnOK_Click();
    EXPECT_FALSE(inStartUp("Shufflet.lnk"));
    EXPECT_EQ(machine.readFile(StartUp + QStringLiteral("Cyclette.lnk")), "cyclette");
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*open(), "StartUpAction")), 0);

    auto nothing = open();
    child<QRadioButton>(*nothing, "StartUpAction2")->click();
    nothing->BtnOK_Click();
    EXPECT_FALSE(inStartUp("Shufflet.lnk") || inStartUp("Cyclette.lnk"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FrmOptionsTest, MissingShortcutIsReportedAndOkGoesOn)
{
    machine.writeFile(StartUp + QStringLiteral("Cyclette.lnk"), "old");
    QFile::remove(machine.host(Program + QStringLiteral("Shufflet.lnk")));
    auto dialog = open();
    child<QRadioButton>(*dialog, "StartUpAction1")->click();
    child<QCheckBox>(*dialog, "ChkShowSplash")->click();
    dialog->BtnOK_Click();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().prompt,
        QStringLiteral("Could not find C:\\Program Files\\Bootcanvas\\Shufflet.lnk. Please reinstall "
                       "Bootcanvas from the original setup package!"));
    EXPECT_EQ(messages.shown.first().buttons, vbExclamation);
    EXPECT_FALSE(inStartUp("Cyclette.lnk") || inStartUp("Shufflet.lnk"));
    EXPECT_EQ(settings().ShowSplashScreen, 0);
}

TEST_F(FrmOptionsTest, DriveMenuListsFixedDrivesOnly)
{
    machine.addDrive(QLatin1Char('E'), QStringLiteral("cdrom"));
    machine.addDrive(QLatin1Char('D'), QStringLiteral("fixed"));
    machine.addDrive(QLatin1Char('A'), QStringLiteral("removable"));
    auto dialog = open();
    QStringList shown;
    for (QAction* entry : child<QMenu>(*dialog, "MnuDrive")->actions())
        if (entry->isVisible())
            shown.append(entry->text());
    EXPECT_EQ(shown, (QStringList { QStringLiteral("C"), QStringLiteral("D") }));

    child<QMenu>(*dialog, "MnuDrive")->actions().back()->trigger();
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().StartUpDrive, QStringLiteral("D:\\"));
}

TEST_F(FrmOptionsTest, CustomProgramIsChosenByBrowsingOrTyping)
{
    platform::setDialogResponder([](const QString&) { return QStringLiteral("C:\\Tools\\Paint2.exe"); });
    auto dialog = open();
    dialog->BtnBrowse_Click();
    platform::setDialogResponder({});
    EXPECT_EQ(child<QLineEdit>(*dialog, "CustProg")->text(), QStringLiteral("C:\\Tools\\Paint2.exe"));
    EXPECT_EQ(child<QLineEdit>(*dialog, "CustomName")->text(), QStringLiteral("Paint2"));
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().DefaultAction, 2);
    EXPECT_EQ(customProgram.text(), QStringLiteral("Paint2"));

    settings().DefaultAction = 0;
    auto typed = open();
    child<QLineEdit>(*typed, "CustomName")->clear();
    EXPECT_EQ(selectedOption(childRow<QRadioButton, 3>(*typed, "OptOpen")), 2);
    typed->BtnOK_Click();
    EXPECT_EQ(customProgram.text(), QStringLiteral("Custom Program"));
}

TEST_F(FrmOptionsTest, ChangedLogoFolderGetsItsBackslashAndRescans)
{
    open()->BtnOK_Click();
    EXPECT_EQ(rescans, 0);

    platform::setDialogResponder([](const QString&) { return QStringLiteral("C:\\My Logos"); });
    auto dialog = open();
    dialog->btnBrwFolder_Click();
    platform::setDialogResponder({});
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().LogoPath, QStringLiteral("C:\\My Logos\\"));
    EXPECT_EQ(rescans, 1);

    auto recased = open();
    child<QLineEdit>(*recased, "TxtLogoPath")->setText(QStringLiteral("C:\\MY LOGOS\\"));
    recased->BtnOK_Click();
    EXPECT_EQ(rescans, 2);
}

TEST_F(FrmOptionsTest, CancelChangesNothingButTheLogoMark)
{
    machine.writeFile(StartUp + QStringLiteral("Shufflet.lnk"), "mine");
    const auto before = variables(settings());
    auto dialog = open();
    child<QLineEdit>(*dialog, "TxtLogoPath")->setText(QStringLiteral("C:\\Elsewhere"));
    child<QComboBox>(*dialog, "DblAction")->setCurrentIndex(1);
    for (QCheckBox* box :
        { child<QCheckBox>(*dialog, "ChkSyncronize"), child<QCheckBox>(*dialog, "ChkShowSplash"),
            child<QCheckBox>(*dialog, "ActiveStart"), child<QCheckBox>(*dialog, "ChkConfirmChange"),
            child<QCheckBox>(*dialog, "ChkDelConfirm"), child<QCheckBox>(*dialog, "ChkDeleteRecycle"),
            child<QCheckBox>(*dialog, "ChkShowAnim"), child<QCheckBox>(*dialog, "ChkAnimatedBar") })
        box->click();
    dialog->ItmDriveList_Click(0);
    child<QRadioButton>(*dialog, "OptOpen1")->click();
    child<QLineEdit>(*dialog, "CustProg")->setText(QStringLiteral("C:\\other.exe"));
    child<QRadioButton>(*dialog, "StartUpAction2")->click();
    dialog->BtnCancel_Click();

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(variables(settings()), before);
    EXPECT_FALSE(animate.isChecked());
    EXPECT_EQ(customProgram.text(), QStringLiteral("Open custom program"));
    EXPECT_TRUE(inStartUp("Shufflet.lnk"));
    EXPECT_EQ(rescans, 0);
    EXPECT_EQ(logoChangedMarks, 1);
}

TEST_F(FrmOptionsTest, TheAnimatedBarChoiceIsShownAndKeptByOk)
{
    settings().AnimatedBar = 1;
    auto dialog = open();
    EXPECT_TRUE(child<QCheckBox>(*dialog, "ChkAnimatedBar")->isChecked());
    EXPECT_EQ(child<QCheckBox>(*dialog, "ChkAnimatedBar")->text(),
        QStringLiteral("Add an animated &bar to new startup screens"));
    child<QCheckBox>(*dialog, "ChkAnimatedBar")->click();
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().AnimatedBar, 0);
}

TEST_F(FrmOptionsTest, StoredValuesTheControlsCannotShowSurviveOk)
{
    settings().LogoOption = 2;
    settings().ActionOnDoubleClick = 5;
    settings().DefaultAction = 7;
    const auto before = variables(settings());
    open()->BtnOK_Click();
    EXPECT_EQ(variables(settings()), before);

    auto clicked = open();
    child<QCheckBox>(*clicked, "ActiveStart")->click();
    clicked->BtnOK_Click();
    EXPECT_EQ(settings().LogoOption, 1);
}

TEST_F(FrmOptionsTest, TabsTextBoxesAndHelpTopics)
{
    QFile shipped(QStringLiteral(BOOTCANVAS_SOURCE_DIR "/data/bootcanvas.hlp"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    machine.writeFile(Program + QStringLiteral("bootcanvas.hlp"), shipped.readAll());
    auto dialog = open();

    child<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(child<QGroupBox>(*dialog, "Myframe", i)->isVisibleTo(dialog.get()), i == 3) << i;
    dialog->TxtLogoPath_GotFocus();
    EXPECT_EQ(child<QLineEdit>(*dialog, "TxtLogoPath")->selectedText(), QStringLiteral("C:\\Logos\\"));

    EXPECT_TRUE(child<QCheckBox>(*dialog, "ActiveStart")->whatsThis().contains(QStringLiteral("MSDOS.SYS")));
    const QList<QWidget*> controls = { child<QCheckBox>(*dialog, "ChkShowSplash"),
        child<QCheckBox>(*dialog, "ChkSyncronize"), child<QToolButton>(*dialog, "DriveHost"),
        child<QPushButton>(*dialog, "btnBrwFolder"), child<QLineEdit>(*dialog, "TxtLogoPath"),
        child<QComboBox>(*dialog, "DblAction"), child<QCheckBox>(*dialog, "ChkDeleteRecycle"),
        child<QCheckBox>(*dialog, "ChkDelConfirm"), child<QCheckBox>(*dialog, "ChkConfirmChange"),
        child<QRadioButton>(*dialog, "OptOpen0"), child<QRadioButton>(*dialog, "OptOpen1"),
        child<QRadioButton>(*dialog, "OptOpen2"), child<QLineEdit>(*dialog, "CustomName"),
        child<QLineEdit>(*dialog, "CustProg"), child<QPushButton>(*dialog, "BtnBrowse"),
        child<QCheckBox>(*dialog, "ChkShowAnim"), child<QCheckBox>(*dialog, "ChkAnimatedBar"),
        child<QRadioButton>(*dialog, "StartUpAction0"), child<QRadioButton>(*dialog, "StartUpAction1"),
        child<QRadioButton>(*dialog, "StartUpAction2") };
    for (QWidget* control : controls)
        EXPECT_FALSE(control->whatsThis().isEmpty()) << control->objectName().toStdString();
}
