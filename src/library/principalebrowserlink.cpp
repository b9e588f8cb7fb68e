#include "principale.h"

#include "logolist.h"

#include "browser/librarylink.h"

#include <QLabel>

// The logo browser sees the list, the installed-set caption and the picture actions, nothing else.
LibraryLink Principale::browserLink()
{
    LibraryLink link;
    link.setNames = [this] {
        QStringList names;
        for (int row = 0; row < MyList->count(); ++row)
            names.append(MyList->itemText(row));
        return names;
    };
    link.selectedSet = [this] { return MyList->selectedRow(); };
    link.installedCaption = [this] { return DefaultLogo->text(); };
    link.setInstalledCaption = [this](const QString& caption) { DefaultLogo->setText(caption); };
    link.rescan = [this] { LeggiDatiDisco(); };
    link.select = [this](const QString& name) { SelItem(name); };
    link.pictures = Pictures;
    return link;
}
