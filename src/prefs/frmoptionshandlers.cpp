#include "frmoptions.h"

#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/systemfolders.h"
#include "install/guestdeployment.h"
#include "install/realinstallation.h"
#include "platform/displaypath.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <exception>

namespace
{

const QString ShuffletLink = QStringLiteral("Shufflet.lnk");
const QString CycletteLink = QStringLiteral("Cyclette.lnk");

// Option buttons are exclusive, so leaving a group with none selected needs exclusivity lifted.
void selectOption(const std::array<QRadioButton*, 3>& options, int index)
{
    for (int i = 0; i < 3; ++i) {
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(i == index);
        options[i]->setAutoExclusive(true);
    }
}

Qt::CheckState checkState(qint16 flag)
{
    return flag == 0 ? Qt::Unchecked : Qt::Checked;
}

qint16 flag(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

template <class Step> void FrmOptions::okStep(Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
        MsgBox(
            FrmOptions::tr("Could not find %1. Please reinstall Bootcanvas from the original setup package!")
                .arg(platform::pathForDisplay(settings().AppPath + m_chosenShortcut)),
            vbExclamation);
    }
}

void FrmOptions::Form_Activate()
{
    m_activated = true;
    const QScopedValueRollback filling(m_filling, true);
    const Settings& s = settings();

    const bool knownDoubleClick = s.ActionOnDoubleClick >= 0 && s.ActionOnDoubleClick < DblAction->count();
    DblAction->setCurrentIndex(knownDoubleClick ? s.ActionOnDoubleClick : -1);
    DriveHost->setText(s.StartUpDrive.left(1));
    // A stored value other than 0 or 1 shows as neither, and OK keeps it unless the box is clicked.
    ActiveStart->setTristate(s.LogoOption != 0 && s.LogoOption != 1);
    ActiveStart->setCheckState(ActiveStart->isTristate() ? Qt::PartiallyChecked : checkState(s.LogoOption));
    selectOption(OptOpen, s.DefaultAction);
    CustomName->setText(s.CustomProgName);
    CustProg->setText(s.CustomProgPath);
    ChkShowAnim->setChecked(m_mainWindow.animate && m_mainWindow.animate->isChecked());
    ChkAnimatedBar->setCheckState(checkState(s.AnimatedBar));
    GetDiskInfo();
    ChkDeleteRecycle->setCheckState(checkState(s.DeleteInRecycleBin));
    ChkDelConfirm->setCheckState(checkState(s.ConfirmLogosetDelete));
    ChkConfirmChange->setCheckState(checkState(s.ConfirmLogoTypeChange));
    ChkShowSplash->setCheckState(checkState(s.ShowSplashScreen));
    fillStartUpAction();
    TxtLogoPath->setText(platform::pathForDisplay(s.LogoPath));
    ChkSyncronize->setCheckState(checkState(s.SynchronizeLogos));
    showSyncScope();
    DefineVisible();
}

void FrmOptions::fillStartUpAction()
{
    const QString& folder = settings().StartupFolder;
    const bool shufflet = exists(folder + ShuffletLink, platform::vbNormal);
    const bool cyclette = exists(folder + CycletteLink, platform::vbNormal);
    if (shufflet && cyclette)
        selectOption(StartUpAction, -1);
    else if (shufflet)
        selectOption(StartUpAction, 1);
    else if (cyclette)
        selectOption(StartUpAction, 0);
    else
        selectOption(StartUpAction, 2);
}

void FrmOptions::GetDiskInfo()
{
    while (ItmDriveList.size() > 1) {
        delete ItmDriveList.back();
        ItmDriveList.pop_back();
    }
    if (platform::hasCurrentMachine()) {
        QList<platform::DriveMapping> drives = platform::currentMachine().drives();
        // The system lists drive roots in letter order.
        std::sort(drives.begin(), drives.end(),
            [](const auto& a, const auto& b) { return a.letter.toUpper() < b.letter.toUpper(); });
        for (const platform::DriveMapping& drive : drives) {
            if (drive.type != platform::DriveType::Fixed)
                continue;
            QAction* entry = MnuDrive->addAction(QString(drive.letter.toUpper()));
            entry->setObjectName(QStringLiteral("ItmDriveList%1").arg(ItmDriveList.size()));
            ItmDriveList.push_back(entry);
        }
    }
    ItmDriveList[0]->setVisible(false);
}

void FrmOptions::DefineVisible()
{
    for (int i = 0; i < 4; ++i)
        Myframe[i]->setVisible(i == TabStrip1->currentIndex());
}

void FrmOptions::TabStrip1_Click()
{
    DefineVisible();
}

void FrmOptions::btnBrwFolder_Click()
{
    const QString folder = BrowseForFolder(this, tr("Choose the folder you want to add"));
    if (!folder.isEmpty())
        TxtLogoPath->setText(platform::pathForDisplay(folder));
}

void FrmOptions::BtnBrowse_Click()
{
    const QString program = ShowOpenDialog(
        this, tr("Applications (*.exe)|*.exe"), tr("Where is your favourite graphic program?"), QString());
    if (program.isEmpty())
        return;
    CustProg->setText(program);
    const QString& title = settings().OpenFileTitle;
    CustomName->setText(title.left(std::max<qsizetype>(0, title.size() - 4)));
}

void FrmOptions::CustomName_Change()
{
    if (!m_filling)
        OptOpen[2]->setChecked(true);
}

void FrmOptions::CustProg_Change()
{
    if (!m_filling)
        OptOpen[2]->setChecked(true);
}

void FrmOptions::TxtLogoPath_GotFocus()
{
    SelectAllText(TxtLogoPath);
}

void FrmOptions::CustomName_GotFocus()
{
    SelectAllText(CustomName);
}

void FrmOptions::CustProg_GotFocus()
{
    SelectAllText(CustProg);
}

void FrmOptions::DriveHost_Click()
{
    MnuDrive->popup(DriveHost->mapToGlobal(QPoint(0, DriveHost->height())));
}

void FrmOptions::ItmDriveList_Click(int index)
{
    if (index >= 0 && index < static_cast<int>(ItmDriveList.size()))
        DriveHost->setText(ItmDriveList[index]->text());
}

void FrmOptions::ActiveStart_Click()
{
    // Once the user has chosen, the box only toggles between shown and not shown.
    if (ActiveStart->checkState() != Qt::PartiallyChecked)
        ActiveStart->setTristate(false);
    if (m_mainWindow.markLogoChanged)
        m_mainWindow.markLogoChanged();
}

void FrmOptions::StartUpAction_Click(int index)
{
    if (m_filling)
        return;
    m_startupChanged = true;
    m_chosenShortcut = StartUpAction[index]->property("Tag").toString();
    showSyncScope();
}

void FrmOptions::showSyncScope()
{
    // The host writes a real installation while it is not running, all three screens at once; only
    // the companions inside Windows hold the wait and shutdown screens back.
    const bool real = machineIsRealInstallation();
    const bool companion = StartUpAction[0]->isChecked() || StartUpAction[1]->isChecked();
    ChkSyncronize->setEnabled(!real || companion);
    SyncNote->setVisible(real);
    SyncNote->setText(companion
            ? tr("Applies to the changes the companion program makes when Windows starts.")
            : tr("No effect on this Windows: it is not running while Bootcanvas writes it, so all "
                 "three screens are written at once."));
}

void FrmOptions::okGuestCompanions()
{
    const StartupChange change = StartUpAction[1]->isChecked() ? StartupChange::Random
        : StartUpAction[0]->isChecked()                        ? StartupChange::Sequential
                                                               : StartupChange::Nothing;
    try {
        const qint64 bytes = deployStartupChange(change, settings().StartupFolder);
        if (change != StartupChange::Nothing)
            MsgBox(tr("The companion program and the copy of the logo sets it chooses from take %1 KB "
                      "inside this Windows.")
                       .arg((bytes + 1023) / 1024),
                vbInformation);
    } catch (const std::exception& error) {
        MsgBox(QString::fromStdString(error.what()), vbExclamation);
    }
}

void FrmOptions::okStartUpShortcuts()
{
    if (machineIsRealInstallation()) {
        okGuestCompanions();
        return;
    }
    const Settings& s = settings();
    for (const QString& link : { ShuffletLink, CycletteLink }) {
        const QString path = s.StartupFolder + link;
        if (exists(path, platform::vbNormal))
            okStep([&] { platform::Kill(path); });
    }
    if (StartUpAction[0]->isChecked())
        okStep([&] { platform::FileCopy(s.AppPath + CycletteLink, s.StartupFolder + CycletteLink); });
    else if (StartUpAction[1]->isChecked())
        okStep([&] { platform::FileCopy(s.AppPath + ShuffletLink, s.StartupFolder + ShuffletLink); });
}

void FrmOptions::BtnOK_Click()
{
    Settings& s = settings();
    if (m_startupChanged)
        okStartUpShortcuts();

    s.CustomProgName = CustomName->text();
    s.CustomProgPath = CustProg->text();
    if (m_mainWindow.customProgram)
        m_mainWindow.customProgram->setText(
            s.CustomProgName.isEmpty() ? tr("Custom Program") : s.CustomProgName);
    for (int i = 0; i < 3; ++i) {
        if (OptOpen[i]->isChecked()) {
            s.DefaultAction = static_cast<qint16>(i);
            break;
        }
    }
    if (m_mainWindow.animate)
        m_mainWindow.animate->setChecked(ChkShowAnim->isChecked());
    s.AnimatedBar = flag(ChkAnimatedBar);

    s.DeleteInRecycleBin = flag(ChkDeleteRecycle);
    s.ConfirmLogosetDelete = flag(ChkDelConfirm);
    s.ConfirmLogoTypeChange = flag(ChkConfirmChange);
    if (DblAction->currentIndex() >= 0)
        s.ActionOnDoubleClick = static_cast<qint16>(DblAction->currentIndex());
    s.ShowSplashScreen = flag(ChkShowSplash);
    s.SynchronizeLogos = flag(ChkSyncronize);
    s.StartUpDrive = DriveHost->text() + QStringLiteral(":\\");
    if (ActiveStart->checkState() != Qt::PartiallyChecked)
        s.LogoOption = flag(ActiveStart);

    // Shown as a host path where the guest has no such drive; kept as the Windows path either way.
    const QString logoFolder = AddBackslash(platform::pathFromDisplay(TxtLogoPath->text()));
    if (logoFolder != s.LogoPath) {
        s.LogoPath = logoFolder;
        if (m_mainWindow.rescanLibrary)
            okStep([&] { m_mainWindow.rescanLibrary(); });
    }
    accept();
}

void FrmOptions::BtnCancel_Click()
{
    reject();
}
