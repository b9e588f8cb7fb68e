#include "dosattributes.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform
{

namespace
{

const char* const AttributeName = "user.DOSATTRIB";

bool unsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP || error == ENOTTY || error == EPERM;
}

class FileHandle
{
public:
    explicit FileHandle(const QByteArray& path)
        : m_fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK))
    {
    }
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Text written by this program and by older file servers ("0x22", perhaps NUL-terminated).
int parseAttributeText(const char* text, ssize_t size)
{
    QByteArray value(text, int(size));
    value = value.left(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0')).trimmed();
    if (!value.startsWith("0x") && !value.startsWith("0X"))
        return 0;
    bool ok = false;
    const int bits = value.mid(2).toInt(&ok, 16);
    return ok ? bits & DosAttributeBits : 0;
}

int readFatAttributes(const QByteArray& path)
{
    const FileHandle file(path);
    uint32_t bits = 0;
    if (file.fd() < 0 || ::ioctl(file.fd(), FAT_IOCTL_GET_ATTRIBUTES, &bits) != 0)
        return 0;
    return int(bits) & DosAttributeBits;
}

int writeFatAttributes(const QByteArray& path, int attributes)
{
    const FileHandle file(path);
    if (file.fd() < 0)
        return errno;
    uint32_t bits = 0;
    if (::ioctl(file.fd(), FAT_IOCTL_GET_ATTRIBUTES, &bits) != 0)
        return unsupported(errno) ? 0 : errno;
    bits = (bits & ~uint32_t(DosAttributeBits)) | uint32_t(attributes & DosAttributeBits);
    if (::ioctl(file.fd(), FAT_IOCTL_SET_ATTRIBUTES, &bits) != 0)
        return unsupported(errno) ? 0 : errno;
    return 0;
}

} // namespace

int readDosAttributes(const QString& hostPath)
{
    const QByteArray path = QFile::encodeName(hostPath);
    char text[64];
    const ssize_t size = ::getxattr(path.constData(), AttributeName, text, sizeof text);
    if (size >= 0)
        return parseAttributeText(text, size);
    if (errno == ENOTSUP || errno == EOPNOTSUPP)
        return readFatAttributes(path);
    return 0;
}

int writeDosAttributes(const QString& hostPath, int attributes)
{
    const QByteArray path = QFile::encodeName(hostPath);
    const int bits = attributes & DosAttributeBits;
    int result = 0;
    if (bits == 0) {
        // No attribute is stored as no extended attribute, so plain files stay plain.
        result = ::removexattr(path.constData(), AttributeName);
        if (result != 0 && errno == ENODATA)
            return 0;
    } else {
        const QByteArray text = "0x" + QByteArray::number(bits, 16);
        result = ::setxattr(path.constData(), AttributeName, text.constData(), size_t(text.size()), 0);
    }
    if (result == 0)
        return 0;
    if (errno == ENOTSUP || errno == EOPNOTSUPP)
        return writeFatAttributes(path, attributes);
    return unsupported(errno) ? 0 : errno;
}

} // namespace platform
