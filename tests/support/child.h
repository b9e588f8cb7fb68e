#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <stdexcept>

// Thrown out of a test when a window has no control of the asked name: the test stops there with
// the name in its failure instead of crashing on a null pointer.
struct MissingChild : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The control `name` of a window (any depth below it), reached as a user's tool would: by name.
template <class T> T* child(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found) {
        const std::string what = window.objectName().toStdString() + " has no "
            + T::staticMetaObject.className() + " named " + name.toStdString();
        ADD_FAILURE() << what;
        throw MissingChild(what);
    }
    return found;
}

// One of a row of controls named `prefix0`, `prefix1`, ...
template <class T> T* child(const QObject& window, const QString& prefix, int index)
{
    return child<T>(window, prefix + QString::number(index));
}

template <class T, std::size_t N> std::array<T*, N> childRow(const QObject& window, const QString& prefix)
{
    std::array<T*, N> found {};
    for (std::size_t i = 0; i < N; ++i)
        found[i] = child<T>(window, prefix, int(i));
    return found;
}
