// Converts real photographs (desktop wallpapers that the set-up installs from Debian packages, and
// variants made from them with ImageMagick) with bootcanvas-cli and with ImageMagick, and prints
// for each picture the time against ImageMagick's and against djpeg's decode at our scale, and the
// fidelity against ImageMagick's 24-bit Lanczos reduction, ours beside ImageMagick's and beside
// pngquant's quantisation of that reduction; then the worst of each figure. The start-up of
// bootcanvas-cli is measured first, against a program that makes one QImage. Fails when a target
// is missed or the corpus is not installed. Names given as arguments measure only the pictures
// whose labels contain one of them (while tuning).
#include "conversionbench.h"
#include "images/picturereader.h"
#include "photopeers.h"

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
constexpr int StartUpRuns = 21; // short runs: more of them
constexpr double PsnrOverPngquant = 0.75; // dB
constexpr double PsnrOverImageMagick = 1.0; // dB
constexpr double StructuralShareOfPngquant = 1.0; // of pngquant's 1 - SSIM
constexpr double BigJpegTimeTarget = 0.15; // share of ImageMagick's time, JPEGs of 2 MP or more
constexpr double OtherTimeTarget = 0.3;
constexpr double DecoderSlack = 0.020; // seconds over djpeg's decode at our scale
constexpr double StartUpTarget = 1.5; // share of a program that makes one QImage

const char* const Wallpapers = "/usr/share/backgrounds";

struct Picture {
    QString label;
    QString file;
};

