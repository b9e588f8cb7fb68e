// Times the logo browser's listing of a folder of 2,000 pictures (FillList) against a plain sorted
// listing of the same folder, and its preview of a 12-megapixel JPEG (CheckImage) against drawing
// the same file straight into a picture box; prints the ratios (listing target: at most 3).
#include "app/settings.h"
#include "benchmachine.h"
#include "benchtiming.h"
#include "browser/folderlisting.h"
#include "browser/selpictureform.h"
#include "images/grafica.h"
#include "windows/picturebox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int Pictures = 2000;
constexpr int Folders = 40;

using bench::medianMillis;

bool writeEmpty(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool makePictures(const QString& folder)
{
    const char* extensions[] = { ".jpg", ".BMP", ".gif", ".Sys", ".JPG" };
    for (int i = 0; i < Pictures; ++i) {
        // Mixed case, as pictures copied from cameras and old disks come.
        const QString name = QStringLiteral("%1icture %2%3")
                                 .arg(i % 2 ? QStringLiteral("p") : QStringLiteral("P"))
                                 .arg(i, 5, 10, QLatin1Char('0'))
                                 .arg(QString::fromLatin1(extensions[i % 5]));
        if (!writeEmpty(folder + QLatin1Char('/') + name))
            return false;
    }
    // Files the browser leaves out, and folders it lists first.
    for (int i = 0; i < Pictures / 10; ++i)
        if (!writeEmpty(folder + QStringLiteral("/notes %1.txt").arg(i)))
            return false;
    for (int i = 0; i < Folders; ++i)
        if (!QDir(folder).mkdir(QStringLiteral("Album %1").arg(i)))
            return false;
    return true;
}

bool makeJpeg(const QString& path)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor(30, 90, 200));
    sky.setColorAt(1, QColor(240, 180, 60));
    p.fillRect(photo.rect(), sky);
    for (int i = 0; i < 200; ++i)
        p.fillRect(QRect((i * 397) % 4000, (i * 211) % 3000, 120, 80), QColor::fromHsv(i % 360, 200, 220));
    p.end();
    return photo.save(path, "JPEG", 90);
}

bool makeMachine(const QString& folder)
{
    QDir root(folder);
    const QString pictures = root.filePath(QStringLiteral("drive_c/Pictures"));
    if (!root.mkpath(QStringLiteral("drive_c/WINDOWS/TEMP")) || !root.mkpath(pictures)
        || !makePictures(pictures) || !makeJpeg(root.filePath(QStringLiteral("drive_c/photo.jpg"))))
        return false;
    return bench::useMachine(folder, "Windows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\nProgram=C:\\\n");
}

} // namespace

int main(int argc, char** argv)
{
    bench::preferOffscreen();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !makeMachine(folder.path())) {
        std::printf("cannot make the test folder\n");
        return 1;
    }
    settings().AppPath = QStringLiteral("C:\\");

    const QString host = folder.filePath(QStringLiteral("drive_c/Pictures"));
    qsizetype listed = 0;
    const double plain = medianMillis([&] {
        QDir dir(host);
        const QStringList folders
            = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        dir.setNameFilters({ QStringLiteral("*.sys"), QStringLiteral("*.jpg"), QStringLiteral("*.bmp"),
            QStringLiteral("*.gif") });
        listed = folders.size() + dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase).size();
    });
    const double read = medianMillis([&] { readFolderContents(QStringLiteral("C:\\Pictures\\")); });
    SelPictureForm form;
    const double fill = medianMillis([&] { form.FillList(QStringLiteral("C:\\Pictures\\")); });
    const double ratio = fill / plain;
    std::printf("FillList of %d entries: %.1f ms, plain sorted listing (%lld entries) %.1f ms, ratio %.2f "
                "(target <= 3) %s\n",
        form.findChild<QListWidget*>(QStringLiteral("LogoList"))->count(), fill,
        static_cast<long long>(listed), plain, ratio, ratio <= 3 ? "ok" : "MISSED");
    std::printf("  of which reading the folder %.1f ms\n", read);

    PictureBox box;
    box.resize(form.findChild<PictureBox*>(QStringLiteral("CurView"))->size());
    const double draw = medianMillis(
        [&] {
            qint32 width = 0, height = 0;
            qint16 bitCount = 0;
            DrawPreview(QStringLiteral("C:\\photo.jpg"), box, width, height, bitCount);
        },
        3);
    form.CurrentFolder = QStringLiteral("C:\\");
    const double preview = medianMillis(
        [&] { form.CheckImage(QStringLiteral("C:\\photo.jpg"), QStringLiteral("photo.jpg")); }, 3);
    std::printf("CheckImage of a 12-megapixel JPEG: %.1f ms, DrawPreview alone %.1f ms, ratio %.2f\n",
        preview, draw, preview / draw);
    return 0;
}
