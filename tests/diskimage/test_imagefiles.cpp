#include "diskimage/imagecommand.h"
#include "diskimage/imagedrives.h"
#include "diskimage/imagerepair.h"
#include "diskimage/tempfolders.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"
#include "platform/tempfiles.h"
#include "platform/winpath.h"
#include "support/fileerrornumber.h"
#include "support/imagemachine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace diskimage;
using namespace platform;

namespace
{

const QString Windows = QStringLiteral("C:\\WINDOWS\\");

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

using ImageFiles = ImageMachineTest;

} // namespace

TEST_F(ImageFiles, ReadsLongNamesAttributesAndFilesOfTheImage)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    image->put(QStringLiteral("Program Files/Read Me.txt"), "hello");
    EXPECT_EQ(listSubfolders(QStringLiteral("C:\\")),
        (QStringList { QStringLiteral("Program Files"), QStringLiteral("WINDOWS") }));
    EXPECT_EQ(listFiles(QStringLiteral("C:\\program files"), { QStringLiteral("*.TXT") }),
        QStringList(QStringLiteral("Read Me.txt")));
    EXPECT_EQ(readFile(QStringLiteral("c:\\PROGRA~1\\read me.txt"), 100), "hello");
    EXPECT_EQ(readFile(QStringLiteral("C:\\MSDOS.SYS"), 1 << 20), TestImage::msdosSys());

    // Hidden system files are left out of a plain listing, as a file list box does.
    EXPECT_TRUE(listFiles(QStringLiteral("C:\\"), { QStringLiteral("*.SYS") }).isEmpty());
    EXPECT_EQ(listFiles(QStringLiteral("C:\\"), { QStringLiteral("*.SYS") }, vbHidden | vbSystem).size(), 2);
    EXPECT_EQ(GetAttr(QStringLiteral("C:\\MSDOS.SYS")), vbReadOnly | vbHidden | vbSystem | vbArchive);
    EXPECT_EQ(GetAttr(QStringLiteral("C:\\WINDOWS")) & vbDirectory, vbDirectory);
    EXPECT_FALSE(entryExists(QStringLiteral("C:\\MSDOS.SYS"), vbNormal));
    EXPECT_TRUE(fileExists(QStringLiteral("C:\\msdos.sys")));
    EXPECT_TRUE(folderExists(QStringLiteral("C:\\windows\\temp")));

    EXPECT_EQ(errorNumberOf([] { readFile(QStringLiteral("C:\\WINDOWS\\NONE.SYS"), 10); }), FileNotFound);
    EXPECT_EQ(errorNumberOf([] { readFile(QStringLiteral("C:\\NONE\\NONE.SYS"), 10); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { listFiles(QStringLiteral("C:\\NONE")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { readFile(QStringLiteral("C:\\MSDOS.SYS"), 10); }), PathFileAccessError);
}

TEST_F(ImageFiles, CopiesInOutAndWithinTheImageWithTheSourcesAttributes)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    writeHostFile(QStringLiteral("logow.sys"), QByteArray(130'000, 'w'));
    FileCopy(QStringLiteral("H:\\logow.sys"), Windows + QStringLiteral("LOGOW.SYS"));
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), QByteArray(130'000, 'w'));

    SetAttr(Windows + QStringLiteral("LOGOW.SYS"), vbReadOnly | vbHidden);
    EXPECT_EQ(GetAttr(Windows + QStringLiteral("logow.sys")), vbReadOnly | vbHidden);
    // A read-only or hidden target is refused, as CopyFile refuses it.
    EXPECT_EQ(errorNumberOf(
                  [] { FileCopy(QStringLiteral("H:\\logow.sys"), Windows + QStringLiteral("LOGOW.SYS")); }),
        PathFileAccessError);

    FileCopy(Windows + QStringLiteral("LOGOW.SYS"), Windows + QStringLiteral("Copy of Logow.sys"));
    EXPECT_EQ(GetAttr(Windows + QStringLiteral("COPY OF LOGOW.SYS")), vbReadOnly | vbHidden | vbArchive);
    FileCopy(Windows + QStringLiteral("LOGOW.SYS"), QStringLiteral("H:\\back.sys"));
    EXPECT_EQ(readFile(QStringLiteral("H:\\back.sys"), 1 << 20), QByteArray(130'000, 'w'));
    EXPECT_EQ(GetAttr(QStringLiteral("H:\\back.sys")) & vbReadOnly, vbReadOnly);

    // Replacing keeps one entry, under the name it had on the disk.
    SetAttr(Windows + QStringLiteral("LOGOW.SYS"), vbNormal);
    writeFileAtomically(Windows + QStringLiteral("logow.sys"), "new");
    EXPECT_EQ(listFiles(Windows, { QStringLiteral("logow*") }), QStringList(QStringLiteral("LOGOW.SYS")));
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "new");
    EXPECT_EQ(image->fsckProblems(), QString());
}

TEST_F(ImageFiles, DeletesRenamesAndMakesFoldersWithTheRuntimesErrorNumbers)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    const QString file = Windows + QStringLiteral("A.TXT");
    writeFileAtomically(file, "a");
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\MSDOS.SYS")); }), FileNotFound); // hidden system
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\WINDOWS\\NONE")); }), FileNotFound);
    EXPECT_EQ(errorNumberOf([] { Kill(QStringLiteral("C:\\NONE\\NONE")); }), PathNotFound);
    SetAttr(file, vbReadOnly);
    EXPECT_EQ(errorNumberOf([&] { Kill(file); }), PathFileAccessError);
    SetAttr(file, FileAttributeNormalApi);

    MkDir(Windows + QStringLiteral("Long Folder Name"));
    EXPECT_EQ(
        errorNumberOf([] { MkDir(Windows + QStringLiteral("long folder name")); }), PathFileAccessError);
    EXPECT_EQ(errorNumberOf([] { MkDir(QStringLiteral("C:\\NONE\\X")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([] { MkDir(Windows + QStringLiteral("a[1]")); }), BadFileName);
    Name(file, Windows + QStringLiteral("Long Folder Name\\b.txt"));
    EXPECT_EQ(
        errorNumberOf([] { RmDir(Windows + QStringLiteral("Long Folder Name")); }), PathFileAccessError);
    writeFileAtomically(Windows + QStringLiteral("C.TXT"), "c");
    EXPECT_EQ(errorNumberOf([] {
        Name(Windows + QStringLiteral("C.TXT"), Windows + QStringLiteral("LONG FOLDER NAME"));
    }),
        FileAlreadyExists);
    Name(Windows + QStringLiteral("C.TXT"), Windows + QStringLiteral("c.Txt")); // only the case changes
    EXPECT_EQ(listFiles(Windows, { QStringLiteral("c.*") }), QStringList(QStringLiteral("c.Txt")));
    Name(Windows + QStringLiteral("c.txt"), QStringLiteral("H:\\moved.txt")); // to another drive
    EXPECT_FALSE(fileExists(Windows + QStringLiteral("c.txt")));
    EXPECT_EQ(readFile(QStringLiteral("H:\\moved.txt"), 10), "c");

    Kill(Windows + QStringLiteral("Long Folder Name\\b.txt"));
    RmDir(Windows + QStringLiteral("Long Folder Name"));
    EXPECT_EQ(errorNumberOf([] { RmDir(Windows + QStringLiteral("Long Folder Name")); }), PathNotFound);

    const QString temporary = createTempFile(QStringLiteral("C:\\WINDOWS\\TEMP"), QStringLiteral("~tm"));
    EXPECT_TRUE(temporary.startsWith(QStringLiteral("C:\\WINDOWS\\TEMP\\~TM"), Qt::CaseInsensitive));
    EXPECT_TRUE(fileExists(temporary));
    EXPECT_EQ(image->fsckProblems(), QString());
}

TEST_F(ImageFiles, BootConfigurationEditKeepsEveryOtherByte)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    const QString msdos = QStringLiteral("C:\\MSDOS.SYS");
    EXPECT_EQ(GetPrivateProfileInt(QStringLiteral("Options"), QStringLiteral("Logo"), 7, msdos), 1);
    EXPECT_FALSE(WritePrivateProfileString(
        QStringLiteral("Options"), QStringLiteral("Logo"), QStringLiteral(" 0"), msdos));
    SetAttr(msdos, FileAttributeNormalApi);
    ASSERT_TRUE(WritePrivateProfileString(
        QStringLiteral("Options"), QStringLiteral("Logo"), QStringLiteral(" 0"), msdos));
    QByteArray expected = TestImage::msdosSys();
    expected.replace("Logo=1", "Logo= 0");
    EXPECT_EQ(image->get(QStringLiteral("MSDOS.SYS")), expected);
    EXPECT_EQ(image->fsckProblems(), QString());
}

TEST_F(ImageFiles, PartitionOptionReachesALogicalDriveAndBareVolumesNeedNoTable)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    EXPECT_THROW(useImage(image->path(), QStringLiteral(",partition=0")), DamagedFileError);
    useImage(image->path(), QStringLiteral(",partition=2"));
    EXPECT_EQ(errorNumberOf([] { listSubfolders(QStringLiteral("C:\\")); }), PathFileAccessError);
    useImage(image->path(), QStringLiteral(",partition=1"));
    EXPECT_EQ(listSubfolders(QStringLiteral("C:\\")).size(), 2);

    const TestImage bare(TestImage::Layout::BareFat16, 20);
    useImage(bare.path());
    EXPECT_TRUE(fileExists(QStringLiteral("C:\\MSDOS.SYS")));
    writeFileAtomically(QStringLiteral("C:\\WINDOWS\\X.TXT"), "x");
    EXPECT_EQ(bare.get(QStringLiteral("WINDOWS/X.TXT")), "x");
}

TEST_F(ImageFiles, ImageInUseReadOnlyOrFullIsExplainedAndLeftAsItWas)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    const QString target = Windows + QStringLiteral("LOGOW.SYS");
    const QByteArray before = image->bytes();

    {
        // A process holding QEMU's locks on the image, as a running QEMU does.
        const int fd = ::open(QFile::encodeName(image->path()).constData(), O_RDONLY);
        struct flock lock = {};
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 201;
        lock.l_len = 1;
        ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
        EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(target, "x"); }), PermissionDenied);
        EXPECT_NE(
            messageOf([&] { writeFileAtomically(target, "x"); }).find("Shut the virtual machine down first"),
            std::string::npos);
        EXPECT_TRUE(fileExists(QStringLiteral("C:\\MSDOS.SYS"))); // reading is still allowed
        ::close(fd);
    }
    QFile(image->path() + QStringLiteral(".lock")).open(QIODevice::WriteOnly);
    EXPECT_EQ(errorNumberOf([&] { MkDir(QStringLiteral("C:\\X")); }), PermissionDenied);
    QFile::remove(image->path() + QStringLiteral(".lock"));

    ::chmod(QFile::encodeName(image->path()).constData(), 0444);
    EXPECT_NE(messageOf([&] { writeFileAtomically(target, "x"); }).find("read-only"), std::string::npos);
    ::chmod(QFile::encodeName(image->path()).constData(), 0644);

    EXPECT_NE(
        messageOf([&] { writeFileAtomically(target, QByteArray(64 * 1024 * 1024, 'x')); }).find("too full"),
        std::string::npos);
    EXPECT_EQ(image->bytes(), before);
}

