// machine.ini is edited by hand and may point at a mounted disk: any text must either give a
// machine or be refused as damaged.
#include "platform/fileerror.h"
#include "platform/machine.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const platform::Machine machine
            = platform::Machine::fromIniText(QStringLiteral("/fuzz/machine"), text);
        // Everything a caller reads afterwards must hold up too.
        for (const platform::DriveMapping& drive : machine.drives())
            if (drive.hostFolder.isEmpty() || !machine.drive(drive.letter))
                __builtin_trap();
        if (machine.windowsFolder().isEmpty() || machine.tempFolder().isEmpty())
            __builtin_trap();
        machine.hostProgramFor(machine.windowsFolder() + QStringLiteral("\\pbrush.exe"));
        machine.value(QStringLiteral("Online"), QStringLiteral("UpdateUrl"));
    } catch (const platform::DamagedFileError&) {
    }
    return 0;
}
