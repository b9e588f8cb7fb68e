#include "machinesetup.h"

#include "attempt.h"
#include "companionmapping.h"
#include "defaultmachine.h"

#include "diskimage/imagedrives.h"
#include "images/imgdll.h"
#include "platform/fileerror.h"
#include "platform/machine.h"
#include "platform/msgbox.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{

bool isNewDefaultMachine(const QString& folder)
{
    return folder == platform::defaultMachineFolder()
        && !QFileInfo::exists(QDir(folder).filePath(QStringLiteral("machine.ini")));
}

} // namespace

bool openMachineInUse()
{
    const QString folder = platform::machineFolderInUse();
    try {
        if (isNewDefaultMachine(folder))
            createDefaultMachine(folder);
        else
            attempt([&] { moveCompanionMapping(folder, installedCompanionFolder()); });
        diskimage::useImageDrives();
        platform::setCurrentMachine(platform::Machine::open(folder));
        return true;
    } catch (const platform::DamagedFileError& error) {
        MsgBox(error.userMessage(), vbCritical);
    } catch (const platform::FileError& error) {
        MsgBox(QCoreApplication::translate(
                   "MachineSetup", "Bootcanvas cannot prepare its Windows machine in %1: %2")
                   .arg(folder, error.message()),
            vbCritical);
    }
    return false;
}

void initialiseImaging()
{
    ImgDLLStringInitDLL(QStringLiteral("Bootcanvas"));
}

void reportDamagedRegistry()
{
    while (const auto problem = platform::takeRegistryProblem())
        MsgBox(problem->userMessage(), vbExclamation);
}
