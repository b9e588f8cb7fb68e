#include "selpictureform.h"

#include "passover.h"

#include "app/hourglass.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/systemfolders.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"
#include "sets/setname.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace
{

const QString ScreenNames[]
    = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };

// `rule`, when given, is a second line naming the rule the name breaks.
void cannotCreate(const QString& name, const QString& rule = {})
{
    const QString message
        = SelPictureForm::tr("A directory named %1 already exist or bad directory name!").arg(name);
    MsgBox(rule.isEmpty() ? message : message + QLatin1Char('\n') + rule, vbExclamation,
        SelPictureForm::tr("Cannot create directory"));
}

} // namespace

void SelPictureForm::NameLogoSet_Click(int row)
{
    const ScopedHourglass hourglass;
    LoadedSetIndex = row;
    LoadedSetName = NameLogoSet->itemText(row);
    if (isSingleLogoSet(LoadedSetName)) {
        OnlyStartup = true;
        OptOnlyStart->setChecked(true);
        OptOnlyStart_Click();
    } else {
        OptCompSet->setChecked(true);
        OptCompSet_Click();
    }
    const QString dir = settings().LogoPath + LoadedSetName + QLatin1Char('\\');
    for (int i = 0; i < 3; ++i) {
        drawSlot(i, dir + ScreenNames[i]);
        ImgPreview[i]->setTag(dir + ScreenNames[i]);
    }
    for (int i = 0; i < 3; ++i)
        DeleteButton[i]->setEnabled(ImgPreview[i]->hasPicture());
    markUnchanged();
}

// The slots and the name are those of a set on disk: nothing to save, and the set can be deleted.
void SelPictureForm::markUnchanged()
{
    SetEnabled(false, { OkButton[0], OkButton[1] });
    EliminaSetBtn->setEnabled(true);
    SlotsChanged = false;
    NameChanged = false;
}

void SelPictureForm::setSlotVisible(int index, bool visible)
{
    ImgPreview[index]->setVisible(visible);
    AddButton[index]->setVisible(visible);
    DeleteButton[index]->setVisible(visible);
    LblNotAval[index]->setVisible(!visible);
}

void SelPictureForm::OptCompSet_Click()
{
    showComposingSlots(3);
    const QString name = NameLogoSet->currentText();
    if (name.toUpper().endsWith(QLatin1String(".SLS")))
        setNameText(name.chopped(4));
    markKindChosen();
}

void SelPictureForm::OptOnlyStart_Click()
{
    showComposingSlots(1);
    markKindChosen();
}

// Composing a set: the first `count` slots are offered, the rest say they are not part of it.
void SelPictureForm::showComposingSlots(int count)
{
    for (int i = 0; i < 3; ++i)
        setSlotVisible(i, i < count);
    NameLogoSet->setEnabled(true);
    ActButton->setText(tr("Ac&tion..."));
}

// The user's choice of kind changes the slots; a loaded single-logo set choosing it does not.
void SelPictureForm::markKindChosen()
{
    if (OnlyStartup) {
        OnlyStartup = false;
        return;
    }
    SlotsChanged = true;
    CheckBtnStatus();
}

void SelPictureForm::OptDefShut_Click()
{
    setSlotVisible(0, false);
    NameLogoSet->setEnabled(false);
    ActButton->setText(tr("Save se&tting"));
    for (int i = 1; i <= 2; ++i) {
        setSlotVisible(i, true);
        const QString screen = settings().LogoPath + ScreenNames[i];
        drawSlot(i, screen);
        ImgPreview[i]->setTag(screen);
    }
}

void SelPictureForm::OkButton_Click(int Index)
{
    LibraryChanged = true;
    const SetNameCheck check = checkSetName(NameLogoSet->currentText(), settings().LogoPath);
    if (check.empty) {
        MsgBox(emptySetNameMessage(), vbExclamation, tr("Cannot create directory"));
        return;
    }
    // A name with a path in it would write outside the logo folder or nest folders; a device name
    // or a forbidden character would make a set no Windows can read.
    if (!check.rule.isEmpty()) {
        cannotCreate(NameLogoSet->currentText(), check.rule);
        return;
    }
    QString name = check.name;
    // Windows drops trailing dots and blanks; the name box shows the name the set gets.
    if (name != NameLogoSet->currentText())
        setNameText(name);
    try {
        if (OptOnlyStart->isChecked() && GetExtension(name).toUpper() != QLatin1String(".SLS")) {
            name += QStringLiteral(".sls");
            setNameText(name);
        }
        if (!writeSet(Index, name))
            return;
    } catch (const platform::FileError& error) {
        if (error.number() == platform::PathFileAccessError || error.number() == platform::FileAlreadyExists)
            cannotCreate(NameLogoSet->currentText());
        return;
    } catch (const std::exception&) {
        return;
    }
    markUnchanged();
    passOver([&] { AggiornaDir(); });
}

bool SelPictureForm::writeSet(int Index, const QString& name)
{
    const QString& logoPath = settings().LogoPath;
    const QString dir = AddBackslash(logoPath + name);
    const bool onlyStartup = OptOnlyStart->isChecked();
    const int slotCount = onlyStartup ? 1 : 3;
    if (Index == 0) {
        passOver([&] { platform::MkDir(dir); });
        for (int i = 0; i < slotCount; ++i) {
            const QString source = ImgPreview[i]->tag();
            if (exists(source, platform::vbNormal))
                passOver([&] { platform::FileCopy(source, dir + ScreenNames[i]); });
        }
        NameLogoSet->addItem(name);
        CreatedSetIndex = NameLogoSet->count() - 1;
        EliminaSetBtn->setEnabled(true);
        SlotsChanged = false;
        NameChanged = false;
        return true;
    }
    if (LoadedSetIndex < 0 || LoadedSetIndex >= NameLogoSet->count())
        return false;
    const QString oldName = NameLogoSet->itemText(LoadedSetIndex);
    if (oldName != name) {
        passOver([&] { platform::Name(logoPath + oldName, logoPath + name); });
        NameLogoSet->removeItem(LoadedSetIndex);
        NameLogoSet->addItem(name);
        // The set stays the loaded one under its new name, so a second update finds it again.
        LoadedSetIndex = NameLogoSet->count() - 1;
        LoadedSetName = name;
        NameLogoSet->setCurrentIndex(LoadedSetIndex);
        renameInstalledSet(oldName, name);
    }
    for (int i = 0; i < 3; ++i) {
        const QString source = ImgPreview[i]->tag();
        const QString target = dir + ScreenNames[i];
        if (i > 0 && onlyStartup)
            passOver([&] { platform::Kill(target); });
        else if (source.isEmpty())
            passOver([&] { platform::Kill(target); });
        else if (source.compare(target, Qt::CaseInsensitive) != 0) // a screen saved unchanged stays as it is
            passOver([&] { platform::FileCopy(source, target); });
    }
    return true;
}

void SelPictureForm::renameInstalledSet(const QString& oldName, const QString& newName)
{
    Settings& s = settings();
    // The installed set keeps being known under its new name, as a rename in the main list does.
    if (s.DefaultLogoSet.compare(oldName, Qt::CaseInsensitive) == 0)
        s.DefaultLogoSet = newName;
    renameInstalledCaption(oldName, newName);
}

void SelPictureForm::renameInstalledCaption(const QString& oldName, const QString& newName)
{
    if (m_library.connected() && m_library.installedCaption() == oldName)
        m_library.setInstalledCaption(newName);
}
