#pragma once

#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer for the lifetime of the object, whatever way the scope is left.
class ScopedHourglass
{
public:
    ScopedHourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~ScopedHourglass() { QGuiApplication::restoreOverrideCursor(); }
    ScopedHourglass(const ScopedHourglass&) = delete;
    ScopedHourglass& operator=(const ScopedHourglass&) = delete;
};
