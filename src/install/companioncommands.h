#pragma once

#include <QString>
#include <QStringList>

// The companion programs' and the command-line tool's commands. Each prints what it did on standard
// output and any failure as one line on standard error, prefixed with `program`, and returns the
// process's exit code (0 done, 1 failed, 2 wrong arguments).
int runShufflet(const QString& program);
int runCyclette(const QString& program);
int runTandemist(const QString& program);
int runInstallCommand(const QString& program, const QString& setName);
int runCurrentCommand(const QString& program);
// Puts back the screens the system had before Bootcanvas first installed into it.
int runRestoreCommand(const QString& program);
// Checks every disk-image drive of the machine with fsck.fat and repairs what it finds.
int runRepairCommand(const QString& program);

// Prepares a process that never shows a window: Qt's offscreen platform (still needed to draw a new
// default machine's pictures) unless the user chose one, and Qt's own warnings kept off the terminal,
// where each run prints one line. Call before the application object.
void prepareUnattendedProcess();
