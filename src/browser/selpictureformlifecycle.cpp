#include "selpictureform.h"

#include "lastfolder.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace
{

// Whether the drive list holds the drive of `path`; it is selected then.
bool selectDrive(QComboBox* drives, const QString& path)
{
    const QString wanted = path.left(2).toLower();
    for (int row = 0; row < drives->count(); ++row)
        if (drives->itemText(row).left(2) == wanted) {
            drives->setCurrentIndex(row);
            return true;
        }
    return false;
}

} // namespace

void SelPictureForm::Form_Activate()
{
    if (LockNameLogoSet) {
        LockNameLogoSet = false;
        return;
    }
    Settings& s = settings();
    // The user's last folder, from any run on any machine, when this machine reaches it.
    const QString remembered = rememberedBrowserFolder();
    if (!remembered.isEmpty())
        s.SearchLogoPath = remembered;
    bool started = false;
    if (!attempt([&] { started = startOnSelectedSet(); }) || !started) {
        // Without a set to start from the browser opens on the program folder.
        s.SearchLogoPath = remembered.isEmpty() ? s.AppPath : remembered;
        selectDrive(Drive1, s.SearchLogoPath);
        attempt([&] { FillList(s.SearchLogoPath); });
    }
    CurrentFolder = AddBackslash(s.SearchLogoPath);
    showFolderCaption(s.SearchLogoPath);
}

bool SelPictureForm::startOnSelectedSet()
{
    if (!m_library.connected())
        return false;
    // Refilled rather than appended to, so that a second activation cannot list a set twice.
    NameLogoSet->clear();
    NameLogoSet->addItems(m_library.setNames());
    const int selected = m_library.selectedSet();
    if (selected < 0)
        return false;
    NameLogoSet->setCurrentIndex(selected);
    NameLogoSet_Click(selected);
    if (isSingleLogoSet(NameLogoSet->currentText())) {
        OnlyStartup = true;
        OptOnlyStart->setChecked(true);
        OptOnlyStart_Click();
    }
    Settings& s = settings();
    if (!(platform::GetAttr(s.SearchLogoPath) & platform::vbDirectory))
        s.SearchLogoPath = s.AppPath;
    if (!selectDrive(Drive1, s.SearchLogoPath))
        return false;
    Drive1_Change();
    FillList(s.SearchLogoPath);
    return true;
}

bool SelPictureForm::Form_QueryUnload()
{
    m_discardAnswered = false;
    if (NameLogoSet->currentText().isEmpty() && !LibraryChanged)
        return true;
    if (OkButton[0]->isEnabled() || OkButton[1]->isEnabled()) {
        if (MsgBox(tr("You haven't saved the last changes. Would you like to discard them?"),
                vbYesNo | vbQuestion | vbDefaultButton2)
            != vbYes)
            return false;
        m_discardAnswered = true;
    }
    return true;
}

void SelPictureForm::Form_Unload()
{
    settings().SearchLogoPath = CurrentFolder;
    rememberBrowserFolder(CurrentFolder);
    saveSize();
    removeTemporaryFiles();
    const QString name = NameLogoSet->currentText();
    if (name.isEmpty() && !LibraryChanged)
        return;
    if (!m_library.connected())
        return;
    if (LibraryChanged)
        m_library.rescan();
    if (!name.isEmpty() && !m_discardAnswered)
        m_library.select(name);
}

void SelPictureForm::removeTemporaryFiles()
{
    // Converted pictures are only ever needed by the slots; none is left behind.
    for (const QString& temporary : std::as_const(List1))
        attempt([&] { platform::Kill(temporary); });
    List1.clear();
}