// Every wallpaper photograph of the corpus packages ("<name>_by_<author>.jpg").
QList<Picture> wallpapers()
{
    QList<Picture> pictures;
    const QFileInfoList files = QDir(QString::fromLatin1(Wallpapers))
                                    .entryInfoList({ QStringLiteral("*_by_*.jpg") }, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        pictures.append({ file.completeBaseName().section(QStringLiteral("_by_"), 0, 0), file.filePath() });
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
    return { label, target.section(u':', -1) };
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

// The eighths of its size at which our decoder reads a JPEG for a logo screen.
int decodedEighths(const QString& jpeg)
{
    return int(images::readPicture(jpeg, images::PictureKind::Jpeg, QSize(320, 400)).scale * 8 + 0.5);
}

struct Row {
    bench::Figures conversion;
    bench::Fidelity pngquant, quantiser;
    int eighths = 0; // 0 for pictures that are not JPEGs
    double djpeg = 0; // seconds
    double timeTarget = 0; // share of ImageMagick's

    double psnrOverPngquant() const { return conversion.ourPsnr - pngquant.psnr; }
    double structuralShareOfPngquant() const { return (1 - conversion.ourSsim) / pngquant.structuralError; }
    double overDecoder() const { return conversion.ours - djpeg; }
    bool timeOk() const
    {
        return conversion.timeRatio() <= timeTarget && (eighths == 0 || overDecoder() <= DecoderSlack);
    }
    // A reference of 256 colours or fewer, which pngquant keeps exactly, is kept exactly by our
    // colour reduction too; what is left is the resampler's difference, which no palette can win.
    bool referenceKeptExactly() const { return pngquant.psnr >= bench::Lossless; }
    bool fidelityOk() const
    {
        if (referenceKeptExactly())
            return quantiser.psnr >= bench::Lossless && conversion.psnrGain() >= PsnrOverImageMagick;
        return conversion.psnrGain() >= PsnrOverImageMagick && psnrOverPngquant() >= PsnrOverPngquant
            && structuralShareOfPngquant() <= StructuralShareOfPngquant;
    }
};

Row measure(const Picture& picture, const QString& folder, const QString& cli)
{
    Row row;
    row.conversion = bench::measureConversion(picture.file, folder, cli, Runs);
    if (!row.conversion.ok || !row.conversion.isLogoScreen())
        return row;
    row.pngquant = bench::pngquantFidelity(row.conversion.referenceFile, folder);
    row.quantiser = bench::quantiserOnly(row.conversion.referenceFile, folder, cli);
    if (picture.file.endsWith(QLatin1String(".jpg"))) {
        row.eighths = decodedEighths(picture.file);
        row.djpeg = bench::djpegSeconds(picture.file, row.eighths, Runs);
    }
    const QSize size = QImageReader(picture.file).size();
    const bool big = row.eighths > 0 && qint64(size.width()) * size.height() >= 2'000'000;
    row.timeTarget = big ? BigJpegTimeTarget : OtherTimeTarget;
    return row;
}

void printHeader()
{
    std::printf("%-20s %9s %3s | %6s %6s %5s %5s | %6s %6s | %5s %5s %5s %5s | %6s %5s %5s | %5s %5s | %s\n",
        "picture", "size", "N/8", "ours", "IM", "ratio", "limit", "djpeg", "+ms", "PSNR", "pq", "+pq", "+IM",
        "1-SSIM", "/pq", "/IM", "q+pq", "q/pq", "result");
    std::printf("%-20s %9s %3s | %6s %6s %5s %5s | %6s %6s | %5s %5s %5s %5s | %6s %5s %5s | %5s %5s |\n", "",
        "", "", "ms", "ms", "", "", "ms", "", "dB", "dB", "dB", "dB", "", "", "", "dB", "");
}

void printRow(const QString& label, QSize size, const Row& row)
{
    const bench::Figures& f = row.conversion;
    const QString decoder = row.eighths > 0 ? QString::number(row.djpeg * 1000, 'f', 1) : QStringLiteral("-");
    const QString over
        = row.eighths > 0 ? QString::asprintf("%+.1f", row.overDecoder() * 1000) : QStringLiteral("-");
    // Against a reference that pngquant keeps exactly there is no share of its error to give.
    const bool exact = row.referenceKeptExactly();
    const QString ofPngquant
        = exact ? QStringLiteral("-") : QString::number(row.structuralShareOfPngquant(), 'f', 3);
    const QString quantiserOfPngquant = exact
        ? QStringLiteral("-")
        : QString::number(row.quantiser.structuralError / row.pngquant.structuralError, 'f', 3);
    std::printf("%-20s %9s %3s | %6.1f %6.1f %5.3f %5.2f | %6s %6s | %5.2f %5.2f %+5.2f %+5.2f | %6.4f %5s "
                "%5.3f | %+5.2f %5s | %s\n",
        qPrintable(label.left(20)), qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())),
        row.eighths > 0 ? qPrintable(QString::number(row.eighths)) : "-", f.ours * 1000, f.theirs * 1000,
        f.timeRatio(), row.timeTarget, qPrintable(decoder), qPrintable(over), f.ourPsnr, row.pngquant.psnr,
        row.psnrOverPngquant(), f.psnrGain(), 1 - f.ourSsim, qPrintable(ofPngquant), f.structuralRatio(),
        row.quantiser.psnr - row.pngquant.psnr, qPrintable(quantiserOfPngquant),
        row.timeOk() && row.fidelityOk() ? "ok"
            : !row.timeOk()              ? "MISSED time"
                                         : "MISSED fidelity");
    std::fflush(stdout);
}

