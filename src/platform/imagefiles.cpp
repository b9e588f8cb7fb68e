#include "imagefiles.h"

#include "fileerror.h"
#include "files.h"
#include "winpath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace platform
{

namespace
{

constexpr int KeptAttributes = vbReadOnly | vbHidden | vbSystem | vbArchive;

std::optional<FatEntry> entryAt(const ImageLocation& at)
{
    return at.drive->find(at.parts);
}

bool parentIsFolder(const ImageLocation& at)
{
    const std::optional<FatEntry> parent = at.drive->find(at.folder());
    return parent && parent->isFolder();
}

// 53 for a missing file in an existing folder, 76 when the folder on the way is missing too.
[[noreturn]] void missing(const ImageLocation& at)
{
    throw FileError::withPath(parentIsFolder(at) ? FileNotFound : PathNotFound, at.path);
}

FatEntry existingEntry(const ImageLocation& at)
{
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry)
        missing(at);
    return *entry;
}

// Names mtools would take for a pattern cannot be written safely; FAT itself refuses the rest.
void checkName(const ImageLocation& at)
{
    const QString name = at.name();
    if (!isValidName(name) || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']'))
        || name.size() > 255)
        throw FileError::withPath(BadFileName, at.path);
}

void refuseRoot(const ImageLocation& at)
{
    if (at.parts.isEmpty())
        throw FileError::withPath(PathFileAccessError, at.path);
}

QString volumePath(const ImageLocation& at)
{
    return Mtools::volumePath(at.parts);
}

QString attributeArgument(int attributes, int bit, char letter)
{
    return QString(QLatin1Char(attributes & bit ? '+' : '-')) + QLatin1Char(letter);
}

} // namespace

void imageKill(const ImageLocation& at)
{
    const FatEntry entry = existingEntry(at);
    if (entry.isFolder() || entry.attributes & (vbHidden | vbSystem))
        throw FileError::withPath(FileNotFound, at.path);
    // mtools would delete a read-only file; Windows does not.
    if (entry.attributes & vbReadOnly)
        throw FileError::withPath(PathFileAccessError, at.path);
    at.drive->change(QStringLiteral("mdel"), { volumePath(at) });
}

void imageMkDir(const ImageLocation& at)
{
    refuseRoot(at);
    if (!parentIsFolder(at))
        throw FileError::withPath(PathNotFound, at.path);
    if (entryAt(at))
        throw FileError::withPath(PathFileAccessError, at.path);
    checkName(at);
    at.drive->change(QStringLiteral("mmd"), { volumePath(at) });
}

void imageRmDir(const ImageLocation& at)
{
    refuseRoot(at);
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry || !entry->isFolder())
        throw FileError::withPath(PathNotFound, at.path);
    if (!at.drive->volume().listFolder(at.parts).value_or(QList<FatEntry>()).isEmpty())
        throw FileError::withPath(PathFileAccessError, at.path);
    at.drive->change(QStringLiteral("mrd"), { volumePath(at) });
}

void imageRename(const ImageLocation& from, const ImageLocation& to)
{
    const FatEntry entry = existingEntry(from);
    if (from.parts.isEmpty() || to.parts.isEmpty())
        throw FileError::withPath(PathFileAccessError, to.path);
    if (!parentIsFolder(to))
        throw FileError::withPath(PathNotFound, to.path);
    checkName(to);
    const std::optional<FatEntry> existing = entryAt(to);
    const bool sameEntry = existing && from.folder() == to.folder() && existing->shortName == entry.shortName;
    if (existing && !sameEntry)
        throw FileError::withPath(FileAlreadyExists, to.path);
    if (entry.isFolder() && to.parts.mid(0, from.parts.size()) == from.parts)
        throw FileError::withPath(PathFileAccessError, from.path); // a folder into itself
    const QStringList clash { QStringLiteral("-D"), QStringLiteral("o") };
    if (sameEntry) {
        // Only the case changes: mtools would see the new name as taken, so go round another name.
        const QString step = QStringLiteral("~BC%1.TMP")
                                 .arg(qHash(entry.shortName) & 0xFFFFF, 5, 16, QLatin1Char('0'))
                                 .toUpper();
        from.drive->change(QStringLiteral("mren"), clash + QStringList { volumePath(from), step });
        from.drive->change(QStringLiteral("mren"),
            clash + QStringList { Mtools::volumePath(from.folder() + QStringList(step)), to.name() });
        return;
    }
    if (from.folder() == to.folder())
        from.drive->change(QStringLiteral("mren"), clash + QStringList { volumePath(from), to.name() });
    else
        from.drive->change(QStringLiteral("mmove"), clash + QStringList { volumePath(from), volumePath(to) });
}

