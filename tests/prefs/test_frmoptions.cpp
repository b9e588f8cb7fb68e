#include "app/settings.h"
#include "platform/shell.h"
#include "prefs/frmoptions.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace
{

const QString Program = QStringLiteral("C:\\Program Files\\Bootcanvas\\");
const QString StartUp = QStringLiteral("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\");

// A machine with the two shortcuts in the program folder, settings as a run would have them, and
// a stand-in for the main window that counts what the dialog does to it.
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
        s.ConfirmLogosetDelete = 1;
        machine.writeFile(Program + QStringLiteral("Cyclette.lnk"), "cyclette shortcut");
        machine.writeFile(Program + QStringLiteral("Shufflet.lnk"), "shufflet shortcut");
        machine.makeFolder(StartUp);
        link.customProgram = &customProgram;
        link.animate = &animate;
        animate.setCheckable(true);
        link.markLogoChanged = [this] { ++logoChangedMarks; };
        link.rescanLibrary = [this] { ++rescans; };
    }
    ~FrmOptionsTest() override { resetSettings(); }

    // The dialog as the main window opens it: loaded, then activated.
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
    QAction animate { QStringLiteral("Autoshow animation") };
    MainWindowLink link;
    int logoChangedMarks = 0;
    int rescans = 0;
};

int selectedOption(const std::array<QRadioButton*, 3>& options)
{
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked())
            return i;
    return -1;
}

} // namespace

