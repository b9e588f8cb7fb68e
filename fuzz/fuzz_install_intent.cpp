// The record of an installation in progress is read back by the next command after a crash or a
// kill, so any bytes must either give an installation or be refused.
#include "install/installintent.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    // Screens kept for even indexes only, so records that need a missing one are seen too.
    const auto screenBytes = [](int index) -> std::optional<QByteArray> {
        if (index % 2 == 1 && index > 1)
            return std::nullopt;
        return QByteArray(index, 'S');
    };
    const std::optional<InstallIntent> intent = parseInstallIntent(text, screenBytes);
    if (!intent)
        return 0;
    if (intent->screens.isEmpty() || intent->screens.size() > 8 || text.size() > MaxInstallRecordBytes)
        __builtin_trap();
    for (const ScreenContent& screen : intent->screens)
        if (screen.target.isEmpty())
            __builtin_trap();
    return 0;
}
