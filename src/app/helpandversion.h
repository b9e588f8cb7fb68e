#pragma once

#include <QString>
#include <optional>

// "--help" and "--version" as Linux programs answer them: on standard output, exit code 0. Only
// the first argument counts, so a file named "--help" later on the line is still a file.
// Prints `usage` for --help or "PROGRAM VERSION" for --version and gives the exit code (0, or 1
// when standard output cannot be written); nothing for any other first argument.
std::optional<int> answerInfoRequest(int argc, char** argv, const QString& program, const QString& usage);