TEST_F(FrmOptionsTest, OpensWithTheSettingsAndOkKeepsThem)
{
    Settings& s = settings();
    s.ActionOnDoubleClick = 1;
    s.StartUpDrive = QStringLiteral("D:\\");
    s.DefaultAction = 1;
    s.CustomProgName = QStringLiteral("Gimp");
    s.CustomProgPath = QStringLiteral("C:\\Tools\\gimp.exe");
    s.SynchronizeLogos = 1;
    s.DeleteInRecycleBin = 1;
    animate.setChecked(true);
    const Settings before = s;

    auto dialog = open();
    EXPECT_EQ(dialog->DblAction->currentIndex(), 1);
    EXPECT_EQ(dialog->DriveHost->text(), QStringLiteral("D"));
    EXPECT_TRUE(dialog->ActiveStart->isChecked());
    // Filling the program's name and path is not the user's edit: "Open Paint" stays selected.
    EXPECT_EQ(selectedOption(dialog->OptOpen), 1);
    EXPECT_EQ(dialog->CustomName->text(), QStringLiteral("Gimp"));
    EXPECT_EQ(dialog->CustProg->text(), QStringLiteral("C:\\Tools\\gimp.exe"));
    EXPECT_TRUE(dialog->ChkShowAnim->isChecked());
    EXPECT_TRUE(dialog->ChkDeleteRecycle->isChecked());
    EXPECT_TRUE(dialog->ChkDelConfirm->isChecked());
    EXPECT_FALSE(dialog->ChkConfirmChange->isChecked());
    EXPECT_TRUE(dialog->ChkShowSplash->isChecked());
    EXPECT_TRUE(dialog->ChkSyncronize->isChecked());
    EXPECT_EQ(dialog->TxtLogoPath->text(), QStringLiteral("C:\\Logos\\"));
    EXPECT_EQ(selectedOption(dialog->StartUpAction), 2);
    EXPECT_FALSE(dialog->startupChanged());
    EXPECT_EQ(logoChangedMarks, 0);

    dialog->BtnOK_Click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(s.DefaultAction, 1);
    EXPECT_EQ(s.StartUpDrive, before.StartUpDrive);
    EXPECT_EQ(s.ActionOnDoubleClick, before.ActionOnDoubleClick);
    EXPECT_EQ(s.LogoOption, before.LogoOption);
    EXPECT_EQ(s.SynchronizeLogos, before.SynchronizeLogos);
    EXPECT_EQ(s.ConfirmLogoTypeChange, before.ConfirmLogoTypeChange);
    EXPECT_EQ(s.LogoPath, before.LogoPath);
    EXPECT_EQ(rescans, 0);
    EXPECT_EQ(customProgram.text(), QStringLiteral("Gimp"));
    EXPECT_TRUE(animate.isChecked());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FrmOptionsTest, StartUpOptionReflectsTheShortcutsAndOkLeavesThemUntouched)
{
    machine.writeFile(StartUp + QStringLiteral("Shufflet.lnk"), "mine");
    auto onlyShufflet = open();
    EXPECT_EQ(selectedOption(onlyShufflet->StartUpAction), 1);
    onlyShufflet->BtnOK_Click();
    EXPECT_EQ(machine.readFile(StartUp + QStringLiteral("Shufflet.lnk")), "mine");
    EXPECT_FALSE(inStartUp("Cyclette.lnk"));

    machine.writeFile(StartUp + QStringLiteral("Cyclette.lnk"), "mine too");
    auto both = open();
    EXPECT_EQ(selectedOption(both->StartUpAction), -1);
    both->BtnOK_Click();
    EXPECT_TRUE(inStartUp("Shufflet.lnk"));
    EXPECT_TRUE(inStartUp("Cyclette.lnk"));

    QFile::remove(machine.host(StartUp + QStringLiteral("Shufflet.lnk")));
    EXPECT_EQ(selectedOption(open()->StartUpAction), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FrmOptionsTest, ChosenStartUpShortcutReplacesTheOther)
{
    machine.writeFile(StartUp + QStringLiteral("Shufflet.lnk"), "old");
    machine.writeFile(StartUp + QStringLiteral("Cyclette.lnk"), "old");
    auto dialog = open();
    dialog->StartUpAction[0]->click();
    EXPECT_TRUE(dialog->startupChanged());
    EXPECT_EQ(dialog->chosenShortcut(), QStringLiteral("Cyclette.lnk"));
    dialog->BtnOK_Click();
    EXPECT_FALSE(inStartUp("Shufflet.lnk"));
    EXPECT_EQ(machine.readFile(StartUp + QStringLiteral("Cyclette.lnk")), "cyclette shortcut");

    auto nothing = open();
    nothing->StartUpAction[2]->click();
    nothing->BtnOK_Click();
    EXPECT_FALSE(inStartUp("Shufflet.lnk"));
    EXPECT_FALSE(inStartUp("Cyclette.lnk"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FrmOptionsTest, MissingShortcutIsReportedAndOkGoesOn)
{
    machine.writeFile(StartUp + QStringLiteral("Cyclette.lnk"), "old");
    QFile::remove(machine.host(Program + QStringLiteral("Shufflet.lnk")));
    auto dialog = open();
    dialog->StartUpAction[1]->click();
    dialog->ChkShowSplash->click();
    dialog->BtnOK_Click();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().prompt,
        QStringLiteral("Could not find C:\\Program Files\\Bootcanvas\\Shufflet.lnk. Please reinstall "
                       "Bootcanvas from the original setup package!"));
    EXPECT_EQ(messages.shown.first().buttons, vbExclamation);
    EXPECT_FALSE(inStartUp("Cyclette.lnk"));
    EXPECT_FALSE(inStartUp("Shufflet.lnk"));
    EXPECT_EQ(settings().ShowSplashScreen, 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(FrmOptionsTest, DriveMenuListsFixedDrivesOnly)
{
    machine.addDrive(QLatin1Char('E'), QStringLiteral("cdrom"));
    machine.addDrive(QLatin1Char('D'), QStringLiteral("fixed"));
    machine.addDrive(QLatin1Char('A'), QStringLiteral("removable"));
    machine.addDrive(QLatin1Char('Z'), QStringLiteral("remote"));
    auto dialog = open();
    QStringList shown;
    for (QAction* entry : dialog->ItmDriveList)
        if (entry->isVisible())
            shown.append(entry->text());
    EXPECT_EQ(shown, (QStringList { QStringLiteral("C"), QStringLiteral("D") }));
    ASSERT_EQ(dialog->ItmDriveList.size(), 3u);

    dialog->ItmDriveList[2]->trigger();
    EXPECT_EQ(dialog->DriveHost->text(), QStringLiteral("D"));
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().StartUpDrive, QStringLiteral("D:\\"));
}

TEST_F(FrmOptionsTest, CustomProgramChosenByBrowsingIsNamedWithoutItsExtension)
{
    platform::setDialogResponder([](const QString& title) {
        EXPECT_EQ(title, QStringLiteral("Where is your favourite graphic program?"));
        return QStringLiteral("C:\\Tools\\Paint2.exe");
    });
    auto dialog = open();
    dialog->BtnBrowse_Click();
    platform::setDialogResponder({});
    EXPECT_EQ(dialog->CustProg->text(), QStringLiteral("C:\\Tools\\Paint2.exe"));
    EXPECT_EQ(dialog->CustomName->text(), QStringLiteral("Paint2"));
    EXPECT_EQ(selectedOption(dialog->OptOpen), 2);

    dialog->BtnOK_Click();
    EXPECT_EQ(settings().CustomProgName, QStringLiteral("Paint2"));
    EXPECT_EQ(settings().CustomProgPath, QStringLiteral("C:\\Tools\\Paint2.exe"));
    EXPECT_EQ(settings().DefaultAction, 2);
    EXPECT_EQ(customProgram.text(), QStringLiteral("Paint2"));
}

TEST_F(FrmOptionsTest, TypingAProgramSelectsItAndAnEmptyNameGivesTheGenericCaption)
{
    auto dialog = open();
    EXPECT_EQ(selectedOption(dialog->OptOpen), 0);
    dialog->CustProg->insert(QStringLiteral("x"));
    EXPECT_EQ(selectedOption(dialog->OptOpen), 2);
    dialog->BtnOK_Click();
    EXPECT_EQ(customProgram.text(), QStringLiteral("Custom Program"));
}

TEST_F(FrmOptionsTest, ChangedLogoFolderGetsItsBackslashAndRescans)
{
    platform::setDialogResponder([](const QString& title) {
        EXPECT_EQ(title, QStringLiteral("Choose the folder you want to add"));
        return QStringLiteral("C:\\My Logos");
    });
    auto dialog = open();
    dialog->btnBrwFolder_Click();
    platform::setDialogResponder({});
    EXPECT_EQ(dialog->TxtLogoPath->text(), QStringLiteral("C:\\My Logos"));
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().LogoPath, QStringLiteral("C:\\My Logos\\"));
    EXPECT_EQ(rescans, 1);

    // The comparison is exact: a change of case alone is a change.
    auto recased = open();
    recased->TxtLogoPath->setText(QStringLiteral("C:\\MY LOGOS\\"));
    recased->BtnOK_Click();
    EXPECT_EQ(settings().LogoPath, QStringLiteral("C:\\MY LOGOS\\"));
    EXPECT_EQ(rescans, 2);
}

TEST_F(FrmOptionsTest, CancelChangesNothingButTheLogoMark)
{
    machine.writeFile(StartUp + QStringLiteral("Shufflet.lnk"), "mine");
    customProgram.setText(QStringLiteral("Open custom program"));
    const Settings before = settings();
    auto dialog = open();
    dialog->TxtLogoPath->setText(QStringLiteral("C:\\Elsewhere"));
    dialog->DblAction->setCurrentIndex(1);
    dialog->ChkSyncronize->click();
    dialog->ChkShowSplash->click();
    dialog->ActiveStart->click();
    dialog->ItmDriveList_Click(0);
    dialog->ChkConfirmChange->click();
    dialog->ChkDelConfirm->click();
    dialog->ChkDeleteRecycle->click();
    dialog->ChkShowAnim->click();
    dialog->OptOpen[1]->click();
    dialog->CustomName->setText(QStringLiteral("Other"));
    dialog->CustProg->setText(QStringLiteral("C:\\other.exe"));
    dialog->StartUpAction[2]->click();
    dialog->BtnCancel_Click();

    const Settings& s = settings();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(s.LogoPath, before.LogoPath);
    EXPECT_EQ(s.ActionOnDoubleClick, before.ActionOnDoubleClick);
    EXPECT_EQ(s.SynchronizeLogos, before.SynchronizeLogos);
    EXPECT_EQ(s.ShowSplashScreen, before.ShowSplashScreen);
    EXPECT_EQ(s.LogoOption, before.LogoOption);
    EXPECT_EQ(s.StartUpDrive, before.StartUpDrive);
    EXPECT_EQ(s.ConfirmLogoTypeChange, before.ConfirmLogoTypeChange);
    EXPECT_EQ(s.ConfirmLogosetDelete, before.ConfirmLogosetDelete);
    EXPECT_EQ(s.DeleteInRecycleBin, before.DeleteInRecycleBin);
    EXPECT_EQ(s.DefaultAction, before.DefaultAction);
    EXPECT_EQ(s.CustomProgName, before.CustomProgName);
    EXPECT_EQ(s.CustomProgPath, before.CustomProgPath);
    EXPECT_FALSE(animate.isChecked());
    EXPECT_EQ(customProgram.text(), QStringLiteral("Open custom program"));
    EXPECT_TRUE(inStartUp("Shufflet.lnk"));
    EXPECT_EQ(rescans, 0);
    EXPECT_EQ(logoChangedMarks, 1);
}

TEST_F(FrmOptionsTest, StoredValuesTheControlsCannotShowSurviveOk)
{
    settings().LogoOption = 2;
    settings().ActionOnDoubleClick = 5;
    settings().DefaultAction = 7;
    auto dialog = open();
    EXPECT_EQ(dialog->ActiveStart->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(selectedOption(dialog->OptOpen), -1);
    dialog->BtnOK_Click();
    EXPECT_EQ(settings().LogoOption, 2);
    EXPECT_EQ(settings().ActionOnDoubleClick, 5);
    EXPECT_EQ(settings().DefaultAction, 7);

    auto clicked = open();
    clicked->ActiveStart->click();
    clicked->BtnOK_Click();
    EXPECT_EQ(settings().LogoOption, 1);
    EXPECT_EQ(logoChangedMarks, 1);
}

TEST_F(FrmOptionsTest, TabsShowTheirOwnFrameAndTextBoxesSelectAllOnFocus)
{
    auto dialog = open();
    EXPECT_TRUE(dialog->Myframe[0]->isVisibleTo(dialog.get()));
    dialog->TabStrip1->setCurrentIndex(3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog->Myframe[i]->isVisibleTo(dialog.get()), i == 3) << i;

    dialog->TxtLogoPath_GotFocus();
    EXPECT_EQ(dialog->TxtLogoPath->selectedText(), QStringLiteral("C:\\Logos\\"));
    dialog->CustProg->setText(QStringLiteral("C:\\a.exe"));
    dialog->CustProg_GotFocus();
    EXPECT_EQ(dialog->CustProg->selectedText(), QStringLiteral("C:\\a.exe"));
}

TEST_F(FrmOptionsTest, ControlsCarryTheirHelpTopics)
{
    QFile shipped(QStringLiteral(BOOTCANVAS_SOURCE_DIR "/data/bootcanvas.hlp"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    machine.writeFile(Program + QStringLiteral("bootcanvas.hlp"), shipped.readAll());
    auto dialog = open();
    EXPECT_TRUE(dialog->ActiveStart->whatsThis().contains(QStringLiteral("MSDOS.SYS")));
    EXPECT_TRUE(dialog->TxtLogoPath->whatsThis().contains(QStringLiteral("logo sets")));
    const QList<QWidget*> others = { dialog->ChkShowSplash, dialog->ChkSyncronize, dialog->DriveHost,
        dialog->btnBrwFolder, dialog->DblAction, dialog->ChkDeleteRecycle, dialog->ChkDelConfirm,
        dialog->ChkConfirmChange, dialog->OptOpen[0], dialog->OptOpen[1], dialog->OptOpen[2],
        dialog->CustomName, dialog->CustProg, dialog->BtnBrowse, dialog->ChkShowAnim,
        dialog->StartUpAction[0], dialog->StartUpAction[1], dialog->StartUpAction[2] };
    for (QWidget* control : others)
        EXPECT_FALSE(control->whatsThis().isEmpty()) << control->objectName().toStdString();
}
