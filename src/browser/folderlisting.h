#pragma once

#include <QString>
#include <QStringList>

// What the browser lists of a folder: its subfolders and its picture files, each in alphabetical
// order without regard to case. `folder` is a Windows path; a folder that cannot be read throws
// platform::FileError.
struct FolderContents {
    QStringList folders;
    QStringList files;
};

// Every kind the picture readers know, matched without regard to case.
inline const QStringList PicturePatterns = { QStringLiteral("*.sys"), QStringLiteral("*.jpg"),
    QStringLiteral("*.jpeg"), QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.png"),
    QStringLiteral("*.webp"), QStringLiteral("*.tif"), QStringLiteral("*.tiff") };

FolderContents readFolderContents(const QString& folder);
// The image-list key for a picture file's entry: "sys" for ".SYS" files, "image" for the others.
QString iconKeyForFile(const QString& name);
