#pragma once

#include <QByteArray>
#include <QtEndian>

namespace platform
{

// Windows' binary files (shortcuts, registry files) store numbers little-endian.
template <typename Number>
void appendLittleEndian(QByteArray& bytes, Number value)
{
    char data[sizeof(Number)];
    qToLittleEndian(value, data);
    bytes.append(data, sizeof(Number));
}

} // namespace platform
