#include "principale.h"

#include "activebar.h"
#include "logolist.h"

#include "app/attempt.h"
#include "app/hourglass.h"
#include "app/settings.h"
#include "app/settingsstore.h"
#include "images/grafica.h"
#include "install/bootoptions.h"
#include "install/companionregistration.h"
#include "install/randompick.h"
#include "install/systemscreens.h"
#include "platform/imagedrive.h"
#include "platform/imagerepair.h"
#include "platform/msgbox.h"
#include "windows/labelcolour.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

// Installing sets into the system, the current-setting view, the random change and the exit sequence.

namespace
{

const QString CurrentSettingCaption = QStringLiteral("Current logo setting");
// Tools that act on the selected set. They are disabled in the current-setting view, where the
// selection is hidden and the label shows no set name; this property keeps their state meanwhile.
const char* const setToolNames[] = { "ToolRename", "ToolDelete", "ToolSetDefault" };
const char* const EnabledBeforeView = "enabledBeforeCurrentView";

bool isShowingCurrentSetting(const Principale& window)
{
    const QAction* tool = window.ActiveBar1->Tools(QStringLiteral("ToolShowCurrent"));
    return tool && tool->isChecked();
}

QString selectedSetName(const Principale& window)
{
    const int row = window.MyList->selectedRow();
    return row >= 0 && window.MyList->isSelected(row) ? window.MyList->itemText(row) : QString();
}

void setSetToolsEnabledForView(Principale& window, bool entering)
{
    for (const char* name : setToolNames) {
        QAction* tool = window.ActiveBar1->Tools(QLatin1String(name));
        if (!tool)
            continue;
        if (entering) {
            tool->setProperty(EnabledBeforeView, tool->isEnabled());
            tool->setEnabled(false);
        } else if (tool->property(EnabledBeforeView).isValid()) {
            tool->setEnabled(tool->property(EnabledBeforeView).toBool());
            tool->setProperty(EnabledBeforeView, QVariant());
        }
    }
}

void showInstalledScreens(Principale& window)
{
    const QString targets[3] = { startupScreenTarget(), waitScreenTarget(), shutdownScreenTarget() };
    for (int i = 0; i < 3; ++i) {
        attempt([&] {
            qint32 width = 0, height = 0;
            qint16 bitCount = 0;
            DrawPreview(targets[i], *window.Imag[i], width, height, bitCount);
        });
        window.Imag[i]->setTag(targets[i]);
    }
}

void enterCurrentSettingView(Principale& window)
{
    window.DefaultLogo->setToolTip(QStringLiteral("Showing current logo setting"));
    window.ActiveBar1->Tools(QStringLiteral("MnuLogo"))->setEnabled(false);
    window.ActiveBar1->Tools(QStringLiteral("ToolRandom"))->setEnabled(false);
    setSetToolsEnabledForView(window, true);
    window.LogoType->hide();
    window.SavedDefaultCaption = window.DefaultLogo->text();
    window.SavedSelection = selectedSetName(window);
    window.MyList->setEnabled(false);
    for (PictureBox* box : window.Imag)
        box->setUpdatesEnabled(false);
    showInstalledScreens(window);
    window.DefaultLogo->clear();
    setTextColour(window.DefaultLogo, QColor(0, 128, 0));
    window.DefaultLogo->setText(CurrentSettingCaption);
    for (PictureBox* box : window.Imag)
        box->setUpdatesEnabled(true);
}

void leaveCurrentSettingView(Principale& window)
{
    window.DefaultLogo->setToolTip(QStringLiteral("Default logo set"));
    window.ActiveBar1->Tools(QStringLiteral("MnuLogo"))->setEnabled(true);
    window.ActiveBar1->Tools(QStringLiteral("ToolRandom"))->setEnabled(true);
    setSetToolsEnabledForView(window, false);
    setTextColour(window.DefaultLogo, QColor(0, 0, 255));
    window.DefaultLogo->setText(window.SavedDefaultCaption);
    window.MyList->setEnabled(true);
    attempt([&] { window.SelItem(window.SavedSelection); });
    window.MyList->setFocus();
    window.LogoType->show();
}

void LogoRandomChange(Principale& window)
{
    const int count = window.MyList->count();
    if (count < 2)
        return;
    const int current = window.MyList->selectedRow();
    if (current < 0 || !window.MyList->isSelected(current))
        return;
    RandomSource source = randomChangeSource();
    const int row = pickOtherRow(count, current, source);
    if (row < 0)
        return;
    attempt([&] { window.SelItem(window.MyList->itemText(row)); });
    window.ItmSetDefault_Click();
}

// The exit sequence: boot option, settings, companion program. Every step is attempted.
void CloseAll(Principale& window)
{
    Settings& s = settings();
    writeLogoOption(window.MsdosPath, window.logochanged, s.LogoOption);
    // Closed in the current-setting view, the label names no set: the installed set is the one the
    // view was entered with, since nothing can be installed while it is on.
    const bool inView = isShowingCurrentSetting(window);
    if (inView)
        window.DefaultLogo->setText(window.SavedDefaultCaption);
    attempt([&] { SaveSettings(window); });
    const QString installedSet = inView ? s.DefaultLogoSet : window.DefaultLogo->text();
    updateTandemistRegistration(window.SyncPending, installedSet);
    QCoreApplication::quit();
}

} // namespace

namespace
{

// An unclean image is never written silently: the user decides whether fsck.fat repairs it.
void offerImageRepair(const platform::UncleanImageError& error)
{
    const QString question
        = error.message() + QStringLiteral("\n\nRepair it now? Install the set again afterwards.");
    if (MsgBox(question, vbYesNo | vbQuestion) != vbYes)
        return;
    try {
        platform::repairMachineImages();
        MsgBox(QStringLiteral("The disk image %1 has been repaired.").arg(error.imagePath()), vbInformation);
    } catch (const std::exception& failure) {
        MsgBox(QString::fromStdString(failure.what()), vbExclamation);
    }
}

} // namespace

void Principale::ItmSetDefault_Click()
{
    const QString name = selectedSetName(*this);
    if (name.isEmpty())
        return;
    ScopedHourglass hourglass;
    Settings& s = settings();
    try {
        SyncPending = installLogoSet(name, s.SynchronizeLogos != 0);
    } catch (const platform::UncleanImageError& error) {
        offerImageRepair(error);
        return;
    } catch (const std::exception& error) {
        MsgBox(QString::fromStdString(error.what()), vbExclamation);
        return;
    }
    s.DefaultLogoSet = name;
    DefaultLogo->setText(name);
}

void Principale::ItmRandomSpin_Click()
{
    LogoRandomChange(*this);
}

void Principale::ItmViewDefOrActual_Click()
{
    const bool show = isShowingCurrentSetting(*this);
    // Entering twice would save the view's own caption as the installed set's.
    if (show == m_inCurrentView)
        return;
    m_inCurrentView = show;
    ScopedHourglass hourglass;
    if (show)
        enterCurrentSettingView(*this);
    else
        leaveCurrentSettingView(*this);
}

void Principale::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    CloseAll(*this);
}
