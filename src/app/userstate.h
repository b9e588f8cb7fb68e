#pragma once

#include <QString>
#include <QVariant>

// What the program remembers for the user rather than for a machine (window sizes and places, the
// logo browser's last folder): $XDG_STATE_HOME/bootcanvas/state.ini, normally
// ~/.local/state/bootcanvas/state.ini. Every machine and disk image shares it, so nothing in it is
// a Windows path.
QString userStateFile();
QVariant userStateValue(const QString& key);
// A value that cannot be written is not reported: remembering is a convenience.
void setUserStateValue(const QString& key, const QVariant& value);
