#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds a small Windows 9x binary registry file ("CREG", as USER.DAT) holding string values, laid
// out as Windows writes one: the key tree, then one data block with the keys' names and values.
class CregBuilder
{
public:
    // Adds the key path (and its parents) with a REG_SZ value; texts are stored as Latin-1.
    void addString(const QString& keyPath, const QString& name, const QString& value);
    QByteArray bytes() const;

private:
    struct Key {
        QString name;
        int parent = -1;
        QList<int> children;
        QList<std::pair<QString, QString>> values;
    };
    int keyIndex(const QString& keyPath);

    QList<Key> m_keys { Key {} }; // the root first
};
