#pragma once

#include <QString>

// The StartUp folder that the Windows inside a real installation uses, with a trailing "\": the
// "Startup" value of the Shell Folders key in the user's USER.DAT (the last user's profile when
// profiles are on, else the Windows folder's), or where that cannot be read, the first StartUp
// folder that exists among the profile's and the Windows folder's, in the languages Windows ships
// most; the English one when there is none.
QString guestStartupFolder();
