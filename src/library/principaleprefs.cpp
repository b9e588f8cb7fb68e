#include "principale.h"

#include "online/frmonline.h"
#include "prefs/frmoptions.h"

// The preferences and the online check: modal dialogs made for each opening.
void Principale::ItmPref_Click()
{
    MainWindowLink link;
    link.customProgram = ItmOpenAct[2];
    link.animate = ItmAnimate;
    link.markLogoChanged = [this] { logochanged = true; };
    link.rescanLibrary = [this] { LeggiDatiDisco(); };
    FrmOptions dialog(link, this);
    dialog.exec();
}

void Principale::ItmOnline_Click()
{
    FrmOnline dialog(this);
    dialog.exec();
}
