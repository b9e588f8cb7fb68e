#pragma once

#include "mainwindowlink.h"

#include <QDialog>
#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolButton;

// The preferences dialog: four tabs over the program-wide settings. OK copies the choices into the
// settings (the registry is written when the main window closes); Cancel changes nothing.
class FrmOptions : public QDialog
{
    Q_OBJECT
public:
    explicit FrmOptions(const MainWindowLink& mainWindow, QWidget* parent = nullptr);

    void Form_Load();
    // Fills the controls from the settings; runs once, when the dialog is first shown.
    void Form_Activate();
    void GetDiskInfo();
    void DefineVisible();

    void TabStrip1_Click();
    void btnBrwFolder_Click();
    void BtnBrowse_Click();
    void CustomName_Change();
    void CustProg_Change();
    void TxtLogoPath_GotFocus();
    void CustomName_GotFocus();
    void CustProg_GotFocus();
    void DriveHost_Click();
    void ItmDriveList_Click(int index);
    void ActiveStart_Click();
    void StartUpAction_Click(int index);
    void BtnOK_Click();
    void BtnCancel_Click();

    // Set when the user picks a startup option; the shortcut's name is kept for OK's message.
    bool startupChanged() const { return m_startupChanged; }
    QString chosenShortcut() const { return m_chosenShortcut; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls, by the names the handlers use (also their object names).
    QTabBar* TabStrip1 = nullptr;
    std::array<QGroupBox*, 4> Myframe {};

    QLineEdit* TxtLogoPath = nullptr;
    QPushButton* btnBrwFolder = nullptr;
    QComboBox* DblAction = nullptr;
    QCheckBox *ChkSyncronize = nullptr, *ChkShowSplash = nullptr, *ActiveStart = nullptr;
    QLabel* SyncNote = nullptr; // what the option does on a real installation
    QToolButton* DriveHost = nullptr;

    QCheckBox *ChkConfirmChange = nullptr, *ChkDelConfirm = nullptr, *ChkDeleteRecycle = nullptr;

    QCheckBox* ChkShowAnim = nullptr;
    QCheckBox* ChkAnimatedBar = nullptr; // Settings::AnimatedBar
    std::array<QRadioButton*, 3> OptOpen {};
    QLineEdit* CustomName = nullptr;
    QLineEdit* CustProg = nullptr;
    QPushButton* BtnBrowse = nullptr;

    std::array<QRadioButton*, 3> StartUpAction {};

    QMenu* MnuDrive = nullptr;
    std::vector<QAction*> ItmDriveList;

    QWidget* createGeneralTab();
    QWidget* createConfirmationsTab();
    QWidget* createImagesTab();
    QWidget* createStartUpTab();
    void connectReactions();
    void assignHelpTopics();
    void fillStartUpAction();
    void okStartUpShortcuts();
    // On a real installation: the companions, the sets and the shortcut put into Windows, or removed.
    void okGuestCompanions();
    void showSyncScope();
    // Runs one step of OK; a failure is reported and OK goes on with the next step.
    template <class Step> void okStep(Step&& step);

    MainWindowLink m_mainWindow;
    bool m_activated = false;
    bool m_filling = false;
    bool m_startupChanged = false;
    QString m_chosenShortcut;
};
