#include "selpictureform.h"

#include "monitorpicture.h"
#include "picturereason.h"

#include "app/hourglass.h"
#include "app/settings.h"
#include "app/twips.h"
#include "platform/machine.h"
#include "windows/helpwindow.h"
#include "windows/labelcolour.h"
#include "windows/namedcontrol.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

const QColor SelPictureForm::LogoScreenColour = QColor(0, 128, 0);
const QColor SelPictureForm::ConvertColour = QColor(255, 255, 0);
const QColor SelPictureForm::NoPictureColour = QColor(255, 0, 0);

namespace
{

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* control = new QLabel(text, parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* control = new QPushButton(text, parent);
    control->setObjectName(name);
    control->setGeometry(place);
    control->setAutoDefault(false);
    return control;
}

// A menu entry that runs `command`, named for the tests and the accessibility tree.
template <class Command>
QAction* addEntry(QMenu* menu, const QString& name, const QString& text, Command command)
{
    QAction* entry = menu->addAction(text);
    entry->setObjectName(name);
    QObject::connect(entry, &QAction::triggered, menu, command);
    return entry;
}

} // namespace

SelPictureForm::SelPictureForm(LibraryLink library, QWidget* parent)
    : QDialog(parent)
    , m_library(std::move(library))
{
    setObjectName(QStringLiteral("SelPictureForm"));
    setWindowTitle(tr("Logo browser"));
    setMinimumSize(designSize());
    resize(designSize());
    createControls();
    fitCaptions();
    createMenus();
    connectControls();
    connectOutsidePictures();
    Form_Load();
    rememberDesignGeometry();
    restoreSize();
}

SelPictureForm::~SelPictureForm()
{
    // A run that ends while the browser is open (SIGTERM, a log-out) closes it without an unload.
    removeTemporaryFiles();
}

void SelPictureForm::createControls()
{
    auto* monitor = new QLabel(this);
    monitor->setObjectName(QStringLiteral("Image1"));
    monitor->setGeometry(twipsRect(4440, 90, 2760, 2535));
    monitor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    monitor->setPixmap(monitorPicture());
    CurView = new PictureBox(this);
    CurView->setObjectName(QStringLiteral("CurView"));
    // The preview lies exactly on the monitor's screen.
    CurView->setGeometry(monitorScreenRect().translated(monitor->pos()));
    QPalette dark = CurView->palette();
    dark.setColor(QPalette::Base, QColor(64, 64, 64));
    CurView->setPalette(dark);
    CurView->setAccessibleName(tr("Picture preview"));
    new ScreenAnimator(CurView);
    PictureReason = new PictureReasonLabel(CurView);

    Label1 = label(this, QStringLiteral("Label1"), tr("Select log&os:"), twipsRect(120, 150, 975, 255));
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(twipsRect(1080, 120, 3255, 315));
    Drive1->setAccessibleName(tr("Drive"));
    Label1->setBuddy(Drive1);
    for (const platform::DriveMapping& drive : platform::currentMachine().drives())
        Drive1->addItem(driveItemText(drive.letter));
    CurPath = label(this, QStringLiteral("CurPath"), QString(), twipsRect(135, 480, 4200, 255));
    createLocationField();
    LogoList = new QListWidget(this);
    LogoList->setObjectName(QStringLiteral("LogoList"));
    LogoList->setGeometry(twipsRect(120, 720, 4215, 2175));
    LogoList->setAccessibleName(tr("Folder contents"));
    LogoList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LogoList->setUniformItemSizes(true);

    ImageInfo
        = label(this, QStringLiteral("ImageInfo"), tr("no logo selected"), twipsRect(4560, 2655, 2655, 255));
    ImageInfo->setAlignment(Qt::AlignCenter);
    // Black behind the verdict colours keeps the yellow and the green readable on any desktop theme.
    ImageInfo->setAutoFillBackground(true);
    QPalette infoPalette = ImageInfo->palette();
    infoPalette.setColor(QPalette::Window, Qt::black);
    ImageInfo->setPalette(infoPalette);
    showVerdict(Verdict::NoPicture);
    createSlots();
    createSetControls();
    // Tab goes from the list to the picture it previews, then on to the slots.
    setTabOrder(LogoList, CurView);
}

