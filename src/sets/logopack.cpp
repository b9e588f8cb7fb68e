#include "sets/logopack.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <memory>
#include <sys/stat.h>
#include <zip.h>

namespace packs
{

namespace
{

const QStringList ScreenNames
    = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };

using Archive = std::unique_ptr<zip_t, void (*)(zip_t*)>;
using Entry = std::unique_ptr<zip_file_t, int (*)(zip_file_t*)>;

// Whether a stored name stays inside the pack: no absolute path, drive or parent step, whichever
// separator the packer used.
bool staysInside(const QString& name)
{
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\'))
        || (name.size() > 1 && name.at(1) == QLatin1Char(':')))
        return false;
    const QStringList parts
        = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

bool isLink(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Why one entry cannot be unpacked, or empty.
QString entryProblem(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat, qint64& unpacked)
{
    const QString name = QString::fromUtf8(stat.name);
    if (!staysInside(name))
        return QCoreApplication::translate("LogoPack", "%1 would be written outside the logo folder")
            .arg(name);
    if (isLink(archive, index))
        return QCoreApplication::translate("LogoPack", "%1 is a link").arg(name);
    unpacked += qint64(stat.size);
    if (unpacked > MaxUnpackedBytes)
        return QCoreApplication::translate("LogoPack", "it unpacks to more than the limit of %1 MiB")
            .arg(MaxUnpackedBytes / (1024 * 1024));
    if (stat.size > zip_uint64_t(RatioCheckedFrom)
        && stat.size > zip_uint64_t(MaxRatio) * std::max<zip_uint64_t>(stat.comp_size, 1))
        return QCoreApplication::translate("LogoPack", "%1 is packed more than %2 to 1, as no picture is")
            .arg(name)
            .arg(MaxRatio);
    return {};
}

// The set and screen an entry stands for; an empty screen name for files that are not screens.
std::pair<QString, QString> placeOf(const QString& storedName, const QString& packName)
{
    QStringList parts
        = QString(storedName).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    const QString file = parts.takeLast().toUpper();
    if (!ScreenNames.contains(file))
        return {};
    return { parts.isEmpty() ? packName : parts.last(), file };
}

bool readEntry(zip_t* archive, zip_uint64_t index, qint64 size, QByteArray& bytes)
{
    Entry entry(zip_fopen_index(archive, index, 0), zip_fclose);
    if (!entry)
        return false;
    // One byte more than declared shows an entry that lies about its size.
    bytes.resize(size + 1);
    const zip_int64_t read = zip_fread(entry.get(), bytes.data(), zip_uint64_t(bytes.size()));
    if (read != size)
        return false;
    bytes.resize(size);
    return true;
}

void addScreen(QList<PackSet>& sets, const QString& set, PackScreen screen)
{
    for (PackSet& existing : sets)
        if (existing.name.compare(set, Qt::CaseInsensitive) == 0) {
            existing.screens.append(std::move(screen));
            return;
        }
    sets.append({ set, { std::move(screen) } });
}

PackContents refused(const QString& why)
{
    PackContents contents;
    contents.problem = why;
    return contents;
}

} // namespace

PackContents readLogoPack(const QByteArray& bytes, const QString& packName)
{
    if (bytes.size() > MaxPackBytes)
        return refused(QCoreApplication::translate("LogoPack", "the pack is larger than the limit of %1 MiB")
                           .arg(MaxPackBytes / (1024 * 1024)));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* opened = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!opened) {
        if (source)
            zip_source_free(source);
        return refused(QCoreApplication::translate("LogoPack", "not a ZIP archive, or a damaged one"));
    }
    const Archive archive(opened, zip_discard);
    const zip_int64_t count = zip_get_num_entries(opened, 0);
    if (count > MaxEntries)
        return refused(QCoreApplication::translate("LogoPack", "it holds more than the limit of %1 entries")
                           .arg(MaxEntries));
    qint64 unpacked = 0;
    QList<std::pair<zip_uint64_t, zip_stat_t>> screens;
    for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(opened, i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)
            || !(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_COMP_SIZE))
            return refused(QCoreApplication::translate("LogoPack", "a damaged ZIP archive"));
        if (const QString problem = entryProblem(opened, i, stat, unpacked); !problem.isEmpty())
            return refused(problem);
        screens.append({ i, stat });
    }
    PackContents contents;
    for (const auto& [index, stat] : screens) {
        const auto [set, file] = placeOf(QString::fromUtf8(stat.name), packName);
        if (file.isEmpty())
            continue;
        PackScreen screen { file, {} };
        if (!readEntry(opened, index, qint64(stat.size), screen.bytes))
            return refused(QCoreApplication::translate("LogoPack", "%1 cannot be unpacked")
                               .arg(QString::fromUtf8(stat.name)));
        addScreen(contents.sets, set, std::move(screen));
    }
    if (contents.sets.isEmpty())
        return refused(QCoreApplication::translate(
            "LogoPack", "it holds no logo screens (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)"));
    return contents;
}

bool writeLogoPack(const QString& hostPath, const QList<PackSet>& sets, QString& problem)
{
    int error = 0;
    zip_t* opened = zip_open(QFile::encodeName(hostPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!opened) {
        problem = QCoreApplication::translate("LogoPack", "cannot be written");
        return false;
    }
    Archive archive(opened, zip_discard);
    for (const PackSet& set : sets) {
        zip_dir_add(opened, (set.name + QLatin1Char('/')).toUtf8().constData(), ZIP_FL_ENC_UTF_8);
        for (const PackScreen& screen : set.screens) {
            // The buffers live until zip_close below, which reads them.
            zip_source_t* source
                = zip_source_buffer(opened, screen.bytes.constData(), zip_uint64_t(screen.bytes.size()), 0);
            const QByteArray name = (set.name + QLatin1Char('/') + screen.fileName).toUtf8();
            if (!source || zip_file_add(opened, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
                if (source)
                    zip_source_free(source);
                problem = QCoreApplication::translate("LogoPack", "cannot be written");
                return false;
            }
        }
    }
    // libzip writes a temporary file beside the archive and renames it at the close.
    if (zip_close(archive.release()) != 0) {
        problem = QString::fromUtf8(zip_strerror(opened));
        zip_discard(opened);
        return false;
    }
    return true;
}

} // namespace packs
