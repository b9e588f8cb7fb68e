#pragma once

#include "app/settingsstore.h"

#include <QMainWindow>
#include <QPoint>
#include <array>

class ActiveBar;
class LogoList;
struct LibraryLink;
class PictureActions;
class PictureBox;
class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QTimer;

// The main window: the list of logo sets, the three screens of the selected set, the installed
// set's name, and every command through its bars and menus. It keeps only the handlers; the work
// is done by the modules that own it (library scan, installation, imaging).
class Principale : public QMainWindow, public SettingsView
{
    Q_OBJECT
public:
    explicit Principale(QWidget* parent = nullptr);
    ~Principale() override;

    void Form_Load();
    void Form_Unload();
    void Form_KeyUp(int keyCode, Qt::KeyboardModifiers shift);

    // Toolbar and menus.
    void ActiveBar1_Click(QAction* tool);
    void ActiveBar1_PreCustomizeMenu(bool& cancel);
    void ItmRename_Click();
    void ItmDelete_Click();
    void ItmSetDefault_Click();
    void ItmExplore_Click();
    void ItmLogoManager_Click();
    void Timer1_Timer();
    void ItmPref_Click();
    void itmRefresh_Click();
    void ItmContents_Click();
    void ItmTutorial_Click();
    void ItmAbout_Click();
    void ItmExit_Click();
    void ItmAnimate_Click();
    void ItmRandomSpin_Click();
    void ItmViewDefOrActual_Click();
    void ItmOnline_Click();
    void ItmImportPack_Click();
    void ItmExportPack_Click();
    // Makes sets of the logo pack at the host path, asking before a set is overwritten.
    void importLogoPackFile(const QString& hostPath);

    // SettingsView
    void ItmViewType_Click(int index) override;
    void setCustomProgramCaption(const QString& caption) override;
    bool isListViewChecked() const override;
    QString defaultLogoCaption() const override;
    void setAnimationShown(bool shown) override;
    bool isAnimationShown() const override;

    // The library and the previews.
    void LeggiDatiDisco();
    void SelItem(const QString& StringToSearch);
    void ShowListaLogo();
    void Imag_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void AzioneSuImmagine(int index);
    void OpenExplorer(const QString& folder);
    // What the logo browser may reach of this window.
    LibraryLink browserLink();

    // The list's own events (keys are Qt key codes).
    void MnuListLogo_Click();
    void MyList_BeforeLabelEdit();
    void MyList_AfterLabelEdit(bool& cancel, const QString& newString);
    void MyList_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void MyList_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void MyList_DblClick();
    void MyList_ItemClick(int row);
    void MyList_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void MyList_OLEDragDrop(const QMimeData* data);
    void VisualizzaNumLogo();
    // `index` counts from 1: the position of the row that was just removed.
    void SelectAfterDelete(int index);

    // The boot file the exit sequence writes the logo option into (normally the Windows drive's).
    void setMsdosPath(const QString& path) { MsdosPath = path; }
    // Whether a startup option changed, so that the exit sequence rewrites the logo option.
    bool isLogoOptionChanged() const { return logochanged; }
    void markLogoOptionChanged() { logochanged = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls, under the names their handlers know them by (also their object names).
    ActiveBar* ActiveBar1 = nullptr;
    LogoList* MyList = nullptr;
    QLabel *NumLogo = nullptr, *DefaultLogo = nullptr, *LogoType = nullptr;
    std::array<PictureBox*, 3> Imag {};
    QTimer* Timer1 = nullptr;

    // The bars' tools that handlers name as menu entries, and the open-with menu.
    QMenu* MnuListLogo = nullptr;
    std::array<QAction*, 2> ItmViewType {};
    QAction* ItmViewDefOrActual = nullptr;
    PictureActions* Pictures = nullptr; // owns the open-with menu (MnuOpenWith) and ItmOpenAct
    std::array<QAction*, 3> ItmOpenAct {};
    QAction* ItmAnimate = nullptr;

    // Window-level state.
    bool logochanged = false;
    bool SyncPending = false;
    // Whether this run installed a set: only then does the exit sequence touch a pending copy.
    bool InstalledThisRun = false;
    QString MsdosPath;
    QString SavedSelection;
    QString SavedDefaultCaption;

    void createControls();
    // Which image or machine folder the window works on, and whether it can be written.
    void showMachineInTitle();
    void createBars();
    void createMenus();
    void connectCommands();
    void connectLibraryEvents();
    // The tools that act on the selected set (rename, delete, set as default).
    std::array<QAction*, 3> setTools() const;
    void enableSetTools();
    // A click, or Enter or the menu key, on a preview: `menuAt` is where its menu goes.
    void previewAction(int index, Qt::MouseButton button, const QPoint& menuAt);
    // The current-setting view, the random change and the exit sequence.
    bool isShowingCurrentSetting() const;
    QString selectedSetName() const;
    void setSetToolsEnabledForView(bool entering);
    void showInstalledScreens();
    void enterCurrentSettingView();
    void leaveCurrentSettingView();
    void LogoRandomChange();
    void CloseAll();

    bool m_unloaded = false;
    bool m_inCurrentView = false; // what the view shows; the tool's mark is what it should show
    QString m_oldLabel;
    QPoint m_lastMouseDown;
};

// The one main window of the run (null before it exists).
Principale* mainWindow();
