// bootcanvas-cli --image run as real processes: waiting for another machine's writer, refused while
// QEMU holds the image, and faced with an image its repair cannot clean.
#include "climachine.h"
#include "support/testimage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/file.h>

namespace
{

// The process ids whose parent is `parent` and whose program name is `name`.
QList<qint64> childrenNamed(qint64 parent, const QString& name)
{
    QList<qint64> found;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.toLongLong() <= 0)
            continue;
        const QString stat = QString::fromLatin1(bytesOf(QStringLiteral("/proc/%1/stat").arg(entry)));
        // "pid (comm) state ppid ...": the name may hold spaces, so split after the last ')'.
        const qsizetype close = stat.lastIndexOf(u')');
        if (close < 0)
            continue;
        const QString comm = stat.mid(stat.indexOf(u'(') + 1, close - stat.indexOf(u'(') - 1);
        const QStringList rest = stat.mid(close + 2).split(u' ');
        if (rest.size() > 1 && rest[1].toLongLong() == parent && name.startsWith(comm))
            found.append(entry.toLongLong());
    }
    return found;
}

bool processRuns(qint64 pid)
{
    const QByteArray stat = bytesOf(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.isEmpty() && !stat.contains(") Z ");
}

class CliImage : public CliMachine
{
protected:
    void SetUp() override
    {
        CliMachine::SetUp();
        if (IsSkipped())
            return;
        if (!TestImage::toolsAvailable())
            GTEST_SKIP() << "mkfs.fat, mtools or fsck.fat is missing (Debian packages dosfstools, mtools)";
        useOwnRuntimeFolder();
        // The default machine holds the library the image's machine installs from.
        ASSERT_EQ(run({ QStringLiteral("current") }).exitCode, 0);
    }

    bool holdsSet(const TestImage& image, const QString& set) const
    {
        return CliMachine::holdsSet(set, [&](const QString& screen) { return image.get(screen); });
    }
};

} // namespace

// The screens are replaced one after the other when room is short, each old one freed before the
// next new one needs its clusters: room for that peak is enough, one cluster less is refused in
// one line that names the image, with the image untouched and nothing said to be installed.
class CliImageRoom : public CliImage, public ::testing::WithParamInterface<TestImage::Layout>
{
protected:
    // The most clusters the replacement of `from`'s screens by `to`'s takes at once.
    qint64 replacementPeak(const TestImage& image, const QString& from, const QString& to) const
    {
        const auto clusters
            = [&](qint64 bytes) { return (bytes + image.clusterBytes() - 1) / image.clusterBytes(); };
        qint64 peak = 0, taken = 0;
        for (const QString& screen : InstalledScreens) {
            const qint64 added = clusters(screenOf(to, screen).size());
            peak = qMax(peak, taken + added);
            taken += added - clusters(screenOf(from, screen).size());
        }
        return peak;
    }
    // Leaves `free` clusters free, with a filler file of the user's.
    static void leaveFree(const TestImage& image, qint64 free)
    {
        const qint64 filler = image.get(QStringLiteral("FILLER.BIN")).size() / image.clusterBytes();
        image.put(QStringLiteral("FILLER.BIN"),
            QByteArray((image.freeClusters() + filler - free) * image.clusterBytes(), 'f'));
        ASSERT_EQ(image.freeClusters(), free);
    }
};

TEST_P(CliImageRoom, RoomForTheReplacementIsEnoughAndOneClusterLessIsRefusedWhole)
{
    TestImage image(GetParam(), 40);
    const QString old = QStringLiteral("Deep Ocean"), wanted = QStringLiteral("Meadow.sls");
    ASSERT_EQ(run({ QStringLiteral("install"), old }, image.path()).exitCode, 0);
    const qint64 peak = replacementPeak(image, old, wanted);

    leaveFree(image, peak - 1);
    const QByteArray before = image.bytes();
    const CliRun refused = run({ QStringLiteral("install"), wanted }, image.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errors.trimmed().count(u'\n'), 0) << qPrintable(refused.errors);
    EXPECT_TRUE(refused.errors.contains(image.path()) && refused.errors.contains(QStringLiteral("missing")))
        << qPrintable(refused.errors);
    EXPECT_FALSE(refused.output.contains(QStringLiteral("Installed"))) << qPrintable(refused.output);
    EXPECT_EQ(image.bytes(), before);
    EXPECT_EQ(installedSet(image.path()), old);

    leaveFree(image, peak);
    const CliRun installed = run({ QStringLiteral("install"), wanted }, image.path());
    EXPECT_EQ(installed.exitCode, 0) << qPrintable(installed.errors);
    EXPECT_TRUE(installed.output.contains(QStringLiteral("Installed"))) << qPrintable(installed.output);
    EXPECT_TRUE(holdsSet(image, wanted));
    EXPECT_EQ(installedSet(image.path()), wanted);
    EXPECT_EQ(image.fsckProblems(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CliImageRoom, ::testing::Values(TestImage::Layout::Fat16, TestImage::Layout::Fat32));

TEST_F(CliImage, AnInstallWaitsWhileAnotherMachineHoldsTheImage)
{
    TestImage image(TestImage::Layout::Fat16, 20);
    ASSERT_EQ(run({ QStringLiteral("current") }, image.path()).exitCode, 0);
    const QByteArray before = image.bytes();
    // Another machine's writer, as a lock on the image file rather than on our machine folder.
    QFile held(image.path());
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_EX), 0);

    const auto install = start({ QStringLiteral("install"), QStringLiteral("Deep Ocean") }, image.path());
    EXPECT_FALSE(install->waitForFinished(1500)) << "the install did not wait for the image";
    EXPECT_EQ(image.bytes(), before);
    held.close();
    ASSERT_TRUE(install->waitForFinished(30000));
    EXPECT_EQ(install->exitCode(), 0) << install->readAllStandardError().toStdString();
    EXPECT_TRUE(holdsSet(image, QStringLiteral("Deep Ocean")));
}

