#include "scopedtrash.h"

#include <QDir>

ScopedTrash::ScopedTrash()
    : m_home("HOME", m_dir.path())
    , m_data("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
}

QStringList ScopedTrash::trashed() const
{
    return QDir(m_dir.filePath(QStringLiteral("data/Trash/files")))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}
