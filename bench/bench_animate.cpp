// Converting a photograph into a startup screen with a moving bar, against the plain conversion of
// the same picture in the same run (alternated, so both see the same load on the machine); then the
// GIF of the screen as seen at boot.
#include "benchtiming.h"
#include "images/bootpreview.h"
#include "images/grafica.h"
#include "images/imgdll.h"
#include "photoscene.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ImgDLLStringInitDLL(QString());
    QTemporaryDir dir;
    const QString photo = dir.filePath("photo.jpg"), plain = dir.filePath("plain.sys"),
                  animated = dir.filePath("LOGO.SYS");
    photoscene::render(2000, 1500, 4).save(photo, "JPEG", 90);

    constexpr int Runs = 9;
    std::vector<double> plainTimes, animatedTimes;
    bool converted = true;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        converted = ConvertToLogo(photo, plain) && converted;
        plainTimes.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        converted = ConvertToLogo(photo, animated, { 20 }) && converted;
        animatedTimes.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double plainMs = bench::median(plainTimes), animatedMs = bench::median(animatedTimes);
    const bool convertOk = converted && animatedMs <= 1.2 * plainMs;
    std::printf("convert 2000x1500 JPEG: plain %.1f ms, with an animated bar %.1f ms, ratio %.3f (target <= "
                "1.2) %s\n",
        plainMs, animatedMs, animatedMs / plainMs, convertOk ? "ok" : "MISSED");

    const images::IndexedScreen screen = images::readIndexedScreen(animated);
    qsizetype bytes = 0;
    const double gifMs = bench::medianMillis([&] { bytes = images::bootPreviewGif(screen).size(); });
    std::printf("boot preview GIF of 20 frames at 640x480: %.1f ms, %.0f KiB (for information)\n", gifMs,
        bytes / 1024.0);
    return convertOk ? 0 : 1;
}
