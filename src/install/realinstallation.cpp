#include "realinstallation.h"

#include "platform/machine.h"

bool isRealInstallation(const platform::Machine& machine)
{
    for (const platform::DriveMapping& drive : machine.drives())
        if (!drive.imagePath.isEmpty())
            return true;
    return machine.value(QStringLiteral("Windows"), QStringLiteral("Installation"))
               .compare(QLatin1String("real"), Qt::CaseInsensitive)
        == 0;
}

bool machineIsRealInstallation()
{
    return platform::hasCurrentMachine() && isRealInstallation(platform::currentMachine());
}
