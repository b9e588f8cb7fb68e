#include "logosetdeletion.h"

#include "app/attempt.h"
#include "app/hourglass.h"
#include "app/settings.h"
#include "app/shellhelpers.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>

bool isLibrarySetFolder(const QString& folder, const QString& name, const QString& logoPath)
{
    if (name.trimmed().isEmpty())
        return false;
    try {
        const platform::WindowsPath set = platform::parseWindowsPath(folder);
        const platform::WindowsPath library = platform::parseWindowsPath(logoPath);
        if (set.drive != library.drive || set.parts.size() != library.parts.size() + 1)
            return false;
        for (qsizetype i = 0; i < library.parts.size(); ++i)
            if (set.parts.at(i).compare(library.parts.at(i), Qt::CaseInsensitive) != 0)
                return false;
        return platform::isValidName(set.parts.last());
    } catch (const std::exception&) {
        return false;
    }
}

bool EliminaLogoSet(const QString& folder, const QString& name)
{
    const Settings& s = settings();
    // An empty name or a folder outside the library would take the default screens or
    // someone else's files with it.
    if (!isLibrarySetFolder(folder, name, s.LogoPath))
        return false;
    if (s.ConfirmLogosetDelete == 1
        && MsgBox(QCoreApplication::translate("SelPictureForm",
                      "Are you sure you want to delete %1 logo set? This operation will delete all files "
                      "contained in '%2' folder!")
                      .arg(name, folder),
               vbYesNo | vbQuestion, QCoreApplication::translate("SelPictureForm", "Confirm deletions"))
            != vbYes)
        return false;
    {
        const ScopedHourglass hourglass;
        if (s.DeleteInRecycleBin == 1) {
            DeleteToRecycleBin({ folder + QStringLiteral("\\*.*") });
            attempt([&] { platform::RmDir(folder); });
        } else {
            attempt([&] { platform::removeTree(folder); });
        }
    }
    // A set whose folder is still there (the trash question answered No, a file that would not go)
    // was not deleted: saying so keeps it in the lists and keeps the installed set's name.
    return !platform::folderExists(folder);
}
