#pragma once

// Whole-process conversions by bootcanvas-cli and by ImageMagick, timed in alternation, and the
// fidelity of both results against ImageMagick's own 24-bit Lanczos reduction. Shared by the
// conversion benchmarks, each a program of its own, so this stays inline.
#include "benchtiming.h"
#include "images/grafica.h"
#include "picturemetrics.h"

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace bench
{

inline const char* const ImageMagick = "/usr/bin/convert"; // /usr/local/bin/convert is not ImageMagick

// ImageMagick's time varied by half between sessions. Its OpenMP threads spin while they wait for
// each other, which costs most when another process holds a core: with one core busy its median
// went from about 270 to 380 ms, and waiting threads that sleep instead stay near 270. So it runs
// with as many threads as the machine gives us (as our converter uses both cores) and sleeping
// waits; a warm-up run of each command (page cache, libraries) comes before the timed ones.
inline void steadyPeerTiming()
{
    qputenv("OMP_WAIT_POLICY", "PASSIVE");
    qputenv("MAGICK_THREAD_LIMIT", QByteArray::number(std::max(1u, std::thread::hardware_concurrency())));
}

struct RunResult {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

// Runs `command` to its end with its output discarded; `silent` discards its error output too.
inline RunResult runProcess(const QStringList& command, bool silent = false)
{
    std::vector<QByteArray> bytes;
    for (const QString& part : command)
        bytes.push_back(part.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& part : bytes)
        argv.push_back(part.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    RunResult result;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    if (silent)
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return result;
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    result.peakKiB = usage.ru_maxrss;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// The median time of `runs` whole-process runs of `command`, whatever they exit with.
inline double medianSeconds(const QStringList& command, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(runProcess(command, true).seconds);
    return median(times);
}

// The figures of one picture; times are medians of whole-process runs.
struct Figures {
    bool ok = false; // both conversions ran and wrote a picture
    double ours = 0, theirs = 0; // seconds
    double ourPsnr = 0, theirPsnr = 0; // blurred PSNR, dB
    double ourSsim = 0, theirSsim = 0;
    long peakKiB = 0; // largest of our runs
    qint32 outputWidth = 0, outputHeight = 0;
    qint16 outputBits = 0;
    QString referenceFile; // ImageMagick's 24-bit Lanczos reduction, which the fidelity is measured against

    double timeRatio() const { return ours / theirs; }
    double psnrGain() const { return ourPsnr - theirPsnr; }
    double structuralRatio() const { return (1 - ourSsim) / (1 - theirSsim); }
    bool isLogoScreen() const { return outputWidth == 320 && outputHeight == 400 && outputBits == 8; }
};

inline Figures measureConversion(const QString& source, const QString& folder, const QString& cli, int runs)
{
    const QString ours = folder + "/ours.bmp", theirs = folder + "/theirs.bmp",
                  reference = folder + "/reference.ppm";
    const QString first = source + "[0]"; // the first frame of an animation
    Figures figures;
    if (!runProcess({ ImageMagick, first, "-filter", "Lanczos", "-resize", "320x400!", "ppm:" + reference })
             .ok)
        return figures;
    std::vector<double> ourTimes, theirTimes;
    for (int i = -1; i < runs; ++i) { // the first run warms up and is not timed
        const RunResult a = runProcess({ cli, "convert", source, ours });
        const RunResult b
            = runProcess({ ImageMagick, first, "-resize", "320x400!", "-colors", "256", "BMP3:" + theirs });
        if (!a.ok || !b.ok)
            return figures;
        if (i < 0)
            continue;
        ourTimes.push_back(a.seconds);
        theirTimes.push_back(b.seconds);
        figures.peakKiB = std::max(figures.peakKiB, a.peakKiB);
    }
    const QImage ref(reference), a(ours, "bmp"), b(theirs, "bmp");
    if (ref.isNull() || a.isNull() || b.isNull())
        return figures;
    figures.ours = median(ourTimes);
    figures.theirs = median(theirTimes);
    figures.ourPsnr = metrics::blurredPsnr(a, ref);
    figures.theirPsnr = metrics::blurredPsnr(b, ref);
    figures.ourSsim = metrics::ssim(a, ref);
    figures.theirSsim = metrics::ssim(b, ref);
    GetBmpInfo(ours, figures.outputWidth, figures.outputHeight, figures.outputBits);
    figures.referenceFile = reference;
    figures.ok = true;
    return figures;
}

} // namespace bench
