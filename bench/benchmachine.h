#pragma once

// The machine a benchmark runs on: a folder it has filled, with drive C on drive_c.
#include "platform/machine.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace bench
{

// Writes machine.ini with the given [Paths] lines and makes the folder the current machine.
inline bool useMachine(const QString& folder, const QByteArray& paths)
{
    QFile ini(QDir(folder).filePath(QStringLiteral("machine.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[Drives]\nC=drive_c,fixed\n[Paths]\n" + paths);
    ini.close();
    platform::setCurrentMachine(platform::Machine::open(folder));
    return true;
}

// Windows need no display unless the caller chose a platform.
inline void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
