#include "principale.h"

#include "activebar.h"
#include "logolist.h"

#include "app/attempt.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "app/systemfolders.h"
#include "app/twips.h"
#include "install/guestdeployment.h"
#include "install/gueststartup.h"
#include "install/realinstallation.h"
#include "platform/profile.h"
#include "windows/labelcolour.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QTimer>

namespace
{

Principale* theMainWindow = nullptr;

QLabel* colouredLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    setTextColour(label, colour);
    return label;
}

} // namespace

Principale* mainWindow()
{
    return theMainWindow;
}

Principale::Principale(QWidget* parent)
    : QMainWindow(parent)
{
    theMainWindow = this;
    setObjectName(QStringLiteral("Principale"));
    setWindowTitle(tr("Bootcanvas"));
    createControls();
    createBars();
    createMenus();
    connectCommands();
    connectLibraryEvents();
}

Principale::~Principale()
{
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

void Principale::createControls()
{
    auto* area = new QWidget(this);
    area->setFixedSize(twips(5400), twips(5340));
    setCentralWidget(area);

    // The three labels are wider than designed, so that " 10000 logo sets", long set names and
    // "Single logo" are not cut off whatever the font.
    NumLogo = colouredLabel(area, "NumLogo", twipsRect(0, 120, 1500, 255), QColor(0, 0, 192));
    DefaultLogo = colouredLabel(area, "DefaultLogo", twipsRect(1500, 120, 2415, 240), QColor(0, 0, 255));
    DefaultLogo->setAlignment(Qt::AlignCenter);
    DefaultLogo->setText(DontKnow);
    DefaultLogo->setToolTip(tr("Default logo set"));
    LogoType = colouredLabel(area, "LogoType", twipsRect(3960, 120, 1275, 240), QColor(0, 128, 0));
    LogoType->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    MyList = new LogoList(area);
    MyList->setObjectName(QStringLiteral("MyList"));
    MyList->setGeometry(twipsRect(0, 360, 5325, 2895));

    const int lefts[3] = { 30, 1800, 3600 };
    const int widths[3] = { 1680, 1695, 1695 };
    const int captionLefts[3] = { 15, 1800, 3600 };
    const QString names[3]
        = { tr("Startup screen preview"), tr("Wait screen preview"), tr("Shutdown screen preview") };
    const QString captions[3] = { tr("LOGO.SYS\r\nStartup screen"), tr("LOGOW.SYS\r\nWait screen"),
        tr("LOGOS.SYS\r\nShutdown screen") };
    for (int i = 0; i < 3; ++i) {
        Imag[i] = new PictureBox(area);
        Imag[i]->setObjectName(QStringLiteral("Imag%1").arg(i));
        Imag[i]->setGeometry(twipsRect(lefts[i], 3360, widths[i], 1335));
        Imag[i]->setAccessibleName(names[i]);
        Imag[i]->setKeyboardActions(true);
        auto* caption = new QLabel(captions[i], area);
        caption->setObjectName(QStringLiteral("des%1").arg(i));
        caption->setGeometry(twipsRect(captionLefts[i], 4740, 1680, 540));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    new ScreenAnimator(Imag[0]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Principale::Timer1_Timer);

    // F1 reaches the window whichever control has the focus.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { Form_KeyUp(Qt::Key_F1, Qt::NoModifier); });
}

void Principale::Form_Load()
{
    Settings& s = settings();
    attempt([&] { s.StartupFolder = GetStartupFolder(); });
    // A real installation's Windows has its own StartUp folder, which its registry names.
    if (machineIsRealInstallation())
        attempt([&] { s.StartupFolder = guestStartupFolder(); });
    MsdosPath = s.WinPath.left(2) + QStringLiteral("\\msdos.sys");
    MyList->setColumnHeader(tr("Logoset name"), twips(5325 - 600));
    attempt([&] {
        s.LogoOption = static_cast<qint16>(
            platform::GetPrivateProfileInt(QStringLiteral("Options"), QStringLiteral("Logo"), 1, MsdosPath));
    });
    // The view entries are the bars' view tools, so their marks follow the view brought back.
    attempt([&] { LoadSettings(*this); });
    adoptGuestInstalledSet();
    attempt([&] { LeggiDatiDisco(); });
}

void Principale::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Principale::Form_KeyUp(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_F1)
        ItmContents_Click();
}

void Principale::ItmViewType_Click(int index)
{
    const bool list = index == 0;
    MyList->setView(list ? LogoList::ListView : LogoList::ReportView);
    // Setting the marks must not run the command again.
    const QSignalBlocker listBlocker(ItmViewType[0]);
    const QSignalBlocker reportBlocker(ItmViewType[1]);
    ItmViewType[0]->setChecked(list);
    ItmViewType[1]->setChecked(!list);
}

void Principale::setCustomProgramCaption(const QString& caption)
{
    ItmOpenAct[2]->setText(caption);
}

bool Principale::isListViewChecked() const
{
    return ItmViewType[0]->isChecked();
}

QString Principale::defaultLogoCaption() const
{
    return DefaultLogo->text();
}
