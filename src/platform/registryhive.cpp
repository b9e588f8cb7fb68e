#include "registryhive.h"

namespace platform
{

namespace
{

QStringList componentsOf(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QString indexKey(const QString& path)
{
    return componentsOf(path).join(QLatin1Char('\\')).toCaseFolded();
}

bool sameValueName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

RegistryHive::Value* RegistryHive::Key::findValue(const QString& name)
{
    for (Value& value : values)
        if (sameValueName(value.name, name))
            return &value;
    return nullptr;
}

const RegistryHive::Value* RegistryHive::Key::findValue(const QString& name) const
{
    return const_cast<Key*>(this)->findValue(name);
}

void RegistryHive::Key::setValue(const QString& name, uint32_t type, const QByteArray& data)
{
    if (Value* existing = findValue(name)) {
        existing->type = type;
        existing->data = data;
        return;
    }
    values.append(Value { name, type, data });
}

bool RegistryHive::Key::removeValue(const QString& name)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (sameValueName(values[i].name, name)) {
            values.removeAt(i);
            return true;
        }
    }
    return false;
}

RegistryHive::Key* RegistryHive::findKey(const QString& path)
{
    const auto it = m_index.constFind(indexKey(path));
    return it == m_index.constEnd() ? nullptr : &m_keys[*it];
}

const RegistryHive::Key* RegistryHive::findKey(const QString& path) const
{
    return const_cast<RegistryHive*>(this)->findKey(path);
}

RegistryHive::Key& RegistryHive::createKey(const QString& path)
{
    QString spelled; // the path as spelled so far, existing parents' case first
    qsizetype position = -1;
    for (const QString& component : componentsOf(path)) {
        const QString candidate = spelled.isEmpty() ? component : spelled + QLatin1Char('\\') + component;
        const QString folded = candidate.toCaseFolded();
        auto it = m_index.constFind(folded);
        if (it == m_index.constEnd()) {
            m_keys.append(Key { candidate, {} });
            it = m_index.insert(folded, m_keys.size() - 1);
        }
        position = *it;
        spelled = m_keys[position].path;
    }
    if (position < 0) { // the root itself
        auto it = m_index.constFind(QString());
        if (it == m_index.constEnd()) {
            m_keys.append(Key {});
            it = m_index.insert(QString(), m_keys.size() - 1);
        }
        position = *it;
    }
    return m_keys[position];
}

} // namespace platform