TEST_F(CliImage, RepairThatCannotCleanTheImageFailsAndLeavesItAsItWas)
{
    TestImage image(TestImage::Layout::BareFat16, 20);
    ASSERT_EQ(run({ QStringLiteral("current") }, image.path()).exitCode, 0);
    // A third copy of the allocation table, a valid volume that fsck.fat refuses whatever it is
    // asked to do. The copy is inserted, so every folder and file stays where the volume says.
    QByteArray volume = image.bytes();
    const auto field16 = [&](int offset) { return quint8(volume[offset]) | quint8(volume[offset + 1]) << 8; };
    const qsizetype fatStart = qsizetype(field16(14)) * 512;
    const qsizetype fatBytes = qsizetype(field16(22)) * 512;
    ASSERT_NE(field16(19), 0) << "the test volume is expected to give its size in 16 bits";
    const int sectors = field16(19) + field16(22);
    volume[16] = 3;
    volume[19] = char(sectors & 0xFF);
    volume[20] = char(sectors >> 8);
    volume.insert(fatStart + 2 * fatBytes, volume.mid(fatStart, fatBytes));
    QFile file(image.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(volume);
    file.close();
    const QByteArray before = image.bytes();

    const CliRun repair = run({ QStringLiteral("repair") }, image.path());
    EXPECT_EQ(repair.exitCode, 1) << qPrintable(repair.errors);
    EXPECT_TRUE(repair.errors.contains(QStringLiteral("could not repair"))) << qPrintable(repair.errors);
    EXPECT_EQ(image.bytes(), before);
}

// The qcow2 tests need QEMU's tools and FUSE, which a container may lack.
class CliQcow2 : public CliImage
{
protected:
    void SetUp() override
    {
        CliImage::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        if (!TestImage::qemuImgAvailable())
            GTEST_SKIP() << "qemu-img is missing (Debian package qemu-utils)";
        raw.put(QStringLiteral("LOGO.SYS"), "the user's own startup screen");
        qcow2 = raw.convertedTo(QStringLiteral("qcow2"));
        const CliRun opened = run({ QStringLiteral("current") }, qcow2);
        if (opened.exitCode != 0)
            GTEST_SKIP() << "qcow2 images cannot be opened here: " << qPrintable(opened.errors);
    }

    TestImage raw { TestImage::Layout::Fat16, 20 };
    QString qcow2;
};

TEST_F(CliQcow2, AnImageQemuHoldsIsRefusedAsInUseAndLeftAlone)
{
    const QString socket = home.filePath(QStringLiteral("nbd.sock"));
    QProcess holder;
    holder.start(QStringLiteral("qemu-storage-daemon"),
        { QStringLiteral("--blockdev"), QStringLiteral("driver=file,node-name=file,filename=") + qcow2,
            QStringLiteral("--blockdev"), QStringLiteral("driver=qcow2,node-name=disk,file=file"),
            QStringLiteral("--nbd-server"), QStringLiteral("addr.type=unix,addr.path=") + socket,
            QStringLiteral("--export"), QStringLiteral("type=nbd,id=held,node-name=disk,writable=on") });
    ASSERT_TRUE(holder.waitForStarted());
    for (int wait = 0; wait < 100 && !QFileInfo::exists(socket); ++wait)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(socket)) << holder.readAllStandardError().toStdString();
    const QByteArray before = bytesOf(qcow2);

    const CliRun install = run({ QStringLiteral("install"), QStringLiteral("Deep Ocean") }, qcow2);
    holder.terminate();
    holder.waitForFinished(5000);
    EXPECT_EQ(install.exitCode, 1);
    EXPECT_TRUE(install.errors.contains(QStringLiteral("is in use"))) << qPrintable(install.errors);
    EXPECT_EQ(bytesOf(qcow2), before);
}

TEST_F(CliQcow2, AKilledInstallLeavesNoExportBehindAndTheNextCommandWorks)
{
    const auto install = start({ QStringLiteral("install"), QStringLiteral("Deep Ocean") }, qcow2);
    QList<qint64> daemons;
    for (int wait = 0; wait < 400 && daemons.isEmpty(); ++wait) {
        daemons = childrenNamed(install->processId(), QStringLiteral("qemu-storage-daemon"));
        QThread::msleep(5);
    }
    ASSERT_FALSE(daemons.isEmpty()) << "the install started no qemu-storage-daemon";
    install->kill();
    install->waitForFinished(10000);

    bool daemonEnded = false;
    for (int wait = 0; wait < 100 && !daemonEnded; ++wait) {
        daemonEnded = !processRuns(daemons.first());
        QThread::msleep(50);
    }
    EXPECT_TRUE(daemonEnded) << "qemu-storage-daemon " << daemons.first() << " outlived its command";

    const CliRun next = run({ QStringLiteral("install"), QStringLiteral("Meadow.sls") }, qcow2);
    EXPECT_EQ(next.exitCode, 0) << qPrintable(next.errors);
    EXPECT_EQ(installedSet(qcow2), QStringLiteral("Meadow.sls"));
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("run/bootcanvas")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                    .isEmpty())
        << "a command's folders were left in the runtime folder";
}
