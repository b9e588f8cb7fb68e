#include "imagefiles.h"

#include "imagetrash.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/windowspath.h"
#include "tempfolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace diskimage
{

using namespace platform;

namespace
{

constexpr int KeptAttributes = vbReadOnly | vbHidden | vbSystem | vbArchive;

// Names mtools would take for a pattern cannot be written safely; FAT itself refuses the rest.
void checkName(const DriveLocation& at)
{
    const QString name = at.name();
    if (!isValidName(name) || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']'))
        || name.size() > 255)
        throw FileError::withPath(BadFileName, at.path);
}

void refuseRoot(const DriveLocation& at)
{
    if (at.parts.isEmpty())
        throw FileError::withPath(PathFileAccessError, at.path);
}

QString volumePath(const DriveLocation& at)
{
    return Mtools::volumePath(at.parts);
}

QString attributeArgument(int attributes, int bit, char letter)
{
    return QString(QLatin1Char(attributes & bit ? '+' : '-')) + QLatin1Char(letter);
}

} // namespace

std::optional<FatEntry> ImageFiles::entryAt(const DriveLocation& at)
{
    return m_drive.find(at.parts);
}

bool ImageFiles::parentIsFolder(const DriveLocation& at)
{
    const std::optional<FatEntry> parent = m_drive.find(at.folder());
    return parent && parent->isFolder();
}

// 53 for a missing file in an existing folder, 76 when the folder on the way is missing too.
void ImageFiles::missing(const DriveLocation& at)
{
    throw FileError::withPath(parentIsFolder(at) ? FileNotFound : PathNotFound, at.path);
}

FatEntry ImageFiles::existingEntry(const DriveLocation& at)
{
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry)
        missing(at);
    return *entry;
}

void ImageFiles::kill(const DriveLocation& at)
{
    const FatEntry entry = existingEntry(at);
    if (entry.isFolder() || entry.attributes & (vbHidden | vbSystem))
        throw FileError::withPath(FileNotFound, at.path);
    // mtools would delete a read-only file; Windows does not.
    if (entry.attributes & vbReadOnly)
        throw FileError::withPath(PathFileAccessError, at.path);
    m_drive.change(QStringLiteral("mdel"), { volumePath(at) });
}

void ImageFiles::mkDir(const DriveLocation& at)
{
    refuseRoot(at);
    if (!parentIsFolder(at))
        throw FileError::withPath(PathNotFound, at.path);
    if (entryAt(at))
        throw FileError::withPath(PathFileAccessError, at.path);
    checkName(at);
    m_drive.change(QStringLiteral("mmd"), { volumePath(at) });
}

void ImageFiles::rmDir(const DriveLocation& at)
{
    refuseRoot(at);
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry || !entry->isFolder())
        throw FileError::withPath(PathNotFound, at.path);
    if (!m_drive.volume().listFolder(at.parts).value_or(QList<FatEntry>()).isEmpty())
        throw FileError::withPath(PathFileAccessError, at.path);
    m_drive.change(QStringLiteral("mrd"), { volumePath(at) });
}

void ImageFiles::rename(const DriveLocation& from, const DriveLocation& to)
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
        m_drive.change(QStringLiteral("mren"), clash + QStringList { volumePath(from), step });
        m_drive.change(QStringLiteral("mren"),
            clash + QStringList { Mtools::volumePath(from.folder() + QStringList(step)), to.name() });
        return;
    }
    if (from.folder() == to.folder())
        m_drive.change(QStringLiteral("mren"), clash + QStringList { volumePath(from), to.name() });
    else
        m_drive.change(QStringLiteral("mmove"), clash + QStringList { volumePath(from), volumePath(to) });
}

int ImageFiles::getAttr(const DriveLocation& at)
{
    const FatEntry entry = existingEntry(at);
    // Folders never report read-only, as on the host.
    return entry.isFolder() ? (entry.attributes & (vbHidden | vbSystem | vbArchive)) | vbDirectory
                            : entry.attributes & KeptAttributes;
}

void ImageFiles::setAttr(const DriveLocation& at, int attributes)
{
    const FatEntry entry = existingEntry(at);
    if (at.parts.isEmpty())
        return;
    if (entry.isFolder())
        attributes &= ~vbReadOnly;
    if ((entry.attributes & KeptAttributes) == (attributes & KeptAttributes))
        return;
    m_drive.change(QStringLiteral("mattrib"),
        { attributeArgument(attributes, vbReadOnly, 'r'), attributeArgument(attributes, vbHidden, 'h'),
            attributeArgument(attributes, vbSystem, 's'), attributeArgument(attributes, vbArchive, 'a'),
            volumePath(at) });
}

int ImageFiles::entryAttributes(const DriveLocation& at)
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

QByteArray ImageFiles::readFile(const DriveLocation& at, qint64 maxBytes)
{
    const FatEntry entry = existingEntry(at);
    if (entry.isFolder() || entry.size > maxBytes)
        throw FileError::withPath(PathFileAccessError, at.path);
    return m_drive.read(entry, maxBytes);
}

void ImageFiles::checkRoomFor(const QList<PlannedWrite>& files)
{
    QList<PlannedFile> planned;
    for (const PlannedWrite& file : files)
        planned.append({ file.at.folder(), file.at.name(), file.size });
    m_drive.checkRoomFor(planned);
}

void ImageFiles::writeFile(const DriveLocation& at, const QByteArray& data, std::optional<int> attributes)
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
    m_drive.replace(at.folder(), existing ? existing->name : at.name(), data, kept);
}

void ImageFiles::removeTree(const DriveLocation& at)
{
    refuseRoot(at);
    const std::optional<FatEntry> entry = entryAt(at);
    if (!entry || !entry->isFolder())
        throw FileError::withPath(PathNotFound, at.path);
    m_drive.change(QStringLiteral("mdeltree"), { volumePath(at) });
}

bool ImageFiles::createFile(const DriveLocation& at)
{
    if (entryAt(at))
        return false;
    writeFile(at, {}, std::nullopt);
    return true;
}

QList<ListedEntry> ImageFiles::listing(const DriveLocation& folder)
{
    const auto entries = m_drive.volume().listFolder(folder.parts);
    if (!entries)
        throw FileError::withPath(PathNotFound, folder.path);
    QList<ListedEntry> listed;
    listed.reserve(entries->size());
    for (const FatEntry& entry : *entries)
        listed.append({ entry.name, entry.isFolder(), entry.attributes & (vbHidden | vbSystem) });
    return listed;
}

QString ImageFiles::hostCopy(const DriveLocation& at)
{
    static QTemporaryDir cache(privateFolderTemplate(QStringLiteral("copies")));
    const QByteArray key = QCryptographicHash::hash(
        (m_drive.imagePath() + QLatin1Char('|') + at.parts.join(QLatin1Char('\\')).toLower()).toUtf8(),
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
        const QByteArray data = m_drive.read(*entry, MaxCopyThroughMemoryBytes);
        QDir().mkpath(folder);
        writeHostFileAtomically(copy, data);
    } catch (const std::exception&) {
        QFile::remove(copy);
    }
    return copy;
}

bool ImageFiles::moveToTrash(const DriveLocation& at)
{
    return moveImageEntryToTrash(at.path);
}

} // namespace diskimage
