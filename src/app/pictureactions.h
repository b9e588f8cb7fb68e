#pragma once

class QWidget;

// The two entry points of the picture actions. Both work on ActionImageFile.

// Pops up the main window's open-with menu at the mouse pointer, with the default action in bold.
void ShowOpenWithMenu(QWidget* form);
// Runs the default action (DefaultAction) on the picture.
void DoDefaultAction();
