// Converts real photographs (desktop wallpapers that the set-up installs from Debian packages, and
// variants made from them with ImageMagick) with bootcanvas-cli and with ImageMagick, and prints
// each picture's time ratio and fidelity against ImageMagick's 24-bit Lanczos reduction, then the
// worst of each figure. Fails when a target is missed or the corpus is not installed. Names given
// as arguments measure only the pictures whose labels contain one of them (while tuning).
#include "conversionbench.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int Runs = 5;
constexpr double PsnrGainTarget = 0.75; // dB above ImageMagick's
constexpr double StructuralTarget = 0.7; // share of ImageMagick's 1 - SSIM
constexpr double BigJpegTimeTarget = 0.25; // share of ImageMagick's time, JPEGs of 4 MP or more
constexpr double OtherTimeTarget = 0.5;

const char* const Wallpapers = "/usr/share/backgrounds";

struct Picture {
    QString label;
    QString file;
    bool bigJpeg = false;
};

// Every wallpaper photograph of the corpus packages ("<name>_by_<author>.jpg").
QList<Picture> wallpapers()
{
    QList<Picture> pictures;
    const QFileInfoList files = QDir(QString::fromLatin1(Wallpapers))
                                    .entryInfoList({ QStringLiteral("*_by_*.jpg") }, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        pictures.append(
            { file.completeBaseName().section(QStringLiteral("_by_"), 0, 0), file.filePath(), false });
    return pictures;
}

// A variant of `source` made by ImageMagick with `options`, or an empty picture when that failed.
Picture variant(
    const QString& label, const QString& source, const QStringList& options, const QString& target)
{
    QStringList command { QString::fromLatin1(bench::ImageMagick), source };
    command += options;
    command.append(target);
    if (source.isEmpty() || !bench::runProcess(command).ok)
        return {};
    return { label, target.section(u':', -1), false };
}

QList<Picture> variants(const QList<Picture>& photos, const QString& folder)
{
    auto find = [&](const char* name) {
        for (const Picture& p : photos)
            if (p.label.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return p.file;
        return photos.isEmpty() ? QString() : photos.first().file;
    };
    const QString path = folder + u'/';
    QList<Picture> made {
        variant(QStringLiteral("progressive JPEG"), find("Fossa"), { "-interlace", "JPEG", "-quality", "90" },
            path + "progressive.jpg"),
        variant(QStringLiteral("grey JPEG"), find("picosdeeuropa"),
            { "-colorspace", "Gray", "-quality", "92" }, path + "grey.jpg"),
        variant(QStringLiteral("CMYK JPEG"), find("sunset"), { "-colorspace", "CMYK", "-quality", "92" },
            path + "cmyk.jpg"),
        variant(QStringLiteral("24-bit BMP 2560x1600"), find("aitzgorri"),
            { "-resize", "2560x1600!", "-type", "TrueColor" }, "BMP3:" + path + "truecolour.bmp"),
        variant(QStringLiteral("interlaced GIF 1280x960"), find("Dragonfly"),
            { "-resize", "1280x960!", "-interlace", "GIF" }, path + "interlaced.gif"),
        variant(QStringLiteral("animated GIF 800x500"), find("Bridge"),
            { find("life"), "-resize", "800x500!", "-delay", "50", "-loop", "0" }, path + "animated.gif"),
    };
    made.removeIf([](const Picture& p) { return p.file.isEmpty(); });
    return made;
}

// The pictures whose labels contain one of `names`; all of them when no name is given.
QList<Picture> chosen(const QList<Picture>& pictures, const QStringList& names)
{
    if (names.isEmpty())
        return pictures;
    QList<Picture> kept;
    for (const Picture& p : pictures)
        if (std::any_of(names.begin(), names.end(),
                [&](const QString& name) { return p.label.contains(name, Qt::CaseInsensitive); }))
            kept.append(p);
    return kept;
}

struct Worst {
    double timeRatio = 0, psnrGain = 1e9, structuralRatio = 0;
    QString time, psnr, structure;
    void add(const QString& label, const bench::Figures& f)
    {
        if (f.timeRatio() > timeRatio)
            timeRatio = f.timeRatio(), time = label;
        if (f.psnrGain() < psnrGain)
            psnrGain = f.psnrGain(), psnr = label;
        if (f.structuralRatio() > structuralRatio)
            structuralRatio = f.structuralRatio(), structure = label;
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString cli = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    QList<Picture> pictures = wallpapers();
    if (!QFileInfo::exists(cli) || !QFileInfo::exists(QString::fromLatin1(bench::ImageMagick))
        || pictures.size() < 12) {
        std::printf("needs %s, %s and the wallpaper packages of the Makefile's BENCH_PACKAGES (%lld pictures "
                    "found in %s)\n",
            qPrintable(cli), bench::ImageMagick, qlonglong(pictures.size()), Wallpapers);
        return 1;
    }
    QTemporaryDir dir;
    std::printf("making the variants...\n");
    pictures += variants(pictures, dir.path());
    pictures = chosen(pictures, app.arguments().mid(1));

    std::printf("%-24s %10s %7s %7s %6s %6s | %6s %6s %6s | %6s %5s | %s\n", "picture", "size", "ours s",
        "IM s", "ratio", "target", "PSNR", "IM", "gain", "1-SSIM", "ratio", "result");
    bool all = true;
    Worst worst;
    for (Picture& picture : pictures) {
        const QImageReader reader(picture.file);
        const QSize size = reader.size();
        picture.bigJpeg = picture.file.endsWith(QLatin1String(".jpg"))
            && qint64(size.width()) * size.height() >= 4'000'000;
        const bench::Figures f = bench::measureConversion(picture.file, dir.path(), cli, Runs);
        if (!f.ok || !f.isLogoScreen()) {
            std::printf("%-24s a conversion failed\n", qPrintable(picture.label));
            all = false;
            continue;
        }
        const double timeTarget = picture.bigJpeg ? BigJpegTimeTarget : OtherTimeTarget;
        const bool ok = f.timeRatio() <= timeTarget && f.psnrGain() >= PsnrGainTarget
            && f.structuralRatio() <= StructuralTarget;
        all = all && ok;
        worst.add(picture.label, f);
        std::printf("%-24s %10s %7.3f %7.3f %6.3f %6.2f | %6.2f %6.2f %+6.2f | %6.4f %5.3f | %s\n",
            qPrintable(picture.label),
            qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())), f.ours, f.theirs,
            f.timeRatio(), timeTarget, f.ourPsnr, f.theirPsnr, f.psnrGain(), 1 - f.ourSsim,
            f.structuralRatio(), ok ? "ok" : "MISSED");
        std::fflush(stdout);
    }
    std::printf("worst time ratio %.3f (%s); worst PSNR gain %+.2f dB (%s, target +%.2f); worst 1-SSIM ratio "
                "%.3f (%s, target <= %.2f)\n",
        worst.timeRatio, qPrintable(worst.time), worst.psnrGain, qPrintable(worst.psnr), PsnrGainTarget,
        worst.structuralRatio, qPrintable(worst.structure), StructuralTarget);
    std::printf("time targets: <= %.2f of ImageMagick's for JPEGs of 4 MP or more, <= %.2f for the others; "
                "medians of %d whole-process runs\n",
        BigJpegTimeTarget, OtherTimeTarget, Runs);
    return all ? 0 : 1;
}