TEST_F(ImageFiles, DamagedImagesGiveOneMessageAndAreNeverTouched)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    QByteArray zeroedCluster = image->bytes();
    zeroedCluster[image->offset() + 13] = 0; // sectors per cluster
    QFile file(image->path());
    file.open(QIODevice::WriteOnly);
    file.write(zeroedCluster);
    file.close();
    EXPECT_NE(messageOf([] { listSubfolders(QStringLiteral("C:\\")); }).find("sectors a cluster"),
        std::string::npos);
    EXPECT_EQ(
        errorNumberOf([] { writeFileAtomically(QStringLiteral("C:\\X.TXT"), "x"); }), PathFileAccessError);
    EXPECT_FALSE(fileExists(QStringLiteral("C:\\MSDOS.SYS")));
    EXPECT_EQ(image->bytes(), zeroedCluster);

    zeroedCluster[image->offset() + 13] = 4;
    file.open(QIODevice::WriteOnly);
    file.write(zeroedCluster.left(zeroedCluster.size() / 2)); // cut short inside the partition
    file.close();
    EXPECT_NE(messageOf([] { listSubfolders(QStringLiteral("C:\\")); }).find("cut short"), std::string::npos);
    EXPECT_EQ(
        errorNumberOf([] { writeFileAtomically(QStringLiteral("C:\\X.TXT"), "x"); }), PathFileAccessError);
    EXPECT_EQ(image->bytes().size(), zeroedCluster.size() / 2);
}

