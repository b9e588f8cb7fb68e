// The logo pack reader on arbitrary bytes: every check runs before any entry is unpacked.
#include "sets/logopack.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray archive = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    packs::readLogoPack(archive, QStringLiteral("Pack"));
    return 0;
}
