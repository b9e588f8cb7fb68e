// The update file comes from a web server, so every byte of it is untrusted.
#include "online/updatefile.h"
#include "online/versionnumber.h"

#include <QUrl>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<UpdateFile> file = UpdateFile::parse(bytes);
    if (!file)
        return 0;
    // What the check does with an accepted file: it must hold a comparable version.
    const std::optional<VersionNumber> announced = VersionNumber::parse(file->version);
    if (!announced)
        __builtin_trap();
    const QUrl download
        = QUrl(QStringLiteral("http://127.0.0.1/updates/bootcanvas.dat")).resolved(QUrl(file->download));
    if (announced->isNewerThan(*VersionNumber::parse(QStringLiteral("4.0.0"))) && !download.isValid())
        __builtin_trap();
    return 0;
}
