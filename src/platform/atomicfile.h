#pragma once

#include <QString>
#include <optional>
#include <sys/types.h>

namespace platform
{

// The new content of a host file, written to a hidden temporary file beside it and renamed over it
// by commit(), so a crash or a full disk leaves the old file or the new one, never a mix. Unless
// told otherwise the new file keeps the permissions and DOS attributes of the file it replaces.
// Errors are FileError naming `displayPath` (the Windows path when there is one).
class AtomicFile
{
public:
    AtomicFile(const QString& hostTarget, const QString& displayPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool targetExists() const { return m_targetExists; }
    // Permission bits the new file gets unless setMode() says otherwise: those of the file being
    // replaced, or those the umask gives a new file.
    mode_t targetMode() const { return m_targetMode; }
    int fd() const { return m_fd; }

    void write(const char* data, qint64 size);
    void setMode(mode_t mode) { m_mode = mode; }
    void setDosAttributes(int attributes) { m_dosAttributes = attributes; }
    // Flushes to disk and renames the temporary file over the target.
    void commit();

private:
    [[noreturn]] void fail(int error) const;
    void createTemporary();

    QString m_target, m_displayPath, m_temporary;
    int m_fd = -1;
    bool m_targetExists = false;
    mode_t m_targetMode = 0;
    std::optional<mode_t> m_mode;
    std::optional<int> m_dosAttributes;
};

} // namespace platform
