// Windows 9x binary registry files (USER.DAT): any bytes give a value or none, within the file.
#include "platform/cregfile.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::CregFile file(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)file.stringValue(
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
        QStringLiteral("Startup"));
    (void)file.stringValue(QStringLiteral("Nowhere\\Else"), QStringLiteral("Startup"));
    return 0;
}
