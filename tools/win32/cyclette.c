/* cyclette.exe: started at each Windows start by "Cyclette.lnk", installs the set after the
   installed one in the library's order, wrapping round at the end. */
#include "choice.h"
#include "guest.h"

static int chooseNext(const GuestSettings* settings, const GuestLibrary* library)
{
    return choiceNextIndex(library->count, guestInstalledIndex(settings, library));
}

void __stdcall companionEntry(void)
{
    ExitProcess((UINT)guestRunChange(chooseNext));
}
