#pragma once

#include "fileerror.h"
#include "registryhive.h"

#include <QString>
#include <functional>
#include <optional>

namespace platform
{

// One hive file on the host. Reads are cached until the file changes on disk; changes run under
// an exclusive lock on "<hive>.lock" over a fresh read, and are written atomically. A damaged hive
// is moved aside ("<hive>.damaged", then "-2", "-3", ...) and the hive goes on empty; the problem
// is queued once for takeRegistryProblem().
class HiveFile
{
public:
    HiveFile(const QString& hostPath, const QString& rootName);

    // The hive as it is on disk now; empty when the file is missing, unreadable or damaged.
    RegistryHive read() const;
    // Applies `change` to the hive under the lock and writes the result when the change returned
    // ERROR_SUCCESS and altered anything. Returns the change's status or the failure's.
    long update(const std::function<long(RegistryHive&)>& change) const;

private:
    QString m_path, m_root;
};

// The oldest damaged-hive problem not yet taken, if any.
std::optional<DamagedFileError> takeQueuedHiveProblem();

} // namespace platform
