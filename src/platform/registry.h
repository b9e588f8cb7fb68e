#pragma once

#include "fileerror.h"
#include "registryhive.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The registry of the current machine: HKEY_LOCAL_MACHINE in system.reg and HKEY_CURRENT_USER in
// user.reg, both REGEDIT4 text. The calls mirror the Win32 ones and return their status codes.
// Every change is written at once (atomically, under a lock file) so that two processes never lose
// each other's values: each call re-reads the hive when it changed on disk.
namespace platform
{

// Keys.
using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr uint32_t KEY_ALL_ACCESS = 0x3F;

long RegCreateKeyExA(HKEY root, const QString& subKey, HKEY* result);
long RegOpenKeyExA(HKEY root, const QString& subKey, uint32_t access, HKEY* result);
long RegCloseKey(HKEY key);

// With `data` null only the type and size are reported. REG_SZ data carries its terminating NUL,
// as on Windows; `size` is the data's byte count.
long RegQueryValueExA(HKEY key, const QString& name, uint32_t* type, QByteArray* data, uint32_t* size);
// REG_SZ data is the text's bytes, a terminating NUL optional; REG_DWORD is 4 little-endian bytes.
long RegSetValueExA(HKEY key, const QString& name, uint32_t type, const QByteArray& data);
long RegDeleteValueA(HKEY key, const QString& name);

// A hive that cannot be read is not overwritten: it is renamed to "system.reg.damaged" (or
// "...damaged-2", ...) beside itself, the registry goes on from an empty hive, and the problem waits
// here to be shown to the user once. Call after start-up, until it gives nothing: it looks at both
// hives of the current machine first.
std::optional<DamagedFileError> takeRegistryProblem();

} // namespace platform
