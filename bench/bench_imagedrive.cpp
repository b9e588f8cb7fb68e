// Times a drive inside a disk image against the same work on a host folder, in the same run:
// installing a logo set (target: at most 10 times the host folder's time) and the library scan of
// 2,000 sets (target: at most 5 times). The file system check before the first write to a changed
// image is timed on its own.
#include "app/settings.h"
#include "benchtiming.h"
#include "diskimage/imagedrive.h"
#include "diskimage/imagedrives.h"
#include "diskimage/imagerepair.h"
#include "install/systemscreens.h"
#include "platform/machine.h"
#include "sets/libraryscan.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int Sets = 2000;
constexpr int ImageMegabytes = 64;
using bench::medianMillis;

QString tool(const QString& name)
{
    const QString inPath = QStandardPaths::findExecutable(name);
    return inPath.isEmpty() ? QStandardPaths::findExecutable(name, { QStringLiteral("/usr/sbin") }) : inPath;
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MTOOLS_NO_VFAT"), QStringLiteral("0"));
    environment.insert(QStringLiteral("MTOOLSRC"), QStringLiteral("/dev/null"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(tool(program), arguments);
    return process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

QString setName(int i)
{
    return QStringLiteral("%1Set %2%3")
        .arg(i % 2 ? QStringLiteral("b") : QStringLiteral("A"))
        .arg(i, 5, 10, QLatin1Char('0'))
        .arg(i % 3 ? QString() : QStringLiteral(".sls"));
}

QByteArray screen(char fill)
{
    return QByteArray(129'078, fill); // the size of a 320 x 400, 256-colour BMP
}

// Drive C on the host and drive I in a bare FAT16 image, each with a Windows folder and a logo
// folder of `Sets` sets; the set to install is on the host.
bool makeMachine(const QString& folder)
{
    QDir root(folder);
    if (!root.mkpath(QStringLiteral("drive_c/WINDOWS")) || !root.mkpath(QStringLiteral("drive_c/Lib/Set")))
        return false;
    for (int i = 0; i < Sets; ++i)
        if (!root.mkpath(QStringLiteral("drive_c/Logos/") + setName(i)))
            return false;
    for (const char* name : { "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" }) {
        QFile file(root.filePath(QStringLiteral("drive_c/Lib/Set/") + QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(screen(name[4])) != 129'078)
            return false;
    }
    const QString image = root.filePath(QStringLiteral("disk.img"));
    if (!run(QStringLiteral("mkfs.fat"),
            { QStringLiteral("-C"), QStringLiteral("-F"), QStringLiteral("16"), image,
                QString::number(ImageMegabytes * 1024) }))
        return false;
    QStringList folders { QStringLiteral("-i"), image, QStringLiteral("::/WINDOWS"),
        QStringLiteral("::/Logos") };
    for (int i = 0; i < Sets; ++i)
        folders.append(QStringLiteral("::/Logos/") + setName(i));
    if (!run(QStringLiteral("mmd"), folders))
        return false;
    QFile ini(root.filePath(QStringLiteral("machine.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[Drives]\nC=drive_c,fixed\nI=disk.img,fixed\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\n"
              "Program=C:\\Lib\n");
    ini.close();
    diskimage::useImageDrives();
    platform::setCurrentMachine(platform::Machine::open(folder));
    return true;
}

double installMillis(const QString& drive)
{
    Settings& s = settings();
    s.StartUpDrive = drive + QStringLiteral(":\\");
    s.WinPath = drive + QStringLiteral(":\\WINDOWS\\");
    installLogoSet(QStringLiteral("Set"), false); // the first installation also keeps the old screens
    return medianMillis([] { installLogoSet(QStringLiteral("Set"), false); });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (tool(QStringLiteral("mkfs.fat")).isEmpty() || tool(QStringLiteral("mmd")).isEmpty()) {
        std::printf("skipped: mkfs.fat or mtools is missing (Debian packages dosfstools, mtools)\n");
        return 0;
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !makeMachine(folder.path())) {
        std::printf("cannot make the test machine\n");
        return 1;
    }
    settings().LogoPath = QStringLiteral("C:\\Lib\\");

    const double hostInstall = installMillis(QStringLiteral("C"));
    const double imageInstall = installMillis(QStringLiteral("I"));
    const double installRatio = imageInstall / hostInstall;
    std::printf("install a set: image %.1f ms, host folder %.1f ms, ratio %.2f (target <= 10) %s\n",
        imageInstall, hostInstall, installRatio, installRatio <= 10 ? "ok" : "MISSED");

    qsizetype hostSets = 0, imageSets = 0;
    const double hostScan = medianMillis(
        [&] { hostSets = scanLogoLibrary(QStringLiteral("C:\\Logos\\"), QString()).sets.size(); });
    const double imageScan = medianMillis(
        [&] { imageSets = scanLogoLibrary(QStringLiteral("I:\\Logos\\"), QString()).sets.size(); });
    const double scanRatio = imageScan / hostScan;
    std::printf("scan %lld / %lld sets: image %.1f ms, host folder %.1f ms, ratio %.2f (target <= 5) %s\n",
        static_cast<long long>(imageSets), static_cast<long long>(hostSets), imageScan, hostScan, scanRatio,
        scanRatio <= 5 ? "ok" : "MISSED");

    // A scan right after the image was opened, with nothing of it read yet.
    const QString image = folder.filePath(QStringLiteral("disk.img"));
    const double coldScan = medianMillis([&] {
        diskimage::ImageDrive drive(image, image, 0);
        drive.volume().listFolder({ QStringLiteral("Logos") });
    });
    std::printf("of which opening the image and reading its logo folder: %.1f ms\n", coldScan);

    // Paid once per state of the image file (after a virtual machine ran), not by the installations
    // timed above: our own changes keep the image counted as clean.
    const double check = medianMillis(
        [&] {
            diskimage::ImageDrive drive(image, image, 0);
            diskimage::repairImage(drive, true);
        },
        3);
    std::printf(
        "fsck.fat -n before the first write to a changed %d MB image: %.1f ms\n", ImageMegabytes, check);
    return 0;
}
