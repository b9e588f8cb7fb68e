#include "registry.h"

#include "hivefile.h"
#include "machine.h"

#include <QHash>
#include <QMutex>

namespace platform
{

namespace
{

struct OpenKey {
    HKEY root = 0;
    QString path;
};

struct HandleTable {
    QMutex mutex;
    QHash<HKEY, OpenKey> keys;
    HKEY next = 0x100;
};

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

bool isRoot(HKEY key)
{
    return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER;
}

std::optional<OpenKey> resolve(HKEY key)
{
    if (isRoot(key))
        return OpenKey { key, QString() };
    QMutexLocker locker(&handles().mutex);
    const auto it = handles().keys.constFind(key);
    if (it == handles().keys.constEnd())
        return std::nullopt;
    return *it;
}

HKEY addHandle(HKEY root, const QString& path)
{
    QMutexLocker locker(&handles().mutex);
    const HKEY handle = handles().next;
    handles().next += 4;
    handles().keys.insert(handle, OpenKey { root, path });
    return handle;
}

std::optional<HiveFile> hiveOf(HKEY root)
{
    if (!hasCurrentMachine())
        return std::nullopt;
    const Machine& machine = currentMachine();
    if (root == HKEY_LOCAL_MACHINE)
        return HiveFile(machine.systemHivePath(), QStringLiteral("HKEY_LOCAL_MACHINE"));
    return HiveFile(machine.userHivePath(), QStringLiteral("HKEY_CURRENT_USER"));
}

// The key behind a handle and the hive file holding it; `status` says why either is missing.
struct HeldKey {
    long status = ERROR_SUCCESS;
    OpenKey key;
    std::optional<HiveFile> hive;
};

HeldKey holdKey(HKEY handle)
{
    const std::optional<OpenKey> open = resolve(handle);
    if (!open)
        return { ERROR_INVALID_HANDLE, {}, std::nullopt };
    std::optional<HiveFile> hive = hiveOf(open->root);
    return { hive ? ERROR_SUCCESS : ERROR_BADDB, *open, std::move(hive) };
}

// Names as the hive file will hold them (Latin-1, "?" for anything else); nothing that would
// break a line of the file.
std::optional<QString> storableName(const QString& name)
{
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')) || name.contains(QChar()))
        return std::nullopt;
    return QString::fromLatin1(name.toLatin1());
}

std::optional<QString> joinedPath(const OpenKey& parent, const QString& subKey)
{
    const std::optional<QString> sub = storableName(subKey);
    if (!sub)
        return std::nullopt;
    QStringList parts = parent.path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    parts += sub->split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\'));
}

bool keyExists(const RegistryHive& hive, const QString& path)
{
    return path.isEmpty() || hive.findKey(path);
}

// Opens or creates `subKey` under `root`; shared by the two calls that hand out handles.
long openKey(HKEY root, const QString& subKey, HKEY* result, bool create)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    const std::optional<OpenKey> parent = resolve(root);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    const std::optional<QString> path = joinedPath(*parent, subKey);
    if (!path)
        return ERROR_INVALID_PARAMETER;
    const std::optional<HiveFile> hive = hiveOf(parent->root);
    if (!hive)
        return ERROR_BADDB;
    if (!keyExists(hive->read(), *path)) {
        if (!create)
            return ERROR_FILE_NOT_FOUND;
        const long status = hive->update([&](RegistryHive& current) {
            current.createKey(*path);
            return ERROR_SUCCESS;
        });
        if (status != ERROR_SUCCESS)
            return status;
    }
    *result = addHandle(parent->root, *path);
    return ERROR_SUCCESS;
}

} // namespace

long RegCreateKeyExA(HKEY root, const QString& subKey, HKEY* result)
{
    return openKey(root, subKey, result, true);
}

long RegOpenKeyExA(HKEY root, const QString& subKey, uint32_t access, HKEY* result)
{
    Q_UNUSED(access); // every key is opened with full access
    return openKey(root, subKey, result, false);
}

long RegQueryValueExA(HKEY key, const QString& name, uint32_t* type, QByteArray* data, uint32_t* size)
{
    const HeldKey held = holdKey(key);
    if (held.status != ERROR_SUCCESS)
        return held.status;
    const RegistryHive current = held.hive->read();
    const RegistryHive::Key* found = current.findKey(held.key.path);
    const RegistryHive::Value* value = found ? found->findValue(name) : nullptr;
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    const QByteArray bytes = value->type == REG_SZ ? value->data + '\0' : value->data;
    if (type)
        *type = value->type;
    if (size)
        *size = uint32_t(bytes.size());
    if (data)
        *data = bytes;
    return ERROR_SUCCESS;
}

long RegSetValueExA(HKEY key, const QString& name, uint32_t type, const QByteArray& data)
{
    const std::optional<OpenKey> open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    const std::optional<QString> valueName = storableName(name);
    if (!valueName)
        return ERROR_INVALID_PARAMETER;
    const std::optional<HiveFile> hive = hiveOf(open->root);
    if (!hive)
        return ERROR_BADDB;
    QByteArray stored = data;
    if (type == REG_SZ && stored.endsWith('\0'))
        stored.chop(1);
    return hive->update([&](RegistryHive& current) {
        // A key removed behind the handle's back comes back rather than lose the value.
        current.createKey(open->path).setValue(*valueName, type, stored);
        return ERROR_SUCCESS;
    });
}

long RegDeleteValueA(HKEY key, const QString& name)
{
    const HeldKey held = holdKey(key);
    if (held.status != ERROR_SUCCESS)
        return held.status;
    const RegistryHive before = held.hive->read();
    const RegistryHive::Key* present = before.findKey(held.key.path);
    if (!present || !present->findValue(name))
        return ERROR_FILE_NOT_FOUND; // the usual case at exit: no lock, no write
    return held.hive->update([&](RegistryHive& current) {
        RegistryHive::Key* found = current.findKey(held.key.path);
        return found && found->removeValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

long RegCloseKey(HKEY key)
{
    if (isRoot(key))
        return ERROR_SUCCESS;
    QMutexLocker locker(&handles().mutex);
    return handles().keys.remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::optional<DamagedFileError> takeRegistryProblem()
{
    if (hasCurrentMachine()) {
        hiveOf(HKEY_LOCAL_MACHINE)->read();
        hiveOf(HKEY_CURRENT_USER)->read();
    }
    return takeQueuedHiveProblem();
}

} // namespace platform
