/* shufflet.exe: started at each Windows start by "Shufflet.lnk", installs another set picked at
   random from the copy of the library beside it. */
#include "choice.h"
#include "guest.h"

static int chooseAtRandom(const GuestSettings* settings, const GuestLibrary* library)
{
    ChoiceRandom random;
    choiceSeed(&random, GetTickCount());
    return choiceRandomOther(library->count, guestInstalledIndex(settings, library), &random);
}

void __stdcall companionEntry(void)
{
    ExitProcess((UINT)guestRunChange(chooseAtRandom));
}
