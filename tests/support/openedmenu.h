#pragma once

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <functional>

// Runs `action` and returns the pop-up menu it opened, closed again (a menu run by exec() would
// otherwise wait for the user); null when none opened within 50 ms.
inline QMenu* menuOpenedBy(const std::function<void()>& action)
{
    QMenu* opened = nullptr;
    QTimer::singleShot(50, [&] {
        if ((opened = qobject_cast<QMenu*>(QApplication::activePopupWidget())))
            opened->close();
    });
    action();
    return opened;
}
