#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A Windows 98 disk image made for a test: an MBR written here with one FAT partition at sector 63
// (type 0x01 for FAT12, 0x06 for FAT16, 0x0C for FAT32) or a bare volume, formatted by mkfs.fat and filled
// with mtools: WINDOWS\, WINDOWS\TEMP, an MSDOS.SYS with its padding lines, read-only hidden system files and
// a long-named "Program Files" folder.
class TestImage
{
public:
    enum class Layout { Fat12, Fat16, Fat32, BareFat16 };
    explicit TestImage(Layout layout = Layout::Fat16, int megabytes = 40);
    // Adopts a raw image made elsewhere (a conversion back from another format).
    TestImage(const QString& rawPath, qint64 offset);

    // Whether mkfs.fat, mtools and fsck.fat are there; tests skip otherwise.
    static bool toolsAvailable();
    static bool qemuImgAvailable();

    QString path() const { return m_path; }
    qint64 offset() const { return m_offset; }
    static QByteArray msdosSys();

    // mtools on the image's volume, volume paths as "WINDOWS/LOGOW.SYS".
    void put(const QString& volumePath, const QByteArray& bytes) const;
    QByteArray get(const QString& volumePath) const; // empty when missing
    void makeFolder(const QString& volumePath) const;
    void attrib(const QStringList& flags, const QString& volumePath) const;
    QString attributesOf(const QString& volumePath) const; // as mattrib prints them

    // The whole image file's bytes.
    QByteArray bytes() const;
    // What fsck.fat -n says about the partition; empty when it is clean.
    QString fsckProblems() const;
    // The volume's cluster size and its free clusters, as its allocation table says.
    qint64 clusterBytes() const;
    qint64 freeClusters() const;

    // A copy of the image in another format made with qemu-img ("vpc" fixed, "qcow2"); its path.
    QString convertedTo(const QString& format) const;

private:
    QStringList mtoolsArguments(const QString& volumePath) const;

    QTemporaryDir m_dir;
    QString m_path;
    qint64 m_offset = 0;
};

// The run of a program with arguments; its exit code (-1 when it could not start) and output.
struct ToolRun {
    int exitCode = -1;
    QByteArray output;
};
ToolRun runTool(const QString& program, const QStringList& arguments, const QByteArray& input = {});