int imageGetAttr(const ImageLocation& at)
{
    const FatEntry entry = existingEntry(at);
    // Folders never report read-only, as on the host.
    return entry.isFolder() ? (entry.attributes & (vbHidden | vbSystem | vbArchive)) | vbDirectory
                            : entry.attributes & KeptAttributes;
}

void imageSetAttr(const ImageLocation& at, int attributes)
{
    const FatEntry entry = existingEntry(at);
    if (at.parts.isEmpty())
        return;
    if (entry.isFolder())
        attributes &= ~vbReadOnly;
    at.drive->change(QStringLiteral("mattrib"),
        { attributeArgument(attributes, vbReadOnly, 'r'), attributeArgument(attributes, vbHidden, 'h'),
            attributeArgument(attributes, vbSystem, 's'), attributeArgument(attributes, vbArchive, 'a'),
            volumePath(at) });
}

int imageEntryAttributes(const ImageLocation& at)
{
    try {
        const std::optional<FatEntry> entry = entryAt(at);
        if (!entry)
            return -1;
        return (entry->attributes & KeptAttributes) | (entry->isFolder() ? vbDirectory : 0);
    } catch (const std::exception&) {
        return -1;
    }
}

QByteArray imageReadFile(const ImageLocation& at, qint64 maxBytes)
{
    const FatEntry entry = existingEntry(at);
    if (entry.isFolder() || entry.size > maxBytes)
        throw FileError::withPath(PathFileAccessError, at.path);
    return at.drive->read(entry, maxBytes);
}

void imageWriteFile(const ImageLocation& at, const QByteArray& data, std::optional<int> attributes)
{
    refuseRoot(at);
    if (!parentIsFolder(at))
        throw FileError::withPath(PathNotFound, at.path);
    const std::optional<FatEntry> existing = entryAt(at);
    if (existing && existing->isFolder())
        throw FileError::withPath(PathFileAccessError, at.path);
    if (!existing)
        checkName(at);
    const int kept = attributes.value_or(existing ? existing->attributes & KeptAttributes : vbArchive);
    // The entry keeps its name as it is on the disk, so no second entry differing in case appears.
    at.drive->replace(at.folder(), existing ? existing->name : at.name(), data, kept);
}

void imageRemoveTree(const ImageLocation& at)
{
    refuseRoot(at);
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry || !entry->isFolder())
        throw FileError::withPath(PathNotFound, at.path);
    at.drive->change(QStringLiteral("mdeltree"), { volumePath(at) });
}

bool imageCreateFile(const ImageLocation& at)
{
    if (entryAt(at))
        return false;
    imageWriteFile(at, {});
    return true;
}

QList<ListedEntry> imageListing(const ImageLocation& folder)
{
    const auto entries = folder.drive->volume().listFolder(folder.parts);
    if (!entries)
        throw FileError::withPath(PathNotFound, folder.path);
    QList<ListedEntry> listed;
    listed.reserve(entries->size());
    for (const FatEntry& entry : *entries)
        listed.append({ entry.name, entry.isFolder(), entry.attributes & (vbHidden | vbSystem) });
    return listed;
}

void copyThroughMemory(const QString& source, const QString& target)
{
    const int attributes = GetAttr(source);
    if (attributes & vbDirectory)
        throw FileError::withPath(PathFileAccessError, source);
    const QByteArray data = readFile(source, MaxCopyThroughMemoryBytes);
    if (fileExists(target) && GetAttr(target) & (vbReadOnly | vbHidden))
        throw FileError::withPath(PathFileAccessError, target); // as CopyFile refuses
    if (const auto to = imageLocationOf(target)) {
        imageWriteFile(*to, data, attributes & KeptAttributes);
        return;
    }
    writeFileAtomically(target, data);
    SetAttr(target, attributes & KeptAttributes);
}

QString imageHostCopy(const ImageLocation& at)
{
    static QTemporaryDir cache(QDir::tempPath() + QStringLiteral("/bootcanvas-copies-XXXXXX"));
    const QByteArray key = QCryptographicHash::hash(
        (at.drive->imagePath() + QLatin1Char('|') + at.parts.join(QLatin1Char('\\')).toLower()).toUtf8(),
        QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    const QString folder = cache.filePath(QString::fromLatin1(key));
    const QString copy
        = folder + QLatin1Char('/') + (at.name().isEmpty() ? QStringLiteral("root") : at.name());
    QFile::remove(copy);
    try {
        const std::optional<FatEntry> entry = entryAt(at);
        if (!entry || entry->isFolder())
            return copy;
        const QByteArray data = at.drive->read(*entry, MaxCopyThroughMemoryBytes);
        QDir().mkpath(folder);
        writeHostFileAtomically(copy, data);
    } catch (const std::exception&) {
        QFile::remove(copy);
    }
    return copy;
}

} // namespace platform
