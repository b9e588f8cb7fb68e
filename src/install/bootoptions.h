#pragma once

#include <QString>

// The "Logo" option of the boot configuration file, as the exit sequence leaves it: written as a
// blank and the digit when the user changed it, otherwise only the file's read-only mark restored.
void writeLogoOption(const QString& msdosPath, bool logoChanged, int logoOption);

// The option's text: a leading blank for a number that is not negative (" 1", " 0", "-1").
QString logoOptionText(int logoOption);
