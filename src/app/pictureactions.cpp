#include "pictureactions.h"

#include "settings.h"

#include "library/principale.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

void ShowOpenWithMenu(QWidget*)
{
    Principale* window = mainWindow();
    if (!window)
        return;
    const int action = settings().DefaultAction;
    window->MnuOpenWith->setDefaultAction(action >= 0 && action < 3 ? window->ItmOpenAct[action] : nullptr);
    window->MnuOpenWith->exec(QCursor::pos());
}

void DoDefaultAction()
{
    if (Principale* window = mainWindow())
        window->AzioneSuImmagine(settings().DefaultAction);
}
