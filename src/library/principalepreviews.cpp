#include "principale.h"

#include "app/pictureactions.h"
#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/systemfolders.h"
#include "platform/files.h"
#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "windows/frmview.h"
#include "windows/picturebox.h"

namespace
{

void openInCustomProgram(Principale& window, const QString& picture)
{
    const QString program = settings().CustomProgPath;
    if (exists(program, platform::vbNormal)) {
        // Started and left alone: a program that fails to start is not reported.
        platform::startProgram(program, { GetShortName(picture) });
    } else if (!program.isEmpty()) {
        MsgBox(QStringLiteral("Cannot find the file ") + program
                + QStringLiteral(" or it is not an executable file. Check it out and retry."),
            vbExclamation | vbOKOnly);
    } else if (MsgBox(QStringLiteral("You haven't specified a custom program. Would you like to do it now?"),
                   vbYesNo | vbQuestion)
        == vbYes) {
        window.ItmPref_Click();
    }
}

} // namespace

void Principale::Imag_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    if (index < 0 || index >= int(Imag.size()) || !Imag[index]->hasPicture())
        return;
    settings().ActionImageFile = Imag[index]->tag();
    if (button == Qt::RightButton)
        ShowOpenWithMenu(this);
    else if (button == Qt::LeftButton)
        DoDefaultAction();
}

void Principale::AzioneSuImmagine(int index)
{
    const QString picture = settings().ActionImageFile;
    switch (index) {
    case 0:
        FrmView::showPicture(picture, this);
        break;
    case 1:
        OpenInPaint(picture);
        break;
    case 2:
        openInCustomProgram(*this, picture);
        break;
    default:
        break;
    }
}

void Principale::ItmOpenAct_Click(int index)
{
    AzioneSuImmagine(index);
}
