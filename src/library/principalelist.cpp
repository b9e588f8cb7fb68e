#include "principale.h"

#include "activebar.h"
#include "logolist.h"
#include "setrename.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "platform/msgbox.h"
#include "sets/setname.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

void Principale::connectLibraryEvents()
{
    connect(MyList, &LogoList::beforeLabelEdit, this, &Principale::MyList_BeforeLabelEdit);
    connect(MyList, &LogoList::afterLabelEdit, this, &Principale::MyList_AfterLabelEdit);
    connect(MyList, &LogoList::mouseDown, this, &Principale::MyList_MouseDown);
    connect(MyList, &LogoList::mouseUp, this, &Principale::MyList_MouseUp);
    connect(MyList, &LogoList::doubleClicked, this, &Principale::MyList_DblClick);
    connect(MyList, &LogoList::itemClicked, this, &Principale::MyList_ItemClick);
    connect(MyList, &LogoList::keyUp, this, &Principale::MyList_KeyUp);
    connect(MyList, &LogoList::dropped, this, &Principale::MyList_OLEDragDrop);
    // The set commands follow the selection at once, so no key or menu acts on a set that is gone.
    connect(MyList, &LogoList::selectionChanged, this, &Principale::enableSetTools);
    connect(MnuListLogo, &QMenu::aboutToShow, this, &Principale::MnuListLogo_Click);
    for (int i = 0; i < 3; ++i) {
        connect(Imag[i], &PictureBox::mouseReleased, this,
            [this, i](Qt::MouseButton button, QPoint pos) { Imag_MouseUp(i, button, Qt::NoModifier, pos); });
        connect(Imag[i], &PictureBox::activated, this, [this, i] { previewAction(i, Qt::LeftButton, {}); });
        connect(Imag[i], &PictureBox::menuRequested, this,
            [this, i](QPoint at) { previewAction(i, Qt::RightButton, at); });
    }
}

void Principale::enableSetTools()
{
    const bool selected = MyList->count() > 0 && MyList->isSelected(MyList->selectedRow());
    for (QAction* tool : setTools())
        tool->setEnabled(selected);
}

void Principale::MnuListLogo_Click()
{
    enableSetTools();
}

void Principale::MyList_BeforeLabelEdit()
{
    m_oldLabel = MyList->itemText(MyList->selectedRow());
}

namespace
{

QString renameRefused()
{
    return Principale::tr("Cannot rename folder. The folder already exists or has an invalid name");
}

} // namespace

void Principale::MyList_AfterLabelEdit(bool& cancel, const QString& newString)
{
    Settings& s = settings();
    const QString oldName = m_oldLabel;
    const int row = MyList->selectedRow();
    const SetNameCheck typed = checkSetName(newString, s.LogoPath);
    if (!typed.rule.isEmpty()) {
        MsgBox(typed.empty ? typed.rule : renameRefused() + QLatin1Char('\n') + typed.rule, vbExclamation);
        cancel = true;
        return;
    }
    const QString newName = typed.name;
    const SetRenameCheck check = checkSetRename(oldName, newName);
    if (check == SetRenameCheck::Refused) {
        MsgBox(renameRefused(), vbExclamation);
        cancel = true;
        return;
    }
    if (check != SetRenameCheck::SameKind) {
        const bool toSingle = check == SetRenameCheck::MultiToSingle;
        if (s.ConfirmLogoTypeChange == 1
            && MsgBox(kindChangeQuestion(toSingle), vbYesNo | vbQuestion) == vbNo) {
            cancel = true;
            return;
        }
        MyList->setItemIcon(row, toSingle ? QStringLiteral("singlelogo") : QStringLiteral("multilogo"));
    }
    if (!renameSetFolder(s.LogoPath, oldName, newName)) {
        MsgBox(renameRefused(), vbExclamation);
        cancel = true;
        return;
    }
    MyList->setItemText(row, newName);
    SelItem(newName);
    if (oldName == s.DefaultLogoSet) {
        s.DefaultLogoSet = newName;
        DefaultLogo->setText(newName);
    }
    // Windows dropped trailing dots or blanks: the label keeps the name used, not the one typed.
    cancel = newName != newString;
}

void Principale::MyList_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos)
{
    m_lastMouseDown = pos;
}

void Principale::MyList_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    enableSetTools();
    if (button == Qt::RightButton)
        ActiveBar1->PopupMenu(QStringLiteral("LogoBand"));
}

void Principale::MyList_DblClick()
{
    if (MyList->rowAt(m_lastMouseDown) < 0)
        return;
    if (settings().ActionOnDoubleClick == 0)
        ItmSetDefault_Click();
    else
        ItmLogoManager_Click();
}

void Principale::MyList_ItemClick(int)
{
    ShowListaLogo();
}

void Principale::MyList_KeyUp(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_Delete) {
        if (ActiveBar1->Tools(QStringLiteral("ToolDelete"))->isEnabled())
            ItmDelete_Click();
    } else if (keyCode == Qt::Key_F2) {
        if (ActiveBar1->Tools(QStringLiteral("ToolRename"))->isEnabled())
            ItmRename_Click();
    } else if (keyCode == Qt::Key_F5) {
        itmRefresh_Click();
    }
}