void SelPictureForm::fitCaptions()
{
    // The layout was drawn for a narrow 8-point dialog font; the captions that have room to their
    // right may take it, and the font gets smaller only as far as the others need.
    for (QRadioButton* option : { OptOnlyStart, OptCompSet, OptDefShut })
        option->resize(twips(2535), option->height());
    Label3->resize(twips(2775), Label3->height());
    const auto fits = [this] {
        for (QWidget* caption : std::initializer_list<QWidget*> {
                 Label1, Label3, OptOnlyStart, OptCompSet, OptDefShut, ImageInfo })
            if (caption->sizeHint().width() > caption->width())
                return false;
        return true;
    };
    QFont dialogFont = font();
    dialogFont.setStretch(QFont::SemiCondensed);
    for (int pixels = 11; pixels >= 9; --pixels) {
        dialogFont.setPixelSize(pixels);
        setFont(dialogFont);
        if (fits())
            return;
    }
}

void SelPictureForm::createSlots()
{
    const int lefts[] = { 120, 1560, 3000 };
    const QString slotNames[]
        = { tr("Startup screen slot"), tr("Wait screen slot"), tr("Shutdown screen slot") };
    const QString addNames[]
        = { tr("Add as startup screen"), tr("Add as wait screen"), tr("Add as shutdown screen") };
    const QString deleteNames[]
        = { tr("Delete startup screen"), tr("Delete wait screen"), tr("Delete shutdown screen") };
    for (int i = 0; i < 3; ++i) {
        ImgPreview[i] = new PictureBox(this);
        ImgPreview[i]->setObjectName(QStringLiteral("ImgPreview%1").arg(i));
        ImgPreview[i]->setGeometry(twipsRect(lefts[i], 3480, 1335, 1095));
        ImgPreview[i]->setBorder(true);
        ImgPreview[i]->setAcceptDrops(true);
        ImgPreview[i]->setAccessibleName(slotNames[i]);
        ImgPreview[i]->installEventFilter(this);
        AddButton[i] = button(
            this, QStringLiteral("AddButton%1").arg(i), tr("Add"), twipsRect(lefts[i], 3000, 1335, 375));
        AddButton[i]->setEnabled(false);
        AddButton[i]->setAccessibleName(addNames[i]);
        DeleteButton[i] = button(this, QStringLiteral("DeleteButton%1").arg(i), tr("Delete"),
            twipsRect(lefts[i], 4680, 1335, 375));
        DeleteButton[i]->setAccessibleName(deleteNames[i]);
    }
    new ScreenAnimator(ImgPreview[0]);
    LblNotAval[0] = label(this, QStringLiteral("LblNotAval0"), tr("Default wait/shutdown screens"),
        twipsRect(120, 3720, 1320, 855));
    LblNotAval[1] = label(
        this, QStringLiteral("LblNotAval1"), tr("Only startup logo"), twipsRect(1680, 3840, 1095, 495));
    LblNotAval[2] = label(
        this, QStringLiteral("LblNotAval2"), tr("Only startup logo"), twipsRect(3120, 3840, 1095, 495));
    for (QLabel* notAvailable : LblNotAval) {
        notAvailable->setAlignment(Qt::AlignCenter);
        notAvailable->setWordWrap(true);
        setTextColour(notAvailable, QColor(0, 0, 255));
        notAvailable->hide();
    }
}

