#include "principale.h"

#include "app/settings.h"
#include "windows/pictureactions.h"
#include "windows/picturebox.h"

#include <QCursor>

void Principale::Imag_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    previewAction(index, button, QCursor::pos());
}

void Principale::previewAction(int index, Qt::MouseButton button, const QPoint& menuAt)
{
    if (index < 0 || index >= int(Imag.size()) || !Imag[index]->hasPicture())
        return;
    settings().ActionImageFile = Imag[index]->tag();
    if (button == Qt::RightButton)
        Pictures->showMenu(menuAt);
    else if (button == Qt::LeftButton)
        Pictures->runDefault();
}

void Principale::AzioneSuImmagine(int index)
{
    Pictures->run(index);
}
