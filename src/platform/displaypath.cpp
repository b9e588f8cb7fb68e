#include "displaypath.h"

#include "machine.h"
#include "windowspath.h"
#include "winpath.h"

#include <QDir>

namespace platform
{

namespace
{

bool isImageDrive(const Machine& machine, QChar letter)
{
    const std::optional<DriveMapping> drive = machine.drive(letter);
    return drive && !drive->imagePath.isEmpty();
}

// A host folder drive of a machine whose Windows installation lives in an image.
bool isHostOnlyDrive(const Machine& machine, QChar letter)
{
    const QChar windowsDrive = parseWindowsPath(machine.windowsFolder()).drive;
    return isImageDrive(machine, windowsDrive) && !isImageDrive(machine, letter);
}

} // namespace

QString pathForDisplay(const QString& windowsPath)
{
    if (!hasCurrentMachine() || !looksLikeWindowsPath(windowsPath))
        return windowsPath;
    try {
        const Machine& machine = currentMachine();
        if (!isHostOnlyDrive(machine, parseWindowsPath(windowsPath).drive))
            return windowsPath;
        QString host = hostPathFor(windowsPath);
        // A folder keeps the trailing separator it was written with.
        if ((windowsPath.endsWith(u'\\') || windowsPath.endsWith(u'/')) && !host.endsWith(u'/'))
            host += u'/';
        return host;
    } catch (const std::exception&) {
        return windowsPath;
    }
}

QString pathFromDisplay(const QString& typed)
{
    if (!hasCurrentMachine() || !QDir::isAbsolutePath(typed) || looksLikeWindowsPath(typed))
        return typed;
    const QString windowsPath = windowsPathFor(QDir::cleanPath(typed));
    return windowsPath.isEmpty() ? typed : windowsPath;
}

} // namespace platform
