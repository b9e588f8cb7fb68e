#pragma once

#include "librarylink.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <array>
#include <utility>

class PictureBox;
class PictureReasonLabel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMimeData;
class QPushButton;
class QRadioButton;

// The logo browser: walks the machine's drives and folders, previews pictures, and composes,
// updates and deletes logo sets from three screen slots (0 = LOGO.SYS, 1 = LOGOW.SYS,
// 2 = LOGOS.SYS). Handlers keep their historical names so that each step is easy to find.
class SelPictureForm : public QDialog
{
    Q_OBJECT

public:
    explicit SelPictureForm(LibraryLink library = {}, QWidget* parent = nullptr);
    ~SelPictureForm() override;

    void Form_Load();
    void Form_Activate();
    // Returns true when the window may close (the user did not keep it open).
    bool Form_QueryUnload();
    void Form_Unload();

    // Folder listing and navigation.
    void FillList(QString folder);
    void AggiornaDir();
    void Drive1_Change();
    void goUp(bool shortenCaption);
    void LogoList_DblClick();
    void LogoList_ItemClick(QListWidgetItem* item);
    void LogoList_KeyUp(int key);
    void LogoList_KeyPress(int key);
    bool isFolderEntry(const QString& name) const;
    void showFolderCaption(const QString& windowsCaption);
    // The editable location (Ctrl+L): a Windows path or a host path; false, with a message, when
    // it names no folder.
    void showLocationField();
    bool goToLocation(const QString& typed);

    // The "Manage" menu.
    void prepareManageMenu();
    void ItmRename_Click();
    void LogoList_BeforeLabelEdit(QListWidgetItem* item, bool& cancel);
    void LogoList_AfterLabelEdit(bool& cancel, const QString& newString);
    void ItmDelete_Click();
    void itmRefresh_Click();
    void ItmSetLogo_Click(int index);

    // Picture actions and dragging.
    void pictureAction(PictureBox* box, Qt::MouseButton button);
    bool startPictureDrag();
    // Ctrl+V: the clipboard's picture into the selected slot.
    void pasteIntoSlot();
    // A picture dropped from a web page elsewhere (the main window), shown in the preview.
    void previewOutsidePicture(const QMimeData& data) { takeOutsidePicture(data, -1); }

    // The slots.
    void CheckImage(const QString& MyPath, const QString& MyFile);
    void AddButton_Click(int Index);
    void DeleteButton_Click(int Index);
    void ClearAllButton_Click();
    void EnableImage();
    void DisableImage();
    void CheckBtnStatus();
    void NameLogoSet_Change();
    void ActButton_Click();
    void saveDefaultScreens();
    void EliminaSetBtn_Click();

    // Composing sets.
    void NameLogoSet_Click(int row);
    void OptCompSet_Click();
    void OptOnlyStart_Click();
    void OptDefShut_Click();
    void OkButton_Click(int Index);

    // What the window remembers between steps; the tests stage and read it.
    QString CurrentFolder;
    QStringList List1; // the temporary files made for the slots
    bool LockNameLogoSet = false;
    bool LibraryChanged = false;
    bool SlotsChanged = false;
    bool NameChanged = false;
    QString LoadedSetName;

    // Verdict colours of ImageInfo.
    static const QColor LogoScreenColour;
    static const QColor ConvertColour;
    static const QColor NoPictureColour;

    // Closing by any means runs the unsaved-changes question and the unload steps.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls, by the names the handlers use (also their object names).
    // The folder side: drive, path, folder list and the picture under the cursor.
    QComboBox* Drive1 = nullptr;
    QLabel *CurPath = nullptr, *Label1 = nullptr, *ImageInfo = nullptr;
    QLineEdit* Location = nullptr; // over CurPath while a path is typed
    QListWidget* LogoList = nullptr;
    PictureBox* CurView = nullptr;
    PictureReasonLabel* PictureReason = nullptr;
    // The three screen slots, each with its preview, buttons and "not available" note.
    std::array<PictureBox*, 3> ImgPreview {};
    std::array<QPushButton*, 3> AddButton {}, DeleteButton {};
    std::array<QLabel*, 3> LblNotAval {};
    // The set being built: its kind, its name and the action button with its menus.
    QRadioButton *OptOnlyStart = nullptr, *OptCompSet = nullptr, *OptDefShut = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* NameLogoSet = nullptr;
    QPushButton* ActButton = nullptr;
    QMenu *mnuAction = nullptr, *MnuManage = nullptr;
    std::array<QAction*, 2> OkButton {};
    QAction *EliminaSetBtn = nullptr, *ItmRename = nullptr, *ItmDelete = nullptr;
    std::array<QAction*, 3> ItmSetLogo {};

    // Data-only lists: the folder's subfolders and picture files.
    QString Dir1Path;
    QStringList Dir1;
    QStringList File1;

    // What the previewed picture is: the Add buttons convert only what needs it.
    enum class Verdict { NoPicture, LogoScreen, NeedsConversion };
    Verdict PictureVerdict = Verdict::NoPicture;
    bool GoodBMP = false;
    QString PicturePath;
    bool PictureIsBitmap = false;
    QString OldItemName;
    int LoadedSetIndex = -1;
    int CreatedSetIndex = -1;
    bool OnlyStartup = false;

    void createControls();
    void createLocationField();
    void hideLocationField();
    void fitCaptions();
    void createSlots();
    void createSetControls();
    void createMenus();
    void connectControls();
    void setHelpTopics();
    void setNameText(const QString& text);
    void showVerdict(Verdict verdict);
    bool startOnSelectedSet();
    void setSlotVisible(int index, bool visible);
    void showComposingSlots(int count);
    void markKindChosen();
    void drawSlot(int index, const QString& path);
    void pictureAction(PictureBox* box, Qt::MouseButton button, const QPoint& menuAt);
    void connectPicture(PictureBox* box);
    bool listEventFilter(QEvent* event);
    bool slotEventFilter(int index, QEvent* event);
    // Pictures from web pages and the clipboard (selpictureformoutside.cpp).
    void connectOutsidePictures();
    bool outsidePictureFilter(int slot, QEvent* event);
    bool takeOutsidePicture(const QMimeData& data, int slot);
    int selectedSlot() const;
    void selectEntry(const QString& text);
    bool writeSet(int Index, const QString& name);
    void markUnchanged();
    void removeTemporaryFiles();
    void renameInstalledSet(const QString& oldName, const QString& newName);
    void renameInstalledCaption(const QString& oldName, const QString& newName);

    // Growing with the window (selpictureformlayout.cpp): the designed size is the smallest.
    static QSize designSize();
    void rememberDesignGeometry();
    void layOutControls(QSize size);
    void restoreSize();
    void saveSize() const;
    QList<std::pair<QWidget*, QRect>> m_designGeometry;
    qreal m_monitorScale = 0; // the scale the monitor picture was last drawn at

    LibraryLink m_library;

    QListWidgetItem* m_editingItem = nullptr;
    QPoint m_pressPos;
    bool m_leftPressed = false;
    bool m_loaded = false;
    bool m_discardAnswered = false;
};

// Opens the logo browser modally over `owner` under the hourglass, as the main window's timer
// does after the click that asked for it.
// `picture`, when given, is a picture from a web page to preview once the browser is open.
void showLogoBrowser(QWidget* owner, const LibraryLink& library, const QMimeData* picture = nullptr);

// A drive as the browser's drive list shows it.
QString driveItemText(QChar letter);
