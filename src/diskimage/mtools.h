#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Runs the mtools programs on one FAT volume inside an image file. Each tool gets an argument
// vector (never a shell), no terminal, long names switched on, and the image through a private link
// of a plain name, so an image path holding "@@" or odd characters still works.
namespace diskimage
{

class Mtools
{
public:
    Mtools(const QString& imagePath, qint64 offset);

    // Whether mcopy can be found; image drives are read without it, but not written.
    static bool installed();
    // The volume path of a folder or file inside the image: "::/WINDOWS/LOGOW.SYS".
    static QString volumePath(const QStringList& parts);

    // Runs `tool` (mcopy, mren, mmove, mdel, mmd, mrd, mattrib, mdeltree) with `arguments` placed
    // after its "-i IMAGE". A tool that fails, or is ended by a signal, throws FileError 75 with
    // the tool's own words.
    QByteArray run(const QString& tool, const QStringList& arguments) const;

private:
    QString m_target; // "LINK@@OFFSET"
    std::shared_ptr<QTemporaryDir> m_folder;
};

} // namespace diskimage