TEST_F(ImageFiles, LeftoverTemporaryStopsWritingUntilRepaired)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    image->put(QStringLiteral("WINDOWS/~BC12345.TMP"), "half");
    const QString target = Windows + QStringLiteral("LOGOW.SYS");
    EXPECT_NE(messageOf([&] { writeFileAtomically(target, "x"); }).find("bootcanvas-cli repair"),
        std::string::npos);
    EXPECT_FALSE(image->get(QStringLiteral("WINDOWS/~BC12345.TMP")).isEmpty());

    ImageDrive& drive = openImageDrive(image->path(), 0);
    const RepairReport check = repairImage(drive, true);
    EXPECT_TRUE(check.wasClean) << check.checkerOutput.toStdString(); // the volume itself is sound
    EXPECT_FALSE(repairImage(drive, false).wasClean); // but the temporary was ours to remove
    EXPECT_TRUE(image->get(QStringLiteral("WINDOWS/~BC12345.TMP")).isEmpty());
    writeFileAtomically(target, "x");
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "x");
    EXPECT_EQ(image->fsckProblems(), QString());

    // A staging folder left in the root stops writes anywhere, and its repair takes it whole.
    image->makeFolder(QStringLiteral("~BC54321.TMP"));
    image->put(QStringLiteral("~BC54321.TMP/LOGOW.SYS"), "staged");
    EXPECT_NE(messageOf([&] { writeFileAtomically(target, "y"); }).find("~BC54321.TMP"), std::string::npos);
    EXPECT_FALSE(repairImage(drive, false).wasClean);
    EXPECT_FALSE(folderExists(QStringLiteral("C:\\~BC54321.TMP")));
    writeFileAtomically(target, "y");
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "y");
    EXPECT_EQ(image->fsckProblems(), QString());
}

