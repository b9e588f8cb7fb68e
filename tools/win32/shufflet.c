/* shufflet.exe: started at each Windows start by "Shufflet.lnk", installs another set picked at
   random from the copy of the library beside it. */
#include "choice.h"
#include "guest.h"

void __stdcall companionEntry(void)
{
    GuestSettings settings;
    static GuestLibrary library;
    HANDLE lock;
    int result = guestBeginChange(&settings, &library, &lock);
    if (result == GuestDone) {
        ChoiceRandom random;
        choiceSeed(&random, GetTickCount());
        const int chosen = choiceRandomOther(library.count, guestInstalledIndex(&settings, &library), &random);
        result = guestFinishChange(&settings, &library, chosen, lock);
    }
    ExitProcess((UINT)result);
}
