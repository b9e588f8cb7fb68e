/* What the three Windows companion programs share: their settings, read from "Bootcanvas.ini"
   beside them, the library copy they choose from, and the safe replacement of a screen. */
#ifndef BOOTCANVAS_GUEST_H
#define BOOTCANVAS_GUEST_H

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

enum { GuestMaxSets = 256 };

typedef struct GuestSettings {
    char folder[MAX_PATH]; /* the companions' own folder, with a trailing "\" */
    char ini[MAX_PATH]; /* folder & "Bootcanvas.ini" */
    char tandemistIni[MAX_PATH]; /* folder & "Tandemist.ini": the pending copy, when there is one */
    char logoFolder[MAX_PATH]; /* the copied sets, with a trailing "\" */
    char bootDrive[MAX_PATH]; /* "C:\" */
    char windowsFolder[MAX_PATH]; /* with a trailing "\" */
    char startupFolder[MAX_PATH]; /* with a trailing "\" */
    int synchronize; /* hold the wait and shutdown screens back for the next start */
} GuestSettings;

typedef struct GuestLibrary {
    char names[GuestMaxSets][MAX_PATH];
    const char* sorted[GuestMaxSets]; /* the library's order */
    int count;
} GuestLibrary;

/* Exit codes of the companions. */
enum { GuestDone = 0, GuestFailed = 1, GuestUsage = 2 };

/* Keeps Windows from showing any dialog of its own for a missing disk or file. */
void guestQuiet(void);
/* One companion at a time changes the screens: Windows starts them together. */
HANDLE guestLock(void);
void guestUnlock(HANDLE lock);

/* 0 when the settings file is missing or names no logo, boot or Windows folder. */
int guestLoadSettings(GuestSettings* settings);
/* The sets of the logo folder in the library's order; 0 when it cannot be listed. */
int guestListSets(const GuestSettings* settings, GuestLibrary* library);
/* The index of the installed set in the library; -1 when none is recorded or it is gone. */
int guestInstalledIndex(const GuestSettings* settings, const GuestLibrary* library);

/* Installs a set as the host program does: all three screens, or with "Synchronize" on the
   startup screen now and the other two left to Tandemist at the next start. 0 when a step failed. */
int guestInstallSet(const GuestSettings* settings, const char* name);

/* Copies the wait and shutdown screens left pending, then removes Tandemist's start-up shortcut.
   With `parity` 0 or 1 only a pending copy of that generation's parity is done, so that a
   Tandemist started for an earlier copy leaves a newer one alone; -1 does any. 0 on failure. */
int guestCompletePending(const GuestSettings* settings, int parity);

/* Picks the index of the set to install, or -1 for none. */
typedef int (*GuestChoice)(const GuestSettings* settings, const GuestLibrary* library);

/* What shufflet and cyclette do: under the lock, with the settings and the library read, a pending
   copy completed first (it belongs to the startup screen this start showed), then the chosen set
   installed. Returns the exit code. */
int guestRunChange(GuestChoice choose);

#endif
