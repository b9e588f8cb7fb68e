#include "selpictureform.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "library/logolist.h"
#include "library/principale.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <stdexcept>

namespace
{

void selectDrive(QComboBox* drives, const QString& path)
{
    const QString wanted = path.left(2).toLower();
    for (int row = 0; row < drives->count(); ++row)
        if (drives->itemText(row).left(2) == wanted) {
            drives->setCurrentIndex(row);
            return;
        }
    throw std::runtime_error("no such drive");
}

} // namespace

void SelPictureForm::Form_Activate()
{
    if (LockNameLogoSet) {
        LockNameLogoSet = false;
        return;
    }
    Settings& s = settings();
    try {
        Principale* main = mainWindow();
        if (!main)
            throw std::runtime_error("no main window");
        // Refilled rather than appended to, so that a second activation cannot list a set twice.
        NameLogoSet->clear();
        for (int row = 0; row < main->MyList->count(); ++row)
            NameLogoSet->addItem(main->MyList->itemText(row));
        const int selected = main->MyList->selectedRow();
        if (selected < 0)
            throw std::runtime_error("no set selected");
        NameLogoSet->setCurrentIndex(selected);
        NameLogoSet_Click(selected);
        if (isSingleLogoSet(NameLogoSet->currentText())) {
            OnlyStartup = true;
            OptOnlyStart->setChecked(true);
            OptOnlyStart_Click();
        }
        if (!(platform::GetAttr(s.SearchLogoPath) & platform::vbDirectory))
            s.SearchLogoPath = s.AppPath;
        selectDrive(Drive1, s.SearchLogoPath);
        Drive1_Change();
        FillList(s.SearchLogoPath);
    } catch (const std::exception&) {
        s.SearchLogoPath = s.AppPath;
        attempt([&] { selectDrive(Drive1, s.SearchLogoPath); });
        attempt([&] { FillList(s.SearchLogoPath); });
    }
    CurrentFolder = AddBackslash(s.SearchLogoPath);
    CurPath->setText(s.SearchLogoPath);
}

bool SelPictureForm::Form_QueryUnload()
{
    m_discardAnswered = false;
    if (NameLogoSet->currentText().isEmpty() && !LibraryChanged)
        return true;
    if (OkButton[0]->isEnabled() || OkButton[1]->isEnabled()) {
        if (MsgBox(QStringLiteral("You haven't saved the last changes. Would you like to discard them?"),
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
    // Converted pictures are only ever needed by the slots; none is left behind.
    for (const QString& temporary : std::as_const(List1))
        attempt([&] { platform::Kill(temporary); });
    List1.clear();
    const QString name = NameLogoSet->currentText();
    if (name.isEmpty() && !LibraryChanged)
        return;
    Principale* main = mainWindow();
    if (!main)
        return;
    if (LibraryChanged)
        updateMainWindow();
    if (!name.isEmpty() && !m_discardAnswered)
        main->SelItem(name);
}

void SelPictureForm::updateMainWindow()
{
    Principale* main = mainWindow();
    main->ListaLogo->clear();
    for (int row = NameLogoSet->count() - 1; row >= 0; --row)
        main->ListaLogo->addItem(NameLogoSet->itemText(row));
    const int n = main->ListaLogo->count();
    main->NumLogo->setText(QLatin1Char(' ') + QString::number(n)
        + (n == 1 ? QStringLiteral(" logo set") : QStringLiteral(" logo sets")));
    for (PictureBox* preview : main->Imag)
        preview->clearPicture();
    main->LeggiDatiDisco();
}
