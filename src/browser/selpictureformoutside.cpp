#include "selpictureform.h"

#include "webpicture.h"

#include "app/pathhelpers.h"
#include "platform/msgbox.h"
#include "windows/picturebox.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QShortcut>

void SelPictureForm::connectOutsidePictures()
{
    CurView->setAcceptDrops(true);
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &SelPictureForm::pasteIntoSlot);
}

namespace
{

// A picture from a web page, image data, or a file from a file manager.
bool carriesPicture(const QMimeData& data)
{
    return carriesOutsidePicture(data) || carriesLocalFile(data);
}

} // namespace

// Drags from web pages or file managers onto a slot (0 to 2) or the preview (-1); other drags are left to the
// browser's own handling.
bool SelPictureForm::outsidePictureFilter(int slot, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove
        && event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData() || !carriesPicture(*drop->mimeData()))
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        takeOutsidePicture(*drop->mimeData(), slot);
    return true;
}

// A picture from the web goes into a temporary file of the browser, deleted with its converted
// pictures, and is previewed; on a slot it is added as a browsed picture is.
bool SelPictureForm::takeOutsidePicture(const QMimeData& data, int slot)
{
    const ArrivedPicture arrived
        = carriesLocalFile(data) ? receiveLocalPicture(data) : receiveOutsidePicture(data, this);
    if (arrived.file.isEmpty()) {
        if (!arrived.problem.isEmpty())
            MsgBox(tr("The picture cannot be used: %1").arg(arrived.problem), vbExclamation);
        return false;
    }
    if (arrived.temporary)
        List1.append(arrived.file);
    QString path = arrived.file;
    CheckImage(arrived.file, GetLastPathPart(path));
    if (slot >= 0 && GoodBMP)
        AddButton_Click(slot);
    return true;
}

void SelPictureForm::pasteIntoSlot()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const int slot = selectedSlot();
    if (data && slot >= 0 && carriesPicture(*data))
        takeOutsidePicture(*data, slot);
}

// The slot with the keyboard focus, or else the first one the kind of set uses.
int SelPictureForm::selectedSlot() const
{
    for (int i = 0; i < 3; ++i)
        if (ImgPreview[i]->hasFocus() && !ImgPreview[i]->isHidden())
            return i;
    for (int i = 0; i < 3; ++i)
        if (!ImgPreview[i]->isHidden())
            return i;
    return -1;
}
