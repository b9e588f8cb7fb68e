#pragma once

#include <QApplication>

// The hourglass pointer for the lifetime of the object, whatever way the scope is left.
class ScopedHourglass
{
public:
    ScopedHourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~ScopedHourglass() { QApplication::restoreOverrideCursor(); }
    ScopedHourglass(const ScopedHourglass&) = delete;
    ScopedHourglass& operator=(const ScopedHourglass&) = delete;
};
