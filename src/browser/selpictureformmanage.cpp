#include "selpictureform.h"

#include "dragcursor.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"
#include "windows/pictureactions.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

namespace
{

// What a drag from the browser carries; a drop looks only at the preview, not at this.
const QString PictureMime = QStringLiteral("application/x-bootcanvas-picture");

} // namespace

void SelPictureForm::prepareManageMenu()
{
    const QListWidgetItem* item = LogoList->currentItem();
    if (item && isFolderEntry(item->text())) {
        for (QAction* setLogo : ItmSetLogo)
            setLogo->setEnabled(false);
    } else if (LogoList->count() == 0) {
        ItmRename->setEnabled(false);
        ItmDelete->setEnabled(false);
        // The preview may still hold a picture from the folder shown before.
        for (QAction* setLogo : ItmSetLogo)
            setLogo->setEnabled(GoodBMP);
    } else if (item && item->isSelected()) {
        ItmRename->setEnabled(true);
        ItmDelete->setEnabled(true);
        for (QAction* setLogo : ItmSetLogo)
            setLogo->setEnabled(GoodBMP);
    } else {
        ItmRename->setEnabled(false);
        ItmDelete->setEnabled(false);
        for (QAction* setLogo : ItmSetLogo)
            setLogo->setEnabled(false);
    }
}

void SelPictureForm::ItmRename_Click()
{
    QListWidgetItem* item = LogoList->currentItem();
    if (!item)
        return;
    bool cancel = false;
    LogoList_BeforeLabelEdit(item, cancel);
    if (cancel)
        return;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_editingItem = item;
    LogoList->editItem(item);
}

void SelPictureForm::LogoList_BeforeLabelEdit(QListWidgetItem* item, bool& cancel)
{
    OldItemName = item->text();
    cancel = OldItemName == QLatin1String("..");
}

void SelPictureForm::LogoList_AfterLabelEdit(bool& cancel, const QString& newString)
{
    if (newString.isEmpty() || newString == OldItemName) {
        cancel = true;
        return;
    }
    QString failure;
    if (!platform::isValidName(newString)) {
        failure = tr("the name is not allowed");
    } else {
        try {
            platform::Name(CurrentFolder + OldItemName, CurrentFolder + newString);
        } catch (const platform::FileError& error) {
            failure = error.message();
        }
    }
    if (!failure.isEmpty()) {
        // The entry keeps its old name, so the list still says what is on disk.
        MsgBox(tr("Cannot rename \"%1\" to \"%2\": %3").arg(OldItemName, newString, failure), vbExclamation);
        cancel = true;
        return;
    }
    // The list is rebuilt after the editor has let go of the entry.
    QTimer::singleShot(0, this, [this, newString] {
        AggiornaDir();
        selectEntry(newString);
    });
}

void SelPictureForm::selectEntry(const QString& text)
{
    const QList<QListWidgetItem*> found
        = LogoList->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        return;
    found.first()->setSelected(true);
    LogoList->setCurrentItem(found.first());
    LogoList->scrollToItem(found.first());
}

void SelPictureForm::ItmDelete_Click()
{
    const QListWidgetItem* item = LogoList->currentItem();
    // ".." names the parent folder: the key must never send that to the trash.
    if (!item || item->text() == QLatin1String(".."))
        return;
    DeleteToRecycleBin({ CurrentFolder + item->text() });
    AggiornaDir();
}

void SelPictureForm::itmRefresh_Click()
{
    AggiornaDir();
}

void SelPictureForm::ItmSetLogo_Click(int index)
{
    AddButton_Click(index);
}

void SelPictureForm::pictureAction(PictureBox* box, Qt::MouseButton button)
{
    pictureAction(box, button, QCursor::pos());
}

void SelPictureForm::pictureAction(PictureBox* box, Qt::MouseButton button, const QPoint& menuAt)
{
    if (!box->hasPicture() || box->tag().isEmpty())
        return;
    LockNameLogoSet = true;
    settings().ActionImageFile = box->tag();
    if (!m_library.pictures)
        return;
    if (button == Qt::RightButton)
        m_library.pictures->showMenu(menuAt);
    else if (button == Qt::LeftButton)
        m_library.pictures->runDefault();
}

bool SelPictureForm::startPictureDrag()
{
    if (!GoodBMP)
        return false;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(PictureMime, PicturePath.toUtf8());
    drag->setMimeData(data);
    drag->setDragCursor(dragCursorPixmap(), Qt::CopyAction);
    drag->setDragCursor(dragCursorPixmap(), Qt::MoveAction);
    drag->exec(Qt::CopyAction);
    return true;
}

bool SelPictureForm::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 3; ++i)
        if (watched == ImgPreview[i])
            return outsidePictureFilter(i, event) || slotEventFilter(i, event);
    if (watched == CurView && outsidePictureFilter(-1, event))
        return true;
    // The preview shares the list's dragging, but its keys and menu are its own.
    const bool previewInput = watched == CurView
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
            || event->type() == QEvent::ContextMenu);
    if ((watched == LogoList || watched == LogoList->viewport() || watched == CurView) && !previewInput)
        return listEventFilter(event) || QDialog::eventFilter(watched, event);
    return QDialog::eventFilter(watched, event);
}

bool SelPictureForm::listEventFilter(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_leftPressed = mouse->button() == Qt::LeftButton;
        m_pressPos = mouse->globalPosition().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_leftPressed
            && (mouse->globalPosition().toPoint() - m_pressPos).manhattanLength()
                >= QApplication::startDragDistance()) {
            m_leftPressed = false;
            return startPictureDrag();
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        m_leftPressed = false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && LogoList->viewport()->underMouse()) {
            prepareManageMenu();
            MnuManage->popup(mouse->globalPosition().toPoint());
        }
        return false;
    }
    case QEvent::ContextMenu: {
        // The menu key and Shift+F10 open the list's menu, as the right button does.
        if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
            return false;
        const QListWidgetItem* item = LogoList->currentItem();
        const QPoint at = item ? LogoList->visualItemRect(item).center() : QPoint(0, 0);
        prepareManageMenu();
        MnuManage->popup(LogoList->viewport()->mapToGlobal(at));
        return true;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace && !m_editingItem) {
            LogoList_KeyPress(key);
            return true;
        }
        // Enter opens a folder (or goes up on "..", or acts on a picture) as a double click does.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !m_editingItem) {
            LogoList_DblClick();
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home || key == Qt::Key_End
            || key == Qt::Key_PageUp || key == Qt::Key_PageDown)
            LogoList_ItemClick(LogoList->currentItem());
        else
            LogoList_KeyUp(key);
        return false;
    }
    default:
        return false;
    }
}

bool SelPictureForm::slotEventFilter(int index, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasFormat(PictureMime)) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasFormat(PictureMime))
            return false;
        drop->acceptProposedAction();
        AddButton_Click(index);
        return true;
    }
    return false;
}
