#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class PictureActions;

// What the logo browser reaches in the main window: its list of sets, the installed set's caption
// and the previews' picture actions. A small link rather than the window itself, so the browser can
// be opened by any owner and driven in tests over a library of their own. An empty link is a
// browser without a library: it starts in the program folder and tells nobody of its changes.
struct LibraryLink {
    std::function<QStringList()> setNames; // the sets as the list shows them
    std::function<int()> selectedSet; // the selected row of setNames, -1 for none
    std::function<QString()> installedCaption;
    std::function<void(const QString&)> setInstalledCaption;
    std::function<void()> rescan; // reads the library again from disk, as after a change
    std::function<void(const QString&)> select; // selects a set by name and shows its screens
    PictureActions* pictures = nullptr;

    bool connected() const
    {
        return setNames && selectedSet && installedCaption && setInstalledCaption && rescan && select;
    }
};
