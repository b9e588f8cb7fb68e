#pragma once

#include <QString>

// Small host-side helpers shared by the path layer and the file module.
namespace platform
{

bool hostEntryExists(const QString& hostPath); // any entry, a dangling link included
bool hostFolderExists(const QString& hostPath);
QString joinHostPath(const QString& folder, const QString& name);
// The entry of `folder` whose name equals `name` without regard to case; empty when none.
QString findEntryIgnoringCase(const QString& folder, const QString& name);

} // namespace platform
