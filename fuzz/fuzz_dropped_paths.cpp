// Whatever another program drops on the list of sets arrives as a text/uri-list: any bytes must give
// a bounded list of Windows paths, each of which the import can judge without failing.
#include "library/droppedfolders.h"
#include "platform/machine.h"

#include <QByteArray>
#include <QMimeData>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool machineReady = [] {
        platform::setCurrentMachine(platform::Machine::fromIniText(QStringLiteral("/fuzz/machine"),
            "[Drives]\nC=/fuzz/machine/drive_c,fixed\nZ=/,remote\n[Paths]\nWindows=C:\\WINDOWS\n"));
        return true;
    }();
    (void)machineReady;
    QMimeData mime;
    mime.setData(
        QStringLiteral("text/uri-list"), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::optional<QStringList> paths = droppedWindowsPaths(mime);
    if (paths && paths->size() > MaxDroppedPaths)
        __builtin_trap();
    for (const QString& path : paths.value_or(QStringList()))
        isImportableFolder(path, QStringLiteral("C:\\Logos\\"));
    return 0;
}
