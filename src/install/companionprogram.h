#pragma once

#include <QStringList>

// The host's companion programs as commands: their arguments, help and version, then the work.
enum class CompanionProgram { Shufflet, Cyclette, Tandemist };

// Runs `program` with the arguments after its own name: "--help" (usage on standard output),
// "--version", "[--image DISK-IMAGE]" followed by "/auto" for tandemist and nothing for the others.
// Returns the exit code: 0 done, 1 failed, 2 wrong arguments (usage on standard error).
int runCompanionProgram(CompanionProgram program, QStringList arguments);
