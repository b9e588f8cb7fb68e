/* tandemist.exe /auto [PARITY]: started once at the Windows start after a synchronized change by
   its StartUp shortcut, copies the wait and shutdown screens left pending and removes the shortcut.
   PARITY (0 or 1) is the generation its shortcut was made for: a newer pending copy is left alone. */
#include "guest.h"

static const char* skipBlanks(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

/* The command line after the program's own name, which may be quoted. */
static const char* argumentsOf(const char* line)
{
    line = skipBlanks(line);
    if (*line == '"') {
        for (++line; *line && *line != '"'; ++line) { }
        if (*line)
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    return skipBlanks(line);
}

/* -1 for "/auto" alone, 0 or 1 for "/auto 0" or "/auto 1", -2 for anything else. */
static int parseArguments(const char* arguments)
{
    const char* expected = "/auto";
    for (; *expected; ++expected, ++arguments)
        if ((*arguments | 0x20) != *expected)
            return -2;
    arguments = skipBlanks(arguments);
    if (*arguments == 0)
        return -1;
    if ((*arguments == '0' || *arguments == '1') && *skipBlanks(arguments + 1) == 0)
        return *arguments - '0';
    return -2;
}

void __stdcall companionEntry(void)
{
    guestQuiet();
    const int parity = parseArguments(argumentsOf(GetCommandLineA()));
    if (parity == -2)
        ExitProcess(GuestUsage);
    GuestSettings settings;
    HANDLE lock = guestLock();
    const int done = guestLoadSettings(&settings) && guestCompletePending(&settings, parity);
    guestUnlock(lock);
    ExitProcess(done ? GuestDone : GuestFailed);
}
