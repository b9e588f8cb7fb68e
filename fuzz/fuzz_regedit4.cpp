// REGEDIT4 hive text: any bytes either parse or are refused as damaged, and what parses is written
// back as text that reads back to the same hive.
#include "platform/fileerror.h"
#include "platform/registry.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

using platform::RegistryHive;

namespace
{

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameValues(const RegistryHive::Key& a, const RegistryHive::Key& b)
{
    if (a.path != b.path || a.values.size() != b.values.size())
        return false;
    for (qsizetype i = 0; i < a.values.size(); ++i) {
        const RegistryHive::Value& left = a.values[i];
        const RegistryHive::Value& right = b.values[i];
        if (left.name != right.name || left.type != right.type || left.data != right.data)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    RegistryHive hive;
    try {
        hive = RegistryHive::parse(input, root);
    } catch (const platform::DamagedFileError&) {
        return 0;
    }
    const QByteArray text = hive.toText(root);
    const RegistryHive again = RegistryHive::parse(text, root); // must not throw
    check(again.keys().size() == hive.keys().size());
    for (const RegistryHive::Key& key : hive.keys()) {
        const RegistryHive::Key* reread = again.findKey(key.path);
        check(reread && sameValues(key, *reread));
    }
    check(again.toText(root) == text);
    return 0;
}
