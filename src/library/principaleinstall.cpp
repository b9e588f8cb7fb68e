#include "principale.h"

#include "activebar.h"
#include "logolist.h"

#include "app/attempt.h"
#include "app/hourglass.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "diskimage/imagedrive.h"
#include "images/grafica.h"
#include "install/bootoptions.h"
#include "install/companionregistration.h"
#include "install/guestdeployment.h"
#include "install/machinewriter.h"
#include "install/randompick.h"
#include "install/screendebris.h"
#include "install/screentargets.h"
#include "install/systemscreens.h"
#include "platform/msgbox.h"
#include "windows/labelcolour.h"
#include "windows/picturebox.h"
#include "windows/windowgeometry.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

// Installing sets into the system, the current-setting view, the random change and the exit sequence.

namespace
{

// The set tools are disabled in the current-setting view, where the selection is hidden and the
// label shows no set name; this property keeps their state meanwhile.
const char* const EnabledBeforeView = "enabledBeforeCurrentView";

} // namespace

bool Principale::isShowingCurrentSetting() const
{
    const QAction* tool = ActiveBar1->Tools(QStringLiteral("ToolShowCurrent"));
    return tool && tool->isChecked();
}

QString Principale::selectedSetName() const
{
    const int row = MyList->selectedRow();
    return row >= 0 && MyList->isSelected(row) ? MyList->itemText(row) : QString();
}

void Principale::setSetToolsEnabledForView(bool entering)
{
    for (QAction* tool : setTools()) {
        if (entering) {
            tool->setProperty(EnabledBeforeView, tool->isEnabled());
            tool->setEnabled(false);
        } else if (tool->property(EnabledBeforeView).isValid()) {
            tool->setEnabled(tool->property(EnabledBeforeView).toBool());
            tool->setProperty(EnabledBeforeView, QVariant());
        }
    }
}

void Principale::showInstalledScreens()
{
    const QString targets[3] = { startupScreenTarget(), waitScreenTarget(), shutdownScreenTarget() };
    for (int i = 0; i < 3; ++i) {
        attempt([&] {
            qint32 width = 0, height = 0;
            qint16 bitCount = 0;
            DrawPreview(targets[i], *Imag[i], width, height, bitCount);
        });
        Imag[i]->setTag(targets[i]);
    }
}

void Principale::enterCurrentSettingView()
{
    DefaultLogo->setToolTip(tr("Showing current logo setting"));
    ActiveBar1->Tools(QStringLiteral("MnuLogo"))->setEnabled(false);
    ActiveBar1->Tools(QStringLiteral("ToolRandom"))->setEnabled(false);
    setSetToolsEnabledForView(true);
    LogoType->hide();
    SavedDefaultCaption = DefaultLogo->text();
    SavedSelection = selectedSetName();
    MyList->setEnabled(false);
    for (PictureBox* box : Imag)
        box->setUpdatesEnabled(false);
    showInstalledScreens();
    DefaultLogo->clear();
    setTextColour(DefaultLogo, QColor(0, 128, 0));
    DefaultLogo->setText(tr("Current logo setting"));
    for (PictureBox* box : Imag)
        box->setUpdatesEnabled(true);
}

void Principale::leaveCurrentSettingView()
{
    DefaultLogo->setToolTip(tr("Default logo set"));
    ActiveBar1->Tools(QStringLiteral("MnuLogo"))->setEnabled(true);
    ActiveBar1->Tools(QStringLiteral("ToolRandom"))->setEnabled(true);
    setSetToolsEnabledForView(false);
    setTextColour(DefaultLogo, QColor(0, 0, 255));
    DefaultLogo->setText(SavedDefaultCaption);
    MyList->setEnabled(true);
    attempt([&] { SelItem(SavedSelection); });
    MyList->setFocus();
    LogoType->show();
}

void Principale::LogoRandomChange()
{
    const int count = MyList->count();
    if (count < 2)
        return;
    const int current = MyList->selectedRow();
    if (current < 0 || !MyList->isSelected(current))
        return;
    RandomSource source = randomChangeSource();
    const int row = pickOtherRow(count, current, source);
    if (row < 0)
        return;
    attempt([&] { SelItem(MyList->itemText(row)); });
    ItmSetDefault_Click();
}

// The exit sequence: boot option, settings, companion program. Every step is attempted.
void Principale::CloseAll()
{
    Settings& s = settings();
    writeLogoOption(MsdosPath, logochanged, s.LogoOption);
    // Closed in the current-setting view, the label names no set: the installed set is the one the
    // view was entered with, since nothing can be installed while it is on.
    const bool inView = isShowingCurrentSetting();
    if (inView)
        DefaultLogo->setText(SavedDefaultCaption);
    attempt([&] { SaveSettings(*this); });
    const QString installedSet = inView ? s.DefaultLogoSet : DefaultLogo->text();
    // A run that installed nothing leaves a pending copy from an earlier run to complete the set.
    if (InstalledThisRun)
        updateTandemistRegistration(SyncPending, installedSet);
    // The companions inside a real installation choose among the sets as they are now.
    attempt([&] { keepGuestInStep(s.StartupFolder); });
    saveWindowGeometry(*this, QStringLiteral("main"));
    QCoreApplication::quit();
}

namespace
{

// An unclean image is never written silently: the user decides whether fsck.fat repairs it.
void offerImageRepair(const diskimage::UncleanImageError& error)
{
    const QString question
        = error.message() + Principale::tr("\n\nRepair it now? Install the set again afterwards.");
    if (MsgBox(question, vbYesNo | vbQuestion) != vbYes)
        return;
    try {
        const MachineWriter writer;
        repairImagesDroppingScreenDebris();
        MsgBox(Principale::tr("The disk image %1 has been repaired.").arg(error.imagePath()), vbInformation);
    } catch (const std::exception& failure) {
        MsgBox(QString::fromStdString(failure.what()), vbExclamation);
    }
}

} // namespace

void Principale::ItmSetDefault_Click()
{
    const QString name = selectedSetName();
    if (name.isEmpty())
        return;
    ScopedHourglass hourglass;
    Settings& s = settings();
    try {
        SyncPending = installLogoSet(name, s.SynchronizeLogos != 0);
    } catch (const diskimage::UncleanImageError& error) {
        offerImageRepair(error);
        return;
    } catch (const std::exception& error) {
        MsgBox(QString::fromStdString(error.what()), vbExclamation);
        return;
    }
    InstalledThisRun = true;
    s.DefaultLogoSet = name;
    DefaultLogo->setText(name);
}

void Principale::ItmRandomSpin_Click()
{
    LogoRandomChange();
}

void Principale::ItmViewDefOrActual_Click()
{
    const bool show = isShowingCurrentSetting();
    // Entering twice would save the view's own caption as the installed set's.
    if (show == m_inCurrentView)
        return;
    m_inCurrentView = show;
    ScopedHourglass hourglass;
    if (show)
        enterCurrentSettingView();
    else
        leaveCurrentSettingView();
}

void Principale::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    CloseAll();
}
