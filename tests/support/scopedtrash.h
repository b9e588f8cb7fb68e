#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// HOME and XDG_DATA_HOME inside a temporary folder for the object's lifetime, so the trash used is
// the test's own.
class ScopedTrash
{
public:
    ScopedTrash();
    ~ScopedTrash();
    ScopedTrash(const ScopedTrash&) = delete;
    ScopedTrash& operator=(const ScopedTrash&) = delete;

    // What lies in the trash, files and folders, sorted by name.
    QStringList trashed() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_home, m_data;
};
