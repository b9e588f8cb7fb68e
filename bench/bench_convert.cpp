// Converts pictures it makes itself with bootcanvas-cli and with ImageMagick, and prints the time
// ratio of the whole processes and the fidelity of both results against a Lanczos reference; then
// times DrawPreview of the photograph against a plain full decode.
#include "../tests/images/gifencoder.h"
#include "benchtiming.h"
#include "conversionbench.h"
#include "images/grafica.h"
#include "images/imagesurface.h"
#include "images/imgdll.h"
#include "photoscene.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace
{

constexpr int Runs = 7;
using bench::ImageMagick;
using bench::median;

QByteArray makeGif(const QImage& picture)
{
    const PixelBlock block = PixelBlock::fromImage(picture);
    std::vector<quint8> indices(size_t(picture.width()) * picture.height());
    std::vector<quint8> palette(1024);
    ImgDLLQuantizeRGBTo8Bit(block, indices, picture.width(), picture.height(), 256, palette);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.append(qRgb(palette[size_t(i) * 4 + 2], palette[size_t(i) * 4 + 1], palette[size_t(i) * 4]));
    gif::Frame frame { picture.width(), picture.height(), std::move(indices), false };
    return gif::encode({ frame }, colours);
}

struct Sample {
    const char* label;
    QString file;
    double target; // most time allowed, as a share of ImageMagick's
};

bool benchPicture(const Sample& sample, const QString& folder, const QString& cli, long& peakKiB)
{
    const bench::Figures f = bench::measureConversion(sample.file, folder, cli, Runs);
    if (!f.ok) {
        std::printf("%s: a conversion failed\n", sample.label);
        return false;
    }
    peakKiB = f.peakKiB;
    const bool timeOk = f.timeRatio() <= sample.target, psnrOk = f.psnrGain() >= 0.5,
               ssimOk = f.structuralRatio() <= 0.75;
    std::printf("%-26s ours %6.3f s  ImageMagick %6.3f s  ratio %.3f (target <= %.2f) %s\n", sample.label,
        f.ours, f.theirs, f.timeRatio(), sample.target, timeOk ? "ok" : "MISSED");
    std::printf("%-26s blurred PSNR ours %.2f dB  ImageMagick %.2f dB  (+%.2f, target +0.5) %s\n", "",
        f.ourPsnr, f.theirPsnr, f.psnrGain(), psnrOk ? "ok" : "MISSED");
    std::printf("%-26s SSIM ours %.4f  ImageMagick %.4f  1-SSIM ratio %.3f (target <= 0.75) %s\n", "",
        f.ourSsim, f.theirSsim, f.structuralRatio(), ssimOk ? "ok" : "MISSED");
    std::printf("%-26s output %dx%d, %d bits\n", "", f.outputWidth, f.outputHeight, f.outputBits);
    return timeOk && psnrOk && ssimOk && f.isLogoScreen();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::steadyPeerTiming();
    QGuiApplication app(argc, argv);
    const QString cli = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    if (!QFile::exists(cli) || !QFile::exists(ImageMagick)) {
        std::printf("needs %s and %s\n", qPrintable(cli), ImageMagick);
        return 1;
    }
    QTemporaryDir dir;
    std::printf("making the pictures...\n");
    const QString photo = dir.filePath("photo.jpg"), bitmap = dir.filePath("picture.bmp"),
                  gif = dir.filePath("picture.gif");
    photoscene::render(4000, 3000, 1).save(photo, "JPEG", 90);
    photoscene::render(2000, 2000, 2).save(bitmap, "BMP");
    const QString png = dir.filePath("picture.png"), webp = dir.filePath("picture.webp");
    photoscene::render(2000, 2000, 4).save(png, "PNG");
    photoscene::render(2000, 2000, 5).save(webp, "WEBP", 90);
    QFile gifFile(gif);
    if (!gifFile.open(QIODevice::WriteOnly) || gifFile.write(makeGif(photoscene::render(640, 480, 3))) < 0)
        return 1;
    gifFile.close();

    const Sample samples[] = {
        { "12 MP JPEG (4000x3000)", photo, 0.25 },
        { "4 MP 24-bit BMP (2000x2000)", bitmap, 0.5 },
        { "640x480 GIF", gif, 0.5 },
        { "4 MP PNG (2000x2000)", png, 0.5 },
        { "4 MP WebP (2000x2000)", webp, 0.5 },
    };
    bool all = true;
    long peakKiB = 0;
    for (const Sample& sample : samples) {
        long peak = 0;
        all = benchPicture(sample, dir.path(), cli, peak) && all;
        if (sample.file == photo)
            peakKiB = peak;
    }
    std::printf("peak memory of converting the 12 MP JPEG: %.1f MB (target < 100 MB) %s\n", peakKiB / 1024.0,
        peakKiB < 100 * 1024 ? "ok" : "MISSED");
    all = all && peakKiB < 100 * 1024;

    ImageSurface box(112, 89); // the main window's preview box
    qint32 w = 0, h = 0;
    qint16 bits = 0;
    // Alternated, so both see the same load on the machine.
    std::vector<double> previewTimes, decodeTimes;
    for (int i = 0; i < 2 * Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        DrawPreview(photo, box, w, h, bits);
        previewTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        timer.restart();
        QImageReader(photo).read();
        decodeTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    const double preview = median(previewTimes), decode = median(decodeTimes);
    const bool previewOk = preview <= 0.25 * decode;
    std::printf("DrawPreview of the 12 MP JPEG into 112x89: %.1f ms, full decode %.1f ms, ratio %.3f (target "
                "<= 0.25) %s\n",
        preview * 1000, decode * 1000, preview / decode, previewOk ? "ok" : "MISSED");
    std::printf("(reported %dx%d, %d bits)\n", w, h, bits);
    return all && previewOk ? 0 : 1;
}
