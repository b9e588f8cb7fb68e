#include "guest.h"

#include "choice.h"

static const char Section[] = "Settings";

/* `folder` & `name` into `out` (MAX_PATH), with one "\" between them; 0 when it does not fit. */
static int joinPath(char* out, const char* folder, const char* name)
{
    int length = lstrlenA(folder);
    if (length + lstrlenA(name) + 2 > MAX_PATH)
        return 0;
    lstrcpyA(out, folder);
    if (length > 0 && out[length - 1] != '\\')
        out[length++] = '\\';
    lstrcpyA(out + length, name);
    return 1;
}

/* A file named `name` in the folder of `path`; 0 when it does not fit. */
static int siblingPath(char* out, const char* path, const char* name)
{
    char folder[MAX_PATH];
    int length = lstrlenA(path);
    if (length >= MAX_PATH)
        return 0;
    lstrcpyA(folder, path);
    while (length > 0 && folder[length - 1] != '\\')
        --length;
    folder[length] = 0;
    return joinPath(out, folder, name);
}

static int fileExists(const char* path)
{
    return GetFileAttributesA(path) != 0xFFFFFFFF;
}

/* A folder setting, always ending in "\"; 0 when it is missing. */
static int readFolder(const GuestSettings* settings, const char* key, char* out)
{
    int length = (int)GetPrivateProfileStringA(Section, key, "", out, MAX_PATH - 1, settings->ini);
    if (length <= 0)
        return 0;
    if (out[length - 1] != '\\') {
        out[length] = '\\';
        out[length + 1] = 0;
    }
    return 1;
}

void guestQuiet(void)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
}

HANDLE guestLock(void)
{
    HANDLE lock = CreateMutexA(0, FALSE, "BootcanvasCompanions");
    if (lock)
        WaitForSingleObject(lock, 60000);
    return lock;
}

void guestUnlock(HANDLE lock)
{
    if (!lock)
        return;
    ReleaseMutex(lock);
    CloseHandle(lock);
}