namespace
{

// Marks a free cluster (near the end of the 40 MB test image, where mtools allocates last) as used
// in every copy of the allocation table: a lost cluster, which the table copies agree on and only
// fsck.fat finds. Its repair keeps the cluster as a file, so each call takes another one.
void loseCluster(const TestImage& image, int cluster)
{
    QFile file(image.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray boot = image.bytes().mid(image.offset(), 512);
    const qint64 reserved = qFromLittleEndian<quint16>(boot.constData() + 14);
    const qint64 fatSectors = qFromLittleEndian<quint16>(boot.constData() + 22);
    for (int copy = 0; copy < boot.at(16); ++copy) {
        file.seek(image.offset() + (reserved + copy * fatSectors) * 512 + cluster * 2);
        file.write("\xFF\xFF", 2);
    }
}

void setModificationTime(const QString& path, const struct timespec& time)
{
    const struct timespec times[2] = { time, time };
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

} // namespace

TEST_F(ImageFiles, FileSystemProblemsStopWritingAndAreCheckedOncePerStateOfTheImage)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    const QString target = Windows + QStringLiteral("LOGOW.SYS");
    loseCluster(*image, 20000);
    const QByteArray lost = image->bytes();
    EXPECT_NE(messageOf([&] { writeFileAtomically(target, "x"); }).find("fsck.fat found problems"),
        std::string::npos);
    EXPECT_EQ(image->bytes(), lost);

    EXPECT_FALSE(repairImage(openImageDrive(image->path(), 0), false).wasClean);
    writeFileAtomically(target, "x");
    writeFileAtomically(target, "y"); // our own change kept the image counted as clean
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "y");

    // The check is skipped while the image file is as it was after our change: size, time, inode.
    struct stat after;
    ::stat(QFile::encodeName(image->path()).constData(), &after);
    loseCluster(*image, 19000);
    setModificationTime(image->path(), after.st_mtim);
    writeFileAtomically(target, "z");
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "z");

    // Any other change to the file (a virtual machine ran, a moment later) brings the check back.
    loseCluster(*image, 18000);
    setModificationTime(image->path(), { after.st_mtim.tv_sec + 1, after.st_mtim.tv_nsec });
    EXPECT_NE(messageOf([&] { writeFileAtomically(target, "w"); }).find("fsck.fat"), std::string::npos);
}

TEST_F(ImageFiles, ChangesOfOneCommandAreSeenAtOnceAndWrittenWhole)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    writeFileAtomically(Windows + QStringLiteral("LOGOS.SYS"), "old");
    SetAttr(Windows + QStringLiteral("LOGOS.SYS"), vbReadOnly | vbArchive);
    {
        ImageCommand command;
        writeFileAtomically(Windows + QStringLiteral("LOGOW.SYS"), "wait");
        writeFileAtomically(Windows + QStringLiteral("LOGOS.SYS"), "shutdown");
        writeFileAtomically(QStringLiteral("C:\\LOGO.SYS"), "start");
        // What the command wrote is what it reads back, before the end.
        EXPECT_EQ(readFile(Windows + QStringLiteral("logow.sys"), 100), "wait");
        EXPECT_EQ(GetAttr(Windows + QStringLiteral("LOGOS.SYS")), vbReadOnly | vbArchive);
        writeFileAtomically(Windows + QStringLiteral("LOGOW.SYS"), "wait again");
        EXPECT_EQ(errorNumberOf([] {
            writeFileAtomically(Windows + QStringLiteral("BIG.BIN"), QByteArray(40 << 20, 'b'));
        }),
            PathFileAccessError);
        command.finish();
    }
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "wait again");
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOS.SYS")), "shutdown");
    EXPECT_EQ(image->get(QStringLiteral("LOGO.SYS")), "start");
    EXPECT_TRUE(image->get(QStringLiteral("WINDOWS/BIG.BIN")).isEmpty());
    EXPECT_EQ(listFiles(QStringLiteral("C:\\WINDOWS"), { QStringLiteral("*.TMP") }, vbHidden | vbSystem),
        QStringList());
    EXPECT_EQ(image->fsckProblems(), QString());
}

