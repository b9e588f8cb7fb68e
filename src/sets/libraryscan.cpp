#include "libraryscan.h"

#include "app/pathhelpers.h"
#include "platform/files.h"

LibraryScan scanLogoLibrary(const QString& logoPath, const QString& defaultLogoSet)
{
    LibraryScan scan;
    const QStringList names = platform::listSubfolders(logoPath);
    scan.sets.reserve(names.size());
    for (const QString& name : names) {
        if (scan.installedSet.isEmpty() && name.compare(defaultLogoSet, Qt::CaseInsensitive) == 0)
            scan.installedSet = name;
        scan.sets.append({ name, isSingleLogoSet(name) });
    }
    return scan;
}

QString logoSetIconKey(const QString& setName)
{
    return isSingleLogoSet(setName) ? QStringLiteral("singlelogo") : QStringLiteral("multilogo");
}

std::array<QString, 3> logoSetScreenPaths(const QString& logoPath, const QString& setName)
{
    const QString setFolder = logoPath + setName + QLatin1Char('\\');
    // Single-logo sets bring only their startup screen; the other two are the library's defaults.
    const QString sharedFolder = isSingleLogoSet(setName) ? logoPath : setFolder;
    return { setFolder + QStringLiteral("LOGO.SYS"), sharedFolder + QStringLiteral("LOGOW.SYS"),
        sharedFolder + QStringLiteral("LOGOS.SYS") };
}
