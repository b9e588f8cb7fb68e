#include "principale.h"

#include "activebar.h"
#include "logolist.h"
#include "mainwindowlayout.h"

#include "app/attempt.h"
#include "app/machinecaption.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "app/systemfolders.h"
#include "app/twips.h"
#include "install/guestdeployment.h"
#include "install/gueststartup.h"
#include "install/realinstallation.h"
#include "platform/machine.h"
#include "platform/profile.h"
#include "windows/labelcolour.h"
#include "windows/picturebox.h"
#include "windows/resizingarea.h"
#include "windows/screenanimator.h"
#include "windows/windowgeometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QTimer>

namespace
{

Principale* theMainWindow = nullptr;

QLabel* colouredLabel(QWidget* parent, const char* name, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
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
    auto* area = new ResizingArea(mainWindowDesignSize(), this);
    setCentralWidget(area);

    // The three labels are wider than designed, so that " 10000 logo sets", long set names and
    // "Single logo" are not cut off whatever the font.
    NumLogo = colouredLabel(area, "NumLogo", QColor(0, 0, 192));
    DefaultLogo = colouredLabel(area, "DefaultLogo", QColor(0, 0, 255));
    DefaultLogo->setAlignment(Qt::AlignCenter);
    DefaultLogo->setText(DontKnow);
    DefaultLogo->setToolTip(tr("Default logo set"));
    LogoType = colouredLabel(area, "LogoType", QColor(0, 128, 0));
    LogoType->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    MyList = new LogoList(area);
    MyList->setObjectName(QStringLiteral("MyList"));

    const QString names[3]
        = { tr("Startup screen preview"), tr("Wait screen preview"), tr("Shutdown screen preview") };
    const QString captions[3] = { tr("LOGO.SYS\r\nStartup screen"), tr("LOGOW.SYS\r\nWait screen"),
        tr("LOGOS.SYS\r\nShutdown screen") };
    std::array<QLabel*, 3> des {};
    for (int i = 0; i < 3; ++i) {
        Imag[i] = new PictureBox(area);
        Imag[i]->setObjectName(QStringLiteral("Imag%1").arg(i));
        Imag[i]->setAccessibleName(names[i]);
        Imag[i]->setKeyboardActions(true);
        des[i] = new QLabel(captions[i], area);
        des[i]->setObjectName(QStringLiteral("des%1").arg(i));
        des[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    area->setPlacement([this, des](QSize size) {
        const MainWindowLayout layout = mainWindowLayout(size);
        NumLogo->setGeometry(layout.numLogo);
        DefaultLogo->setGeometry(layout.defaultLogo);
        LogoType->setGeometry(layout.logoType);
        MyList->setGeometry(layout.list);
        for (int i = 0; i < 3; ++i) {
            Imag[i]->setGeometry(layout.previews[i]);
            des[i]->setGeometry(layout.captions[i]);
        }
    });
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
    showMachineInTitle();
    restoreWindowGeometry(*this, QStringLiteral("main"));
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

void Principale::showMachineInTitle()
{
    if (platform::hasCurrentMachine())
        setWindowTitle(
            mainWindowTitle(machineCaption(platform::currentMachine(), platform::defaultMachineFolder())));
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
