#include "folderlisting.h"

#include "app/pathhelpers.h"
#include "platform/files.h"

FolderContents readFolderContents(const QString& folder)
{
    FolderContents contents;
    contents.folders = platform::listSubfolders(folder);
    contents.files = platform::listFiles(folder, PicturePatterns);
    return contents;
}

QString iconKeyForFile(const QString& name)
{
    return GetExtension(name).toUpper() == QLatin1String(".SYS") ? QStringLiteral("sys") : QStringLiteral("image");
}
