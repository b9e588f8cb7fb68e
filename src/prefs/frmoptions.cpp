#include "frmoptions.h"

#include "app/settings.h"
#include "windows/dialoglayout.h"
#include "windows/helpwindow.h"
#include "windows/namedcontrol.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

// The help topic about the dialog as a whole.
constexpr int PreferencesTopic = 12;

// A tab's page: a frame without a caption that fills the area under the tabs.
QGroupBox* tabFrame(int index, QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("Myframe%1").arg(index));
    frame->setFlat(false);
    return frame;
}

} // namespace

FrmOptions::FrmOptions(const MainWindowLink& mainWindow, QWidget* parent)
    : QDialog(parent)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FrmOptions"));
    setWindowTitle(tr("Preferences"));
    setModal(true);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    for (const QString& caption :
        { tr("General"), tr("Confirmations"), tr("Images"), tr("StartUp settings") })
        TabStrip1->addTab(caption);
    TabStrip1->setDrawBase(false);

    auto* pages = new QWidget(this);
    auto* pageStack = new QGridLayout(pages);
    pageStack->setContentsMargins(0, 0, 0, 0);
    const std::array<QWidget*, 4> contents
        = { createGeneralTab(), createConfirmationsTab(), createImagesTab(), createStartUpTab() };
    QSize largest;
    for (int i = 0; i < 4; ++i) {
        Myframe[i] = tabFrame(i, pages);
        auto* frameLayout = new QVBoxLayout(Myframe[i]);
        frameLayout->addWidget(contents[i]);
        frameLayout->addStretch(1);
        pageStack->addWidget(Myframe[i], 0, 0);
        largest = largest.expandedTo(Myframe[i]->sizeHint());
    }
    // Every tab gets the room of the largest, so the dialog keeps its size when tabs change.
    pages->setMinimumSize(largest);

    auto* ok = named<QPushButton>("BtnOK", tr("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FrmOptions::BtnOK_Click);
    auto* cancel = named<QPushButton>("BtnCancel", tr("&Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &FrmOptions::BtnCancel_Click);
    layOutDialog(this, TabStrip1, pages, { ok, cancel });

    MnuDrive = new QMenu(QStringLiteral("StartUpLogoIn"), this);
    MnuDrive->setObjectName(QStringLiteral("MnuDrive"));
    QAction* templateEntry = MnuDrive->addAction(QStringLiteral("A"));
    templateEntry->setObjectName(QStringLiteral("ItmDriveList0"));
    ItmDriveList.push_back(templateEntry);

    // F1 explains the whole dialog; Shift+F1 or the title bar's "?" explains one control.
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
        [this] { showHelpTopic(settings().HelpFile, PreferencesTopic, this); });

    connectReactions();
    Form_Load();
    DefineVisible();
}

QWidget* FrmOptions::createGeneralTab()
{
    auto* page = new QWidget(this);
    auto* folderCaption = named<QLabel>("Label1", tr("Logo &folder:"), page);
    TxtLogoPath = new QLineEdit(page);
    TxtLogoPath->setObjectName(QStringLiteral("TxtLogoPath"));
    TxtLogoPath->setMinimumWidth(280);
    folderCaption->setBuddy(TxtLogoPath);
    btnBrwFolder = named<QPushButton>("btnBrwFolder", tr(".&.."), page);
    btnBrwFolder->setAccessibleName(tr("Choose the logo folder"));
    btnBrwFolder->setFixedWidth(btnBrwFolder->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);

    auto* doubleClickCaption = named<QLabel>("Label2", tr("Double click on logo set:"), page);
    DblAction = new QComboBox(page);
    DblAction->setObjectName(QStringLiteral("DblAction"));
    DblAction->addItems({ tr("Sets the logo set as default"), tr("Opens the logo browser!") });
    doubleClickCaption->setBuddy(DblAction);

    ChkSyncronize = named<QCheckBox>(
        "ChkSyncronize", tr("Synchronize logos (delay wait and shutdown logo copy)"), page);
    SyncNote = named<QLabel>("SyncNote", QString(), page);
    SyncNote->setWordWrap(true);
    SyncNote->hide();
    ChkShowSplash = named<QCheckBox>("ChkShowSplash", tr("Show splash screen at startup"), page);
    ActiveStart = named<QCheckBox>("ActiveStart", tr("Show startup logo"), page);

    auto* driveCaption = named<QLabel>("Label5", tr("Put the startup logo in:"), page);
    // A label that answers clicks; a flat button keeps it reachable by keyboard.
    DriveHost = new QToolButton(page);
    DriveHost->setObjectName(QStringLiteral("DriveHost"));
    DriveHost->setAutoRaise(true);
    DriveHost->setMinimumWidth(DriveHost->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
    DriveHost->setAccessibleName(tr("Put the startup logo in"));
    DriveHost->setStyleSheet(QStringLiteral("QToolButton { color: blue; font-weight: bold; }"));
    driveCaption->setBuddy(DriveHost);

    auto* grid = new QGridLayout(page);
    grid->addWidget(folderCaption, 0, 0, 1, 2);
    grid->addWidget(TxtLogoPath, 1, 0);
    grid->addWidget(btnBrwFolder, 1, 1);
    grid->addWidget(doubleClickCaption, 2, 0, 1, 2);
    grid->addWidget(DblAction, 3, 0, 1, 2);
    grid->addWidget(ChkSyncronize, 4, 0, 1, 2);
    grid->addWidget(SyncNote, 5, 0, 1, 2);
    grid->addWidget(ChkShowSplash, 6, 0, 1, 2);
    auto* startupRow = new QHBoxLayout;
    startupRow->addWidget(ActiveStart);
    startupRow->addStretch(1);
    startupRow->addWidget(driveCaption);
    startupRow->addWidget(DriveHost);
    grid->addLayout(startupRow, 7, 0, 1, 2);
    return page;
}

QWidget* FrmOptions::createConfirmationsTab()
{
    ChkConfirmChange
        = named<QCheckBox>("ChkConfirmChange", tr("Confirm logo type (single/multi) change"), this);
    ChkDelConfirm = named<QCheckBox>("ChkDelConfirm", tr("Confirm logo sets deletion"), this);
    ChkDeleteRecycle = named<QCheckBox>("ChkDeleteRecycle", tr("Delete logosets in the Recycle Bin"), this);
    return columnPage(this, { ChkConfirmChange, ChkDelConfirm, ChkDeleteRecycle });
}

QWidget* FrmOptions::createImagesTab()
{
    ChkShowAnim = named<QCheckBox>("ChkShowAnim", tr("Autos&how logo animation"), this);
    ChkAnimatedBar
        = named<QCheckBox>("ChkAnimatedBar", tr("Add an animated &bar to new startup screens"), this);
    auto* clickFrame = named<QGroupBox>("ImageClickFrame", tr("When I click on image"), this);
    const QString captions[3]
        = { tr("&Show it in its actual size"), tr("Open &Paint"), tr("Op&en program:") };
    for (int i = 0; i < 3; ++i)
        OptOpen[i] = named<QRadioButton>(QStringLiteral("OptOpen%1").arg(i), captions[i], clickFrame);
    CustomName = new QLineEdit(clickFrame);
    CustomName->setObjectName(QStringLiteral("CustomName"));
    CustomName->setAccessibleName(tr("Custom program name"));
    CustProg = new QLineEdit(clickFrame);
    CustProg->setObjectName(QStringLiteral("CustProg"));
    CustProg->setAccessibleName(tr("Custom program path"));
    BtnBrowse = named<QPushButton>("BtnBrowse", QStringLiteral("..."), clickFrame);
    BtnBrowse->setAccessibleName(tr("Choose the custom program"));
    BtnBrowse->setFixedWidth(btnBrwFolder->width());

    auto* grid = new QGridLayout(clickFrame);
    grid->addWidget(OptOpen[0], 0, 0, 1, 3);
    grid->addWidget(OptOpen[1], 1, 0, 1, 3);
    grid->addWidget(OptOpen[2], 2, 0);
    grid->addWidget(CustomName, 2, 1, 1, 2);
    grid->addWidget(CustProg, 3, 0, 1, 2);
    grid->addWidget(BtnBrowse, 3, 2);
    grid->setColumnStretch(1, 1);
    return columnPage(this, { ChkShowAnim, ChkAnimatedBar, clickFrame });
}

QWidget* FrmOptions::createStartUpTab()
{
    auto* caption = named<QLabel>("Label3", tr("Every time Windows is started run:"), this);
    const QString captions[3]
        = { tr("Logo se&quential change (Cyclette)"), tr("Logo &random change (Shufflet)"), tr("&Nothing") };
    const QString tags[3] = { QStringLiteral("Cyclette.lnk"), QStringLiteral("Shufflet.lnk"), QString() };
    QList<QWidget*> column = { caption };
    for (int i = 0; i < 3; ++i) {
        StartUpAction[i] = named<QRadioButton>(QStringLiteral("StartUpAction%1").arg(i), captions[i], this);
        StartUpAction[i]->setProperty("Tag", tags[i]);
        column.append(StartUpAction[i]);
    }
    return columnPage(this, column);
}

void FrmOptions::connectReactions()
{
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    connect(btnBrwFolder, &QPushButton::clicked, this, &FrmOptions::btnBrwFolder_Click);
    connect(BtnBrowse, &QPushButton::clicked, this, &FrmOptions::BtnBrowse_Click);
    connect(CustomName, &QLineEdit::textChanged, this, &FrmOptions::CustomName_Change);
    connect(CustProg, &QLineEdit::textChanged, this, &FrmOptions::CustProg_Change);
    connect(DriveHost, &QToolButton::clicked, this, &FrmOptions::DriveHost_Click);
    connect(MnuDrive, &QMenu::triggered, this, [this](QAction* entry) {
        for (size_t i = 0; i < ItmDriveList.size(); ++i)
            if (ItmDriveList[i] == entry)
                ItmDriveList_Click(static_cast<int>(i));
    });
    // clicked() comes only from the user, never from filling the controls.
    connect(ActiveStart, &QCheckBox::clicked, this, &FrmOptions::ActiveStart_Click);
    for (int i = 0; i < 3; ++i)
        connect(StartUpAction[i], &QRadioButton::clicked, this, [this, i] { StartUpAction_Click(i); });
    for (QLineEdit* box : { TxtLogoPath, CustomName, CustProg })
        box->installEventFilter(this);
}

void FrmOptions::Form_Load()
{
    assignHelpTopics();
}

void FrmOptions::assignHelpTopics()
{
    const QString& helpFile = settings().HelpFile;
    const std::pair<QWidget*, int> topics[] = { { ActiveStart, 32 }, { ChkShowSplash, 33 },
        { ChkSyncronize, 34 }, { DriveHost, 35 }, { btnBrwFolder, 36 }, { TxtLogoPath, 36 },
        { DblAction, 37 }, { ChkDeleteRecycle, 38 }, { ChkDelConfirm, 39 }, { ChkConfirmChange, 40 },
        { OptOpen[0], 41 }, { OptOpen[1], 42 }, { OptOpen[2], 43 }, { CustomName, 43 }, { CustProg, 44 },
        { BtnBrowse, 44 }, { ChkShowAnim, 51 }, { ChkAnimatedBar, 56 }, { StartUpAction[2], 52 },
        { StartUpAction[0], 54 }, { StartUpAction[1], 55 } };
    if (helpFile.isEmpty())
        return;
    for (const auto& [control, topic] : topics)
        setWhatsThisTopic(control, helpFile, topic);
}

void FrmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        Form_Activate();
}

bool FrmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Deferred: a mouse click that gave the focus would otherwise place the cursor over the selection.
        QTimer::singleShot(0, this, [this, watched] {
            if (watched == TxtLogoPath)
                TxtLogoPath_GotFocus();
            else if (watched == CustomName)
                CustomName_GotFocus();
            else if (watched == CustProg)
                CustProg_GotFocus();
        });
    }
    return QDialog::eventFilter(watched, event);
}
