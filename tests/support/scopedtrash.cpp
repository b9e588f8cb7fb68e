#include "scopedtrash.h"

#include <QDir>

ScopedTrash::ScopedTrash()
    : m_home(qgetenv("HOME"))
    , m_data(qgetenv("XDG_DATA_HOME"))
{
    qputenv("HOME", m_dir.path().toLocal8Bit());
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
}

ScopedTrash::~ScopedTrash()
{
    qputenv("HOME", m_home);
    qputenv("XDG_DATA_HOME", m_data);
}

QStringList ScopedTrash::trashed() const
{
    return QDir(m_dir.filePath(QStringLiteral("data/Trash/files")))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}
