#pragma once

#include "libraryscan.h"

class QTextStream;

// The library as text, for the command-line tool: one line per set in the scan's order, its kind,
// and a "*" before the installed set; then the installed set's name (or "<Don't know>").
QString formatLibraryListing(const LibraryScan& scan);

// Opens the machine in use and reads the settings as the program does at start, for a command of
// the command-line tool; messages go to `err`. False when there is no machine to work on.
bool loadLibrarySettings(QTextStream& err);

// Opens the machine in use, reads the settings as the program does at start and prints the
// listing of its logo folder. Returns the process's exit code.
int printLogoLibrary(QTextStream& out, QTextStream& err);
