#include "testimage.h"

#include "app/defaultmachine.h"
#include "diskimage/fatvolume.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>
#include <stdexcept>

namespace
{

constexpr qint64 SectorBytes = 512;
constexpr qint64 PartitionStart = 63;

QString toolPath(const QString& name)
{
    const QString inPath = QStandardPaths::findExecutable(name);
    return inPath.isEmpty()
        ? QStandardPaths::findExecutable(name, { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") })
        : inPath;
}

void mustRun(const QString& program, const QStringList& arguments)
{
    const ToolRun run = runTool(program, arguments);
    if (run.exitCode != 0)
        throw std::runtime_error((program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '))
            + QStringLiteral(": ") + QString::fromUtf8(run.output))
                                     .toStdString());
}

QByteArray mbrWithOnePartition(quint8 type, qint64 sectors)
{
    QByteArray mbr(SectorBytes, '\0');
    char* entry = mbr.data() + 446;
    entry[0] = char(0x80);
    entry[4] = char(type);
    qToLittleEndian<quint32>(quint32(PartitionStart), entry + 8);
    qToLittleEndian<quint32>(quint32(sectors - PartitionStart), entry + 12);
    mbr[510] = char(0x55);
    mbr[511] = char(0xAA);
    return mbr;
}

} // namespace

ToolRun runTool(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MTOOLS_NO_VFAT"), QStringLiteral("0"));
    environment.insert(QStringLiteral("MTOOLS_SKIP_CHECK"), QStringLiteral("1"));
    environment.insert(QStringLiteral("MTOOLSRC"), QStringLiteral("/dev/null"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString found = toolPath(program);
    process.start(found.isEmpty() ? program : found, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60'000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAll() };
}

bool TestImage::toolsAvailable()
{
    return !toolPath(QStringLiteral("mkfs.fat")).isEmpty() && !toolPath(QStringLiteral("mcopy")).isEmpty()
        && !toolPath(QStringLiteral("fsck.fat")).isEmpty();
}

bool TestImage::qemuImgAvailable()
{
    return !toolPath(QStringLiteral("qemu-img")).isEmpty();
}

QByteArray TestImage::msdosSys()
{
    return defaultMsdosSys();
}

TestImage::TestImage(Layout layout, int megabytes)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder for the test image");
    m_path = m_dir.filePath(QStringLiteral("win98.img"));
    const qint64 sectors = qint64(megabytes) * 1024 * 1024 / SectorBytes;
    QFile image(m_path);
    if (!image.open(QIODevice::WriteOnly) || !image.resize(sectors * SectorBytes))
        throw std::runtime_error("cannot make the test image");
    const bool bare = layout == Layout::BareFat16;
    if (!bare) {
        image.write(mbrWithOnePartition(layout == Layout::Fat32 ? 0x0C
                : layout == Layout::Fat12                       ? 0x01
                                                                : 0x06,
            sectors));
        m_offset = PartitionStart * SectorBytes;
    }
    image.close();
    const qint64 volumeKiB = (sectors - (bare ? 0 : PartitionStart)) / 2;
    const QString bits = layout == Layout::Fat32 ? QStringLiteral("32")
        : layout == Layout::Fat12                ? QStringLiteral("12")
                                                 : QStringLiteral("16");
    QStringList format { QStringLiteral("-F"), bits, QStringLiteral("-n"), QStringLiteral("WIN98") };
    if (layout == Layout::Fat32)
        format += { QStringLiteral("-s"), QStringLiteral("1") };
    if (!bare)
        format += { QStringLiteral("--offset"), QString::number(PartitionStart) };
    mustRun(QStringLiteral("mkfs.fat"), format + QStringList { m_path, QString::number(volumeKiB) });

    makeFolder(QStringLiteral("WINDOWS"));
    makeFolder(QStringLiteral("WINDOWS/TEMP"));
    makeFolder(QStringLiteral("Program Files"));
    put(QStringLiteral("MSDOS.SYS"), msdosSys());
    put(QStringLiteral("IO.SYS"), QByteArray(4096, 'i'));
    const QStringList hiddenSystem { QStringLiteral("+r"), QStringLiteral("+h"), QStringLiteral("+s") };
    attrib(hiddenSystem, QStringLiteral("MSDOS.SYS"));
    attrib(hiddenSystem, QStringLiteral("IO.SYS"));
}

TestImage::TestImage(const QString& rawPath, qint64 offset)
    : m_path(rawPath)
    , m_offset(offset)
{
}

QStringList TestImage::mtoolsArguments(const QString& volumePath) const
{
    return { QStringLiteral("-i"), m_path + QStringLiteral("@@") + QString::number(m_offset),
        QStringLiteral("::/") + volumePath };
}

void TestImage::put(const QString& volumePath, const QByteArray& bytes) const
{
    QTemporaryFile source;
    if (!source.open() || source.write(bytes) != bytes.size() || !source.flush())
        throw std::runtime_error("cannot write a temporary file");
    QStringList arguments = mtoolsArguments(volumePath);
    arguments.insert(2, source.fileName());
    mustRun(QStringLiteral("mcopy"), QStringList { QStringLiteral("-o") } + arguments);
}

QByteArray TestImage::get(const QString& volumePath) const
{
    QTemporaryFile target;
    target.open();
    const ToolRun run = runTool(QStringLiteral("mcopy"),
        QStringList { QStringLiteral("-n") } + mtoolsArguments(volumePath)
            + QStringList { target.fileName() });
    return run.exitCode == 0 ? target.readAll() : QByteArray();
}

void TestImage::makeFolder(const QString& volumePath) const
{
    mustRun(QStringLiteral("mmd"), mtoolsArguments(volumePath));
}

void TestImage::attrib(const QStringList& flags, const QString& volumePath) const
{
    const QStringList target = mtoolsArguments(volumePath);
    mustRun(QStringLiteral("mattrib"), target.mid(0, 2) + flags + target.mid(2));
}

QString TestImage::attributesOf(const QString& volumePath) const
{
    const ToolRun run = runTool(QStringLiteral("mattrib"), mtoolsArguments(volumePath));
    return QString::fromUtf8(run.output.left(run.output.indexOf(':'))).simplified();
}

QByteArray TestImage::bytes() const
{
    QFile file(m_path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString TestImage::fsckProblems() const
{
    QTemporaryFile partition;
    partition.open();
    partition.write(bytes().mid(m_offset));
    partition.flush();
    const ToolRun run = runTool(QStringLiteral("fsck.fat"), { QStringLiteral("-n"), partition.fileName() });
    return run.exitCode == 0 ? QString() : QString::fromUtf8(run.output);
}

namespace
{

diskimage::FatVolume volumeOf(const QByteArray& image, qint64 offset)
{
    return diskimage::FatVolume(
        [image](qint64 at, qint64 size) { return image.mid(at, size); }, offset, image.size() - offset);
}

} // namespace

qint64 TestImage::clusterBytes() const
{
    return volumeOf(bytes(), m_offset).clusterBytes();
}

qint64 TestImage::freeClusters() const
{
    const diskimage::FatVolume volume = volumeOf(bytes(), m_offset);
    return volume.freeBytes() / volume.clusterBytes();
}

QString TestImage::convertedTo(const QString& format) const
{
    const QString target = m_path + QLatin1Char('.') + format;
    QStringList arguments { QStringLiteral("convert"), QStringLiteral("-f"), QStringLiteral("raw"),
        QStringLiteral("-O"), format };
    if (format == QLatin1String("vpc"))
        arguments += { QStringLiteral("-o"), QStringLiteral("subformat=fixed,force_size=on") };
    mustRun(QStringLiteral("qemu-img"), arguments + QStringList { m_path, target });
    return target;
}
