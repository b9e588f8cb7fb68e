#pragma once

#include <QString>
#include <QWidget>

// A control made with (caption, parent), under an object name: the windows' controls are private,
// and the help, the accessibility tree and the tests find them by that name.
template <class Control> Control* named(const QString& name, const QString& caption, QWidget* parent)
{
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    return control;
}

template <class Control> Control* named(const char* name, const QString& caption, QWidget* parent)
{
    return named<Control>(QLatin1String(name), caption, parent);
}