// Replacements of one command edit the folders in place; cut short after marking the staged
// entries deleted (1) or after pointing the targets at the new clusters (2), the image holds each
// file whole, old or new, and at worst clusters of no file: never two files sharing clusters.
TEST_F(ImageFiles, ReplacementsCutShortLeaveOldOrNewFilesWholeOnEveryFatSize)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    for (const auto layout : { TestImage::Layout::Fat12, TestImage::Layout::Fat32 })
        for (int step : { 1, 2, 0 }) {
            SCOPED_TRACE(testing::Message()
                << "FAT" << (layout == TestImage::Layout::Fat12 ? 12 : 32) << " stopped after step " << step);
            image = std::make_unique<TestImage>(layout);
            useImage(image->path());
            // Old files of several clusters, so that the old chains and the FAT12 pairs matter.
            const QByteArray oldWait(40000, 'w'), oldShutdown(30000, 's');
            image->put(QStringLiteral("WINDOWS/LOGOW.SYS"), oldWait);
            image->put(QStringLiteral("WINDOWS/LOGOS.SYS"), oldShutdown);
            image->attrib({ QStringLiteral("+r") }, QStringLiteral("WINDOWS/LOGOS.SYS"));
            ImageDrive& drive = openImageDrive(image->path(), 0);
            drive.stopReplacementsAfterStep(step);
            {
                ImageCommand command;
                writeFileAtomically(Windows + QStringLiteral("LOGOW.SYS"), QByteArray(50000, 'W'));
                writeFileAtomically(Windows + QStringLiteral("LOGOS.SYS"), QByteArray(20000, 'S'));
                command.finish();
            }
            drive.stopReplacementsAfterStep(0);
            const QString problems = image->fsckProblems();
            EXPECT_EQ(problems.contains(QLatin1String("share clusters")), false) << problems.toStdString();
            if (step != 0) {
                EXPECT_FALSE(repairImage(drive, false).wasClean);
            }
            EXPECT_EQ(image->fsckProblems(), QString());
            const bool replaced = step != 1;
            EXPECT_EQ(
                image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), replaced ? QByteArray(50000, 'W') : oldWait);
            EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOS.SYS")),
                replaced ? QByteArray(20000, 'S') : oldShutdown);
            if (replaced) {
                EXPECT_EQ(GetAttr(Windows + QStringLiteral("LOGOS.SYS")), vbReadOnly | vbArchive);
            }
            const QList<FatEntry> root = drive.volume().listFolder({}).value_or(QList<FatEntry>());
            for (const FatEntry& entry : root)
                EXPECT_FALSE(ImageDrive::isOurTemporary(entry.name)) << entry.name.toStdString();
        }
}

TEST_F(ImageFiles, AnImageAnotherProcessHoldsOpenForWritingIsNotWritten)
{
    SKIP_WITHOUT_IMAGE_TOOLS();
    const QByteArray before = image->bytes();
    QProcess holder; // as `exec 3<>IMG` in a shell holds it: for writing, without any lock
    holder.start(QStringLiteral("sh"),
        { QStringLiteral("-c"), QStringLiteral("exec 3<>\"$0\"; echo ready; sleep 30"), image->path() });
    ASSERT_TRUE(holder.waitForReadyRead(5000));

    const std::string message
        = messageOf([&] { writeFileAtomically(Windows + QStringLiteral("LOGOW.SYS"), "x"); });
    EXPECT_NE(message.find("is in use"), std::string::npos) << message;
    holder.kill();
    holder.waitForFinished();
    EXPECT_EQ(image->bytes(), before);
}

TEST(PrivateFolders, FoldersOfProcessesThatNoLongerRunAreRemoved)
{
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ended.waitForFinished();
    const QString base = QFileInfo(privateFolderTemplate(QStringLiteral("staged"))).path();
    const QString stale = base + QStringLiteral("/staged-%1-AbCdEf").arg(deadPid);
    const QString live = base + QStringLiteral("/staged-%1-AbCdEf").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir().mkpath(stale + QStringLiteral("/inside")));
    ASSERT_TRUE(QDir().mkpath(live));

    removeStaleFolders();
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(live));
    QDir(live).removeRecursively();
}
