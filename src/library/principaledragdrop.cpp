#include "principale.h"

#include "droppedfolders.h"
#include "logolist.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "browser/selpictureform.h"
#include "browser/webpicture.h"
#include "images/picturereader.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platformui/foldercopy.h"
#include "sets/libraryscan.h"

void Principale::MyList_OLEDragDrop(const QMimeData* data)
{
    // A picture from a web page goes to the logo browser, which shows it ready to be added.
    if (data && carriesOutsidePicture(*data)) {
        showLogoBrowser(this, browserLink(), data);
        return;
    }
    const std::optional<QStringList> paths = data ? droppedWindowsPaths(*data) : std::nullopt;
    if (!paths)
        return;
    // Packs make their own sets; the folders below are copied as they are.
    for (const QString& path : *paths)
        if (isLogoPackFile(path) && platform::fileExists(path))
            importLogoPackFile(images::hostPathOrEmpty(path));
    const QString logoPath = settings().LogoPath;
    int answer = 0;
    bool lastImported = false;
    bool anyImported = false;
    QString lastName;
    for (const QString& path : *paths) {
        answer = 0;
        lastImported = false;
        // Single files are never imported.
        if (!platform::folderExists(path) || !isImportableFolder(path, logoPath))
            continue;
        QString folder = path;
        const QString name = GetLastPathPart(folder);
        if (platform::folderExists(logoPath + name))
            answer
                = MsgBox(tr("The selected folder '%1' already exist in your logo folder. Would you like to "
                            "overwrite the existing files?")
                             .arg(name),
                    vbYesNo | vbQuestion | vbDefaultButton2);
        if (answer == vbNo)
            continue;
        attempt([&] { platform::copyFolderInto(path, logoPath, this); });
        lastImported = true;
        anyImported = true;
        lastName = name;
    }
    // Rebuilt from disk rather than patched: the new sets take their alphabetical places, and a
    // folder that merged into an existing set of another case keeps that set's one row.
    if (anyImported) {
        LeggiDatiDisco();
        for (int row = 0; lastImported && row < MyList->count(); ++row)
            if (MyList->itemText(row).compare(lastName, Qt::CaseInsensitive) == 0) {
                SelItem(MyList->itemText(row));
                break;
            }
    }
    VisualizzaNumLogo();
    activateWindow();
}