int guestLoadSettings(GuestSettings* settings)
{
    DWORD length = GetModuleFileNameA(0, settings->folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    while (length > 0 && settings->folder[length - 1] != '\\')
        --length;
    settings->folder[length] = 0;
    if (!joinPath(settings->ini, settings->folder, "Bootcanvas.ini")
        || !joinPath(settings->tandemistIni, settings->folder, "Tandemist.ini") || !fileExists(settings->ini))
        return 0;
    settings->synchronize = (int)GetPrivateProfileIntA(Section, "Synchronize", 0, settings->ini) != 0;
    return readFolder(settings, "LogoFolder", settings->logoFolder)
        && readFolder(settings, "BootDrive", settings->bootDrive)
        && readFolder(settings, "WindowsFolder", settings->windowsFolder)
        && readFolder(settings, "StartupFolder", settings->startupFolder);
}

static int isSetFolder(const WIN32_FIND_DATAA* found)
{
    const char* name = found->cFileName;
    if (!(found->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    return !(name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)));
}

int guestListSets(const GuestSettings* settings, GuestLibrary* library)
{
    char pattern[MAX_PATH];
    WIN32_FIND_DATAA found;
    library->count = 0;
    if (!joinPath(pattern, settings->logoFolder, "*.*"))
        return 0;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (isSetFolder(&found) && library->count < GuestMaxSets) {
            lstrcpynA(library->names[library->count], found.cFileName, MAX_PATH);
            library->sorted[library->count] = library->names[library->count];
            ++library->count;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    choiceSortNames(library->sorted, library->count);
    return 1;
}

int guestInstalledIndex(const GuestSettings* settings, const GuestLibrary* library)
{
    char installed[MAX_PATH];
    if (GetPrivateProfileStringA(Section, "InstalledSet", "", installed, MAX_PATH, settings->ini) == 0)
        return -1;
    return choiceFindName(library->sorted, library->count, installed);
}

/* Puts `source` in place of `target`: the copy is made beside the target in full first, and the old
   screen is only given up once the new one is there, so a failure never leaves a truncated screen.
   A missing source removes the target, as a set without that screen leaves Windows its own. */
static int replaceScreen(const char* source, const char* target)
{
    char fresh[MAX_PATH], old[MAX_PATH];
    if (!siblingPath(fresh, target, "~BCNEW.TMP") || !siblingPath(old, target, "~BCOLD.TMP"))
        return 0;
    SetFileAttributesA(target, FILE_ATTRIBUTE_NORMAL);
    if (!fileExists(source))
        return DeleteFileA(target) || !fileExists(target);
    DeleteFileA(fresh);
    if (!CopyFileA(source, fresh, FALSE)) {
        DeleteFileA(fresh);
        return 0;
    }
    DeleteFileA(old);
    const int hadOld = fileExists(target);
    if (hadOld && !MoveFileA(target, old)) {
        DeleteFileA(fresh);
        return 0;
    }
    if (!MoveFileA(fresh, target)) {
        if (hadOld)
            MoveFileA(old, target);
        DeleteFileA(fresh);
        return 0;
    }
    DeleteFileA(old);
    return 1;
}

static int replaceFromFolder(const char* folder, const char* targetFolder, const char* name)
{
    char source[MAX_PATH], target[MAX_PATH];
    return joinPath(source, folder, name) && joinPath(target, targetFolder, name) && replaceScreen(source, target);
}

static int copyWaitAndShutdown(const GuestSettings* settings, const char* folder)
{
    const int wait = replaceFromFolder(folder, settings->windowsFolder, "LOGOW.SYS");
    const int shutdown = replaceFromFolder(folder, settings->windowsFolder, "LOGOS.SYS");
    return wait && shutdown;
}

/* The folder a set's wait and shutdown screens come from: its own, or for a single-logo set the
   logo folder's defaults. */
static int waitShutdownFolder(const GuestSettings* settings, const char* name, char* out)
{
    if (choiceIsSingleLogoSet(name)) {
        lstrcpynA(out, settings->logoFolder, MAX_PATH);
        return 1;
    }
    return joinPath(out, settings->logoFolder, name);
}

static void formatNumber(char* out, unsigned value)
{
    char digits[12];
    int count = 0;
    do {
        digits[count++] = (char)('0' + value % 10);
        value /= 10;
    } while (value);
    while (count)
        *out++ = digits[--count];
    *out = 0;
}

static int tandemistShortcut(const GuestSettings* settings, char* out)
{
    return joinPath(out, settings->startupFolder, "Tandemist.lnk");
}

static void dropPending(const GuestSettings* settings)
{
    char shortcut[MAX_PATH];
    if (tandemistShortcut(settings, shortcut))
        DeleteFileA(shortcut);
    DeleteFileA(settings->tandemistIni);
}

/* Records the pending copy with a new generation and puts Tandemist's shortcut for that
   generation's parity into the StartUp folder. */
static int holdBack(const GuestSettings* settings, const char* folder)
{
    char number[12], shortcut[MAX_PATH], model[MAX_PATH];
    const unsigned generation = GetPrivateProfileIntA(Section, "Generation", 0, settings->ini) + 1;
    formatNumber(number, generation);
    if (!WritePrivateProfileStringA(Section, "Generation", number, settings->ini)
        || !WritePrivateProfileStringA(Section, "Path", folder, settings->tandemistIni)
        || !WritePrivateProfileStringA(Section, "Generation", number, settings->tandemistIni))
        return 0;
    WritePrivateProfileStringA(0, 0, 0, settings->tandemistIni); /* flush the cached file */
    return joinPath(model, settings->folder, generation & 1 ? "Tandem1.lnk" : "Tandem0.lnk")
        && tandemistShortcut(settings, shortcut) && CopyFileA(model, shortcut, FALSE);
}

int guestInstallSet(const GuestSettings* settings, const char* name)
{
    char setFolder[MAX_PATH], folder[MAX_PATH];
    if (!joinPath(setFolder, settings->logoFolder, name) || !waitShutdownFolder(settings, name, folder))
        return 0;
    int done = replaceFromFolder(setFolder, settings->bootDrive, "LOGO.SYS");
    if (settings->synchronize) {
        done = holdBack(settings, folder) && done;
    } else {
        done = copyWaitAndShutdown(settings, folder) && done;
        dropPending(settings);
    }
    return WritePrivateProfileStringA(Section, "InstalledSet", name, settings->ini) && done;
}

int guestCompletePending(const GuestSettings* settings, int parity)
{
    char folder[MAX_PATH];
    if (GetPrivateProfileStringA(Section, "Path", "", folder, MAX_PATH, settings->tandemistIni) == 0)
        return 1;
    const unsigned generation = GetPrivateProfileIntA(Section, "Generation", 0, settings->tandemistIni);
    if (parity >= 0 && (int)(generation & 1) != parity)
        return 1;
    const int copied = copyWaitAndShutdown(settings, folder);
    dropPending(settings);
    return copied;
}

int guestRunChange(GuestChoice choose)
{
    static GuestLibrary library;
    GuestSettings settings;
    guestQuiet();
    HANDLE lock = guestLock();
    int done = guestLoadSettings(&settings) && guestListSets(&settings, &library);
    if (done) {
        guestCompletePending(&settings, -1);
        const int chosen = choose(&settings, &library);
        done = chosen < 0 || guestInstallSet(&settings, library.sorted[chosen]);
    }
    guestUnlock(lock);
    return done ? GuestDone : GuestFailed;
}
