#pragma once

#include <QByteArray>
#include <QtEndian>

namespace diskimage
{

// Little-endian fields of on-disk structures (partition tables, boot sectors, FAT entries). The
// caller has checked that `at` lies inside `bytes`.
inline quint16 le16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

inline quint32 le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace diskimage
