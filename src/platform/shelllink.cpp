#include "shelllink.h"

#include "littleendianbytes.h"

#include <QtEndian>

namespace
{

constexpr quint32 HasLinkInfo = 0x02;
constexpr quint32 HeaderSize = 0x4C;
constexpr quint32 LinkInfoHeaderSize = 0x1C;
constexpr quint32 VolumeIdAndLocalBasePath = 0x01;
constexpr quint32 DriveFixed = 3;
constexpr quint32 FileAttributeArchive = 0x20;
constexpr quint32 ShowNormal = 1;
// The shell link class identifier 00021401-0000-0000-C000-000000000046, in its stored byte order.
constexpr unsigned char LinkClassId[16]
    = { 0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 };

// The optional strings in the fixed order they follow the link information, each announced by
// its flag in the header.
struct OptionalString {
    const QString ShellLink::*text;
    quint32 flag;
};
constexpr OptionalString OptionalStrings[] = {
    { &ShellLink::description, 0x04 }, // has a name
    { &ShellLink::relativePath, 0x08 }, // has a relative path
    { &ShellLink::workingDirectory, 0x10 }, // has a working folder
    { &ShellLink::arguments, 0x20 }, // has arguments
};

void put32(QByteArray& bytes, quint32 value)
{
    platform::appendLittleEndian(bytes, value);
}

void put16(QByteArray& bytes, quint16 value)
{
    platform::appendLittleEndian(bytes, value);
}

QByteArray ansi(const QString& text)
{
    // Strings are counted in 16 bits; nothing the program writes comes near that.
    return text.left(0x7FFF).toLatin1();
}

QByteArray header(quint32 flags)
{
    QByteArray bytes;
    put32(bytes, HeaderSize);
    bytes.append(reinterpret_cast<const char*>(LinkClassId), sizeof LinkClassId);
    put32(bytes, flags);
    put32(bytes, FileAttributeArchive);
    bytes.append(QByteArray(3 * 8, '\0')); // creation, access and write times: unknown
    put32(bytes, 0); // target size: unknown
    put32(bytes, 0); // icon index
    put32(bytes, ShowNormal);
    bytes.append(QByteArray(2 + 2 + 4 + 4, '\0')); // hot key and reserved fields
    return bytes;
}

QByteArray linkInfo(const QString& target)
{
    QByteArray volume;
    put32(volume, 0x11); // volume ID size: the fields below and an empty label
    put32(volume, DriveFixed);
    put32(volume, 0); // serial number: unknown
    put32(volume, 0x10);
    volume.append('\0');

    const QByteArray basePath = ansi(target) + '\0';
    const quint32 volumeOffset = LinkInfoHeaderSize;
    const quint32 basePathOffset = volumeOffset + quint32(volume.size());
    const quint32 suffixOffset = basePathOffset + quint32(basePath.size());
    const quint32 size = suffixOffset + 1;

    QByteArray bytes;
    put32(bytes, size);
    put32(bytes, LinkInfoHeaderSize);
    put32(bytes, VolumeIdAndLocalBasePath);
    put32(bytes, volumeOffset);
    put32(bytes, basePathOffset);
    put32(bytes, 0); // no network location
    put32(bytes, suffixOffset);
    bytes.append(volume);
    bytes.append(basePath);
    bytes.append('\0'); // empty common path suffix
    return bytes;
}

void putString(QByteArray& bytes, const QString& text)
{
    const QByteArray data = ansi(text);
    put16(bytes, quint16(data.size()));
    bytes.append(data);
}

} // namespace

QByteArray shellLinkBytes(const ShellLink& link)
{
    quint32 flags = HasLinkInfo;
    for (const OptionalString& optional : OptionalStrings)
        if (!(link.*optional.text).isEmpty())
            flags |= optional.flag;

    QByteArray bytes = header(flags);
    bytes.append(linkInfo(link.target));
    for (const OptionalString& optional : OptionalStrings)
        if (const QString& text = link.*optional.text; !text.isEmpty())
            putString(bytes, text);
    put32(bytes, 0); // end of the extra data blocks
    return bytes;
}
