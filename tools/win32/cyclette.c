/* cyclette.exe: started at each Windows start by "Cyclette.lnk", installs the set after the
   installed one in the library's order, wrapping round at the end. */
#include "choice.h"
#include "guest.h"

void __stdcall companionEntry(void)
{
    GuestSettings settings;
    static GuestLibrary library;
    HANDLE lock;
    int result = guestBeginChange(&settings, &library, &lock);
    if (result == GuestDone) {
        const int chosen = choiceNextIndex(library.count, guestInstalledIndex(&settings, &library));
        result = guestFinishChange(&settings, &library, chosen, lock);
    }
    ExitProcess((UINT)result);
}
