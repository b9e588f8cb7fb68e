// Tuning aid for the colour reduction. For every 24-bit reference NAME.ppm of a folder (ImageMagick's
// Lanczos reduction of a photograph) it quantises with the settings given as NAME=VALUE arguments and
// prints the fidelity beside pngquant's quantisation of the same reference (NAME.pq.png) and
// ImageMagick's whole conversion (NAME.im.bmp), then the worst and mean figures. With TUNE_REPEAT=N
// in the environment it times N quantisations instead (wall and processor time); with TUNE_SAVE=FOLDER
// it writes each result there as NAME.png, so that a change meant to keep the output can be checked.
#include "../picturemetrics.h"
#include "images/colourquantizer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace
{

double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

images::QuantizerSettings settingsFrom(int argc, char** argv)
{
    images::QuantizerSettings settings;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString name = arg.section(u'=', 0, 0);
        const float value = arg.section(u'=', 1).toFloat();
        if (name == u"strength")
            settings.ditherStrength = value;
        else if (name == u"texture")
            settings.textureDiscount = value;
        else if (name == u"lloyd")
            settings.refinePasses = int(value);
        else if (name == u"stride")
            settings.refineStride = int(value);
        else if (name == u"dithered")
            settings.ditheredRefinePasses = int(value);
        else if (name == u"search")
            settings.searchPasses = int(value);
        else if (name == u"grain")
            settings.grainWeight = value;
        else
            std::fprintf(stderr, "unknown setting %s\n", argv[i]);
    }
    return settings;
}

QImage quantised(const QImage& reference, const images::QuantizerSettings& settings)
{
    std::vector<quint8> indices(size_t(reference.width()) * reference.height());
    QList<QRgb> palette;
    images::quantizeColours(reference, 256, indices, palette, settings);
    QImage result(reference.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < result.height(); ++y)
        std::copy_n(indices.data() + size_t(y) * result.width(), result.width(), result.scanLine(y));
    return result;
}

void time(
    const QString& name, const QImage& reference, const images::QuantizerSettings& settings, int repeats)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = cpuSeconds();
    for (int i = 0; i < repeats; ++i)
        quantised(reference, settings);
    std::printf("%-16s %5.1f ms %5.1f ms processor\n", qPrintable(name), clock.nsecsElapsed() / 1e6 / repeats,
        (cpuSeconds() - cpuStart) * 1e3 / repeats);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [setting=value...]\n", argv[0]);
        return 2;
    }
    const images::QuantizerSettings settings = settingsFrom(argc, argv);
    const int repeats = std::getenv("TUNE_REPEAT") ? std::atoi(std::getenv("TUNE_REPEAT")) : 0;
    const char* saveTo = std::getenv("TUNE_SAVE");
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    double worstShare = 0, worstPq = 99, worstIm = 99, sumShare = 0, sumPq = 0;
    int count = 0;
    for (const QString& file : folder.entryList({ QStringLiteral("*.ppm") }, QDir::Files, QDir::Name)) {
        const QString name = file.chopped(4);
        const QImage reference = QImage(folder.filePath(file)).convertToFormat(QImage::Format_RGB32);
        if (repeats > 0) {
            time(name, reference, settings, repeats);
            continue;
        }
        const QImage ours = quantised(reference, settings);
        if (saveTo) {
            ours.save(QString::fromLocal8Bit(saveTo) + u'/' + name + QStringLiteral(".png"));
            continue;
        }
        const QImage pq(folder.filePath(name + ".pq.png")), im(folder.filePath(name + ".im.bmp"), "bmp");
        if (pq.isNull() || im.isNull()) {
            std::printf("%-16s no %s.pq.png or %s.im.bmp beside it\n", qPrintable(name), qPrintable(name),
                qPrintable(name));
            continue;
        }
        const double psnr = metrics::blurredPsnr(ours, reference), err = 1 - metrics::ssim(ours, reference);
        const double pqPsnr = metrics::blurredPsnr(pq, reference), pqErr = 1 - metrics::ssim(pq, reference);
        const double imPsnr = metrics::blurredPsnr(im, reference);
        if (pqPsnr >= 99) {
            std::printf("%-16s exact %s\n", qPrintable(name), psnr >= 99 ? "ok" : "NOT EXACT");
            continue;
        }
        const double share = err / pqErr;
        std::printf("%-16s %6.2f dB %+6.2f pq %+6.2f IM  1-SSIM %.4f %.3f of pq\n", qPrintable(name), psnr,
            psnr - pqPsnr, psnr - imPsnr, err, share);
        worstShare = std::max(worstShare, share);
        worstPq = std::min(worstPq, psnr - pqPsnr);
        worstIm = std::min(worstIm, psnr - imPsnr);
        sumShare += share;
        sumPq += psnr - pqPsnr;
        ++count;
    }
    if (count > 0)
        std::printf("worst share %.3f mean %.3f; worst +pq %.2f mean %.2f; worst +IM %.2f\n", worstShare,
            sumShare / count, worstPq, sumPq / count, worstIm);
    return 0;
}