// The worst of each figure over the pictures, for the summary.
struct Worst {
    double timeRatio = 0, overDecoder = -1e9, psnrOverPngquant = 1e9, psnrOverImageMagick = 1e9,
           structuralShare = 0;
    QString time, decoder, pngquantPsnr, imageMagickPsnr, structure;
    void add(const QString& label, const Row& row)
    {
        auto keep = [&](double value, double& worst, QString& where, bool higherIsWorse) {
            if (higherIsWorse ? value > worst : value < worst)
                worst = value, where = label;
        };
        keep(row.conversion.timeRatio() / row.timeTarget, timeRatio, time, true);
        if (row.eighths > 0)
            keep(row.overDecoder(), overDecoder, decoder, true);
        if (!row.referenceKeptExactly())
            keep(row.psnrOverPngquant(), psnrOverPngquant, pngquantPsnr, false);
        keep(row.conversion.psnrGain(), psnrOverImageMagick, imageMagickPsnr, false);
        if (!row.referenceKeptExactly())
            keep(row.structuralShareOfPngquant(), structuralShare, structure, true);
    }
    void print() const
    {
        std::printf(
            "worst: time %.2f of its limit (%s); %+.1f ms over djpeg (%s, limit +%.0f); blurred PSNR "
            "%+.2f dB over pngquant (%s, target +%.2f), %+.2f dB over ImageMagick (%s, target +%.2f); "
            "1-SSIM %.3f of pngquant's (%s, target <= %.2f)\n",
            timeRatio, qPrintable(time), overDecoder * 1000, qPrintable(decoder), DecoderSlack * 1000,
            psnrOverPngquant, qPrintable(pngquantPsnr), PsnrOverPngquant, psnrOverImageMagick,
            qPrintable(imageMagickPsnr), PsnrOverImageMagick, structuralShare, qPrintable(structure),
            StructuralShareOfPngquant);
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::steadyPeerTiming();
    QGuiApplication app(argc, argv);
    const QString cli = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    const QString probe = QStringLiteral(BOOTCANVAS_BINARY_DIR "/bench/qimage_probe");
    QList<Picture> pictures = wallpapers();
    const char* const tools[] = { bench::ImageMagick, bench::Pngquant, bench::Djpeg };
    if (!QFileInfo::exists(cli) || !QFileInfo::exists(probe) || pictures.size() < 12
        || !std::all_of(
            std::begin(tools), std::end(tools), [](const char* tool) { return QFileInfo::exists(tool); })) {
        std::printf(
            "needs %s, %s, %s, %s, %s and the wallpaper packages of the Makefile's BENCH_PACKAGES (%lld "
            "pictures found in %s)\n",
            qPrintable(cli), qPrintable(probe), bench::ImageMagick, bench::Pngquant, bench::Djpeg,
            qlonglong(pictures.size()), Wallpapers);
        return 1;
    }
    QTemporaryDir dir;
    std::printf("making the variants...\n");
    pictures += variants(pictures, dir.path());
    pictures = chosen(pictures, app.arguments().mid(1));

    const bench::StartUp start = bench::startUp(cli, probe, StartUpRuns);
    const bool startOk = start.ratio() <= StartUpTarget;
    std::printf(
        "start-up: bootcanvas-cli without arguments %.1f ms, a program that makes one QImage %.1f ms: "
        "%.2f (target <= %.2f) %s\n",
        start.ours * 1000, start.probe * 1000, start.ratio(), StartUpTarget, startOk ? "ok" : "MISSED");

    printHeader();
    bool all = startOk;
    Worst worst;
    for (const Picture& picture : pictures) {
        const Row row = measure(picture, dir.path(), cli);
        if (!row.conversion.ok || !row.conversion.isLogoScreen() || !row.pngquant.ok || !row.quantiser.ok) {
            std::printf("%-20s a conversion failed\n", qPrintable(picture.label));
            all = false;
            continue;
        }
        all = all && row.timeOk() && row.fidelityOk();
        worst.add(picture.label, row);
        printRow(picture.label, QImageReader(picture.file).size(), row);
    }
    worst.print();
    std::printf(
        "times: medians of %d whole-process runs; limits %.2f of ImageMagick's for JPEGs of 2 MP or more, "
        "%.2f for the others, and djpeg -scale N/8 + %.0f ms for every JPEG. pq: pngquant --speed 1 on "
        "the 24-bit reference; q: our colour reduction alone on that reference\n",
        Runs, BigJpegTimeTarget, OtherTimeTarget, DecoderSlack * 1000);
    return all ? 0 : 1;
}
