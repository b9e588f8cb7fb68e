#include "windowgeometry.h"

#include "app/userstate.h"

#include <QWidget>

namespace
{

QString geometryKey(const QString& key)
{
    return QStringLiteral("windows/") + key;
}

} // namespace

void restoreWindowGeometry(QWidget& window, const QString& key)
{
    const QByteArray geometry = userStateValue(geometryKey(key)).toByteArray();
    // restoreGeometry keeps the window on a screen that exists now and never under its minimum.
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void saveWindowGeometry(const QWidget& window, const QString& key)
{
    setUserStateValue(geometryKey(key), window.saveGeometry());
}
