#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Sets an environment variable for a scope, then puts back what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QString& value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};
