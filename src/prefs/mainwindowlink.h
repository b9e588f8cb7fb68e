#pragma once

#include <QString>
#include <functional>

class QAction;

// What the preferences reach in the main window. A small link rather than the window itself, so the
// dialog can be opened by any owner and driven in tests without a library on disk.
struct MainWindowLink {
    QAction* customProgram = nullptr; // the "open with" entry captioned after the custom program
    QAction* animate = nullptr; // the "Autoshow animation" check mark
    std::function<void()> markLogoChanged;
    std::function<void()> rescanLibrary;
};
