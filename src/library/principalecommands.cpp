#include "principale.h"

#include "app/settings.h"
#include "windows/helpwindow.h"

void Principale::ItmContents_Click()
{
    showHelpContents(settings().HelpFile, this);
}

void Principale::ItmTutorial_Click()
{
    showHelpTopic(settings().HelpFile, 30, this);
}

void Principale::ItmExit_Click()
{
    close();
}