void SelPictureForm::createSetControls()
{
    auto* kindFrame = named<QGroupBox>("Frame1", tr("Choose type of logo set"), this);
    kindFrame->setGeometry(twipsRect(4440, 2880, 2775, 1095));
    OptOnlyStart = named<QRadioButton>("OptOnlyStart", tr("&Startup screen only"), kindFrame);
    OptOnlyStart->setGeometry(twipsRect(120, 290, 1695, 255));
    OptCompSet = named<QRadioButton>("OptCompSet", tr("Co&mplete set"), kindFrame);
    OptCompSet->setGeometry(twipsRect(120, 540, 1335, 255));
    OptCompSet->setChecked(true);
    OptDefShut = named<QRadioButton>("OptDefShut", tr("De&fault wait/shutdown screens"), kindFrame);
    OptDefShut->setGeometry(twipsRect(120, 780, 2535, 255));

    Label3 = label(
        this, QStringLiteral("Label3"), tr("&Name of the logo set:"), twipsRect(4440, 4035, 1695, 255));
    NameLogoSet = new QComboBox(this);
    NameLogoSet->setObjectName(QStringLiteral("NameLogoSet"));
    NameLogoSet->setEditable(true);
    NameLogoSet->setInsertPolicy(QComboBox::NoInsert);
    NameLogoSet->setGeometry(twipsRect(4440, 4275, 2775, 315));
    NameLogoSet->setAccessibleName(tr("Name of the logo set"));
    Label3->setBuddy(NameLogoSet);
    ActButton = button(this, QStringLiteral("ActButton"), tr("Ac&tion..."), twipsRect(4440, 4680, 1335, 375));
    auto* finish
        = button(this, QStringLiteral("CloseButton"), tr("Finis&h"), twipsRect(5880, 4680, 1335, 375));
    connect(finish, &QPushButton::clicked, this, &QDialog::reject);
}

void SelPictureForm::createMenus()
{
    mnuAction = new QMenu(tr("Action"), this);
    mnuAction->setObjectName(QStringLiteral("mnuAction"));
    for (int i = 0; i < 2; ++i)
        OkButton[i] = addEntry(mnuAction, QStringLiteral("OkButton%1").arg(i),
            i == 0 ? tr("Create n&ew set") : tr("Up&date set"), [this, i] { OkButton_Click(i); });
    EliminaSetBtn = addEntry(
        mnuAction, QStringLiteral("EliminaSetBtn"), tr("De&lete set"), [this] { EliminaSetBtn_Click(); });
    addEntry(mnuAction, QStringLiteral("ClearAllButton"), tr("Delete &all images"),
        [this] { ClearAllButton_Click(); });
    for (QAction* command : { OkButton[0], OkButton[1], EliminaSetBtn })
        command->setEnabled(false);

    MnuManage = new QMenu(tr("&Manage"), this);
    MnuManage->setObjectName(QStringLiteral("MnuManage"));
    ItmRename
        = addEntry(MnuManage, QStringLiteral("ItmRename"), tr("&Rename"), [this] { ItmRename_Click(); });
    ItmRename->setShortcut(Qt::Key_F2);
    ItmDelete
        = addEntry(MnuManage, QStringLiteral("ItmDelete"), tr("&Delete"), [this] { ItmDelete_Click(); });
    ItmDelete->setShortcut(Qt::Key_Delete);
    addEntry(MnuManage, QStringLiteral("itmRefresh"), tr("Re&fresh"), [this] {
        itmRefresh_Click();
    })->setShortcut(Qt::Key_F5);
    MnuManage->addSeparator();
    const QString screens[] = { tr("Set as &LOGO.SYS"), tr("Set as LOGO&W.SYS"), tr("Set as LOGO&S.SYS") };
    for (int i = 0; i < 3; ++i)
        ItmSetLogo[i] = addEntry(
            MnuManage, QStringLiteral("ItmSetLogo%1").arg(i), screens[i], [this, i] { ItmSetLogo_Click(i); });
    // The list's own key handler runs these whatever their state, so the menu's keys only label.
    for (QAction* item : MnuManage->actions())
        item->setShortcutContext(Qt::WidgetShortcut);
}

