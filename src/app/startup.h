#pragma once

#include <QString>

class QApplication;

// The program's start: opens the machine, fixes AppPath and WinPath, names the help file, prepares
// the imaging layer and shows the main window (after the splash when the user wants it).
// Returns the process's exit code.
int Main(QApplication& application);
void LaunchMainWindow();

// "ShowSplashScreen" as the start reads it: absent or empty means 1.
qint16 readShowSplashScreen();
// How long the splash must still stay after `elapsedMs` have passed since it was shown.
int remainingSplashMillis(qint64 elapsedMs);
constexpr int MinimumSplashMillis = 700;
