#include "setrename.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "platform/files.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QCoreApplication>

namespace
{

bool isSetFolderName(const QString& name)
{
    return platform::isValidName(name) && !name.endsWith(QLatin1Char(' '))
        && !name.endsWith(QLatin1Char('.'));
}

} // namespace

SetRenameCheck checkSetRename(const QString& oldName, const QString& newName)
{
    if (!isSetFolderName(oldName) || !isSetFolderName(newName))
        return SetRenameCheck::Refused;
    const bool wasSingle = isSingleLogoSet(oldName);
    const bool isSingle = isSingleLogoSet(newName);
    if (wasSingle == isSingle)
        return SetRenameCheck::SameKind;
    return isSingle ? SetRenameCheck::MultiToSingle : SetRenameCheck::SingleToMulti;
}

QString kindChangeQuestion(bool toSingleLogo)
{
    return toSingleLogo ? QCoreApplication::translate(
               "Principale", "Would you like to change your logoset format from Multi Logo to Single Logo?")
                        : QCoreApplication::translate("Principale",
                            "Would you like to change your logoset format from Single Logo to Multi Logo?");
}

bool renameSetFolder(const QString& logoPath, const QString& oldName, const QString& newName)
{
    if (checkSetRename(oldName, newName) == SetRenameCheck::Refused)
        return false;
    return attempt([&] { platform::Name(logoPath + oldName, logoPath + newName); });
}
