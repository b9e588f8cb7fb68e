#pragma once

#include "scopedenvironment.h"

#include <QStringList>
#include <QTemporaryDir>

// HOME and XDG_DATA_HOME inside a temporary folder for the object's lifetime, so the trash used is
// the test's own.
class ScopedTrash
{
public:
    ScopedTrash();

    // What lies in the trash, files and folders, sorted by name.
    QStringList trashed() const;

private:
    QTemporaryDir m_dir;
    ScopedEnvironment m_home;
    ScopedEnvironment m_data;
};
