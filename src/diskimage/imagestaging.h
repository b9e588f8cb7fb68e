#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Replacements waiting to be written into a disk image: each file's bytes in a private host
// folder under the temporary name it gets inside the image, so that one mcopy takes every file
// bound for the same folder of the image.
namespace diskimage
{

struct StagedFile {
    QStringList folder; // below the drive's root
    QString name; // the entry it replaces
    QString temporary; // its name inside the image until it is renamed over `name`
    QByteArray data;
    int attributes = 0;
};

class ReplacementStage
{
public:
    // Writes the file's bytes to the host; FileError when they cannot be.
    void add(const StagedFile& file);
    bool isEmpty() const { return m_files.isEmpty(); }
    const QList<StagedFile>& files() const { return m_files; }
    // Whether finding `parts` could see what a staged file will change: the entry it replaces, or
    // a short alias in its folder that may stand for it.
    bool touches(const QStringList& parts) const;
    bool holdsTemporary(const QString& temporary) const;
    // Removes and returns every staged file, in the order they were added.
    QList<StagedFile> takeAll();
    // A host folder called `name` holding each of `files` under the name it replaces, for one
    // recursive copy into the image; FileError when it cannot be made.
    QString folderOf(const QString& name, const QList<StagedFile>& files) const;
    QString hostPath(const StagedFile& file) const;
    // Removes the host copies of files that have been written or given up.
    void release(const QList<StagedFile>& files) const;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QList<StagedFile> m_files;
};

// Bytes of whole clusters that `size` bytes take.
qint64 clusterRounded(qint64 size, qint64 clusterBytes);

} // namespace diskimage
