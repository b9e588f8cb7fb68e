#include "userstate.h"

#include <QDir>
#include <QSettings>

QString userStateFile()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/bootcanvas/state.ini");
}

QVariant userStateValue(const QString& key)
{
    return QSettings(userStateFile(), QSettings::IniFormat).value(key);
}

void setUserStateValue(const QString& key, const QVariant& value)
{
    QSettings state(userStateFile(), QSettings::IniFormat);
    state.setValue(key, value);
    state.sync();
}
