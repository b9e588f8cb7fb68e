#pragma once

// The settings a fresh start of the program has on the current machine: every setting at its
// default, and AppPath, WinPath and HelpFile fixed from the machine as start-up fixes them.
void startWithFreshSettings();
