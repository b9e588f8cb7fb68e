#pragma once

class QApplication;

// The program's start: fixes AppPath and WinPath, names the help file, prepares the imaging layer
// and shows the main window (after the splash when the user wants it). Returns the exit code.
int Main(QApplication& application);
void LaunchMainWindow();