void SelPictureForm::connectControls()
{
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(LogoList, &QListWidget::itemClicked, this, &SelPictureForm::LogoList_ItemClick);
    connect(LogoList, &QListWidget::itemDoubleClicked, this, [this] { LogoList_DblClick(); });
    connect(LogoList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (item != m_editingItem)
            return;
        m_editingItem = nullptr;
        bool cancel = false;
        LogoList_AfterLabelEdit(cancel, item->text());
        if (cancel) {
            const QSignalBlocker blocker(LogoList);
            item->setText(OldItemName);
        }
    });
    LogoList->installEventFilter(this);
    LogoList->viewport()->installEventFilter(this);
    CurView->installEventFilter(this);
    connectPicture(CurView);
    for (int i = 0; i < 3; ++i) {
        connect(AddButton[i], &QPushButton::clicked, this, [this, i] { AddButton_Click(i); });
        connect(DeleteButton[i], &QPushButton::clicked, this, [this, i] { DeleteButton_Click(i); });
        connectPicture(ImgPreview[i]);
    }
    const std::pair<QRadioButton*, void (SelPictureForm::*)()> kinds[]
        = { { OptCompSet, &SelPictureForm::OptCompSet_Click },
              { OptOnlyStart, &SelPictureForm::OptOnlyStart_Click },
              { OptDefShut, &SelPictureForm::OptDefShut_Click } };
    for (const auto& [option, choose] : kinds)
        connect(option, &QRadioButton::clicked, this, choose);
    connect(NameLogoSet, &QComboBox::activated, this, &SelPictureForm::NameLogoSet_Click);
    connect(NameLogoSet->lineEdit(), &QLineEdit::textEdited, this, [this] { NameLogoSet_Change(); });
    connect(ActButton, &QPushButton::clicked, this, &SelPictureForm::ActButton_Click);
}

// A click on a picture acts on it; so do Enter or Space and the menu key once Tab has reached it.
void SelPictureForm::connectPicture(PictureBox* box)
{
    box->setKeyboardActions(true);
    connect(box, &PictureBox::mouseReleased, this,
        [this, box](Qt::MouseButton mouseButton) { pictureAction(box, mouseButton); });
    connect(box, &PictureBox::activated, this, [this, box] { pictureAction(box, Qt::LeftButton); });
    connect(box, &PictureBox::menuRequested, this,
        [this, box](QPoint at) { pictureAction(box, Qt::RightButton, at); });
}

void SelPictureForm::Form_Load()
{
    ImgPreview[0]->setToolTip(tr("LOGO.SYS: startup screen"));
    ImgPreview[1]->setToolTip(tr("LOGOW.SYS: wait screen"));
    ImgPreview[2]->setToolTip(tr("LOGOS.SYS: shutdown screen"));
    setHelpTopics();
}

void SelPictureForm::setHelpTopics()
{
    const QString& helpFile = settings().HelpFile;
    if (helpFile.isEmpty())
        return;
    const std::pair<QWidget*, int> topics[]
        = { { OptOnlyStart, 53 }, { OptCompSet, 53 }, { OptDefShut, 53 }, { ActButton, 19 }, { LogoList, 48 },
              { Drive1, 48 }, { CurView, 47 }, { ImageInfo, 47 }, { NameLogoSet, 45 } };
    for (const auto& [control, topic] : topics)
        setWhatsThisTopic(control, helpFile, topic);
    for (int i = 0; i < 3; ++i) {
        setWhatsThisTopic(ImgPreview[i], helpFile, 46);
        setWhatsThisTopic(AddButton[i], helpFile, 49);
        setWhatsThisTopic(DeleteButton[i], helpFile, 50);
    }
}

void SelPictureForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Drawn again now that the screen, and so its pixel ratio, is known.
    m_monitorScale = 0;
    layOutControls(size());
    // Later activations (a message box closing, another program) must not reload the slots and
    // lose the user's work: the window fills itself once per opening.
    if (!m_loaded) {
        m_loaded = true;
        Form_Activate();
    }
}

void SelPictureForm::done(int result)
{
    if (!Form_QueryUnload())
        return;
    Form_Unload();
    QDialog::done(result);
}

void showLogoBrowser(QWidget* owner, const LibraryLink& library, const QMimeData* picture)
{
    std::unique_ptr<SelPictureForm> form;
    {
        const ScopedHourglass hourglass;
        form = std::make_unique<SelPictureForm>(library, owner);
    }
    if (picture)
        QTimer::singleShot(0, form.get(), [&form, picture] { form->previewOutsidePicture(*picture); });
    form->exec();
}
