#include "registrylayer.h"

#include <QtEndian>

using namespace platform;

namespace
{

// Closes a key on every way out of a function.
class OpenKey
{
public:
    explicit OpenKey(HKEY root, const QString& subKey)
    {
        m_status = RegOpenKeyExA(root, subKey, KEY_ALL_ACCESS, &m_key);
    }
    ~OpenKey()
    {
        if (m_status == ERROR_SUCCESS)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    bool isOpen() const { return m_status == ERROR_SUCCESS; }
    HKEY handle() const { return m_key; }

private:
    HKEY m_key = 0;
    long m_status = ERROR_INVALID_HANDLE;
};

} // namespace

void CreateRegKey(HKEY root, const QString& subKey)
{
    HKEY key = 0;
    if (RegCreateKeyExA(root, subKey, &key) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void WriteRegValue(
    HKEY root, const QString& subKey, const QString& valueName, const QVariant& value, uint32_t type)
{
    const OpenKey key(root, subKey);
    if (key.isOpen())
        SetValueOnKey(key.handle(), valueName, type, value);
}

QVariant ReadRegValue(HKEY root, const QString& subKey, const QString& valueName)
{
    QVariant value;
    const OpenKey key(root, subKey);
    if (key.isOpen())
        QueryValueOnKey(key.handle(), valueName, value);
    return value;
}

void DeleteRegValue(HKEY root, const QString& subKey, const QString& valueName)
{
    const OpenKey key(root, subKey);
    if (key.isOpen())
        RegDeleteValueA(key.handle(), valueName);
}

long SetValueOnKey(HKEY key, const QString& valueName, uint32_t type, const QVariant& value)
{
    if (type == REG_SZ)
        return RegSetValueExA(key, valueName, REG_SZ, value.toString().toLatin1() + '\0');
    if (type == REG_DWORD) {
        QByteArray data(4, '\0');
        qToLittleEndian<quint32>(static_cast<quint32>(value.toLongLong()), data.data());
        return RegSetValueExA(key, valueName, REG_DWORD, data);
    }
    return ERROR_INVALID_PARAMETER;
}

long QueryValueOnKey(HKEY key, const QString& valueName, QVariant& value)
{
    uint32_t type = REG_NONE;
    uint32_t size = 0;
    long status = RegQueryValueExA(key, valueName, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    QByteArray data;
    if (type == REG_SZ) {
        status = RegQueryValueExA(key, valueName, &type, &data, &size);
        value = status == ERROR_SUCCESS ? QVariant(QString::fromLatin1(data.left(size))) : QVariant();
        return status;
    }
    if (type == REG_DWORD) {
        status = RegQueryValueExA(key, valueName, &type, &data, &size);
        if (status == ERROR_SUCCESS && data.size() >= 4)
            value = static_cast<qint32>(qFromLittleEndian<quint32>(data.constData()));
        return status;
    }
    return -1;
}
