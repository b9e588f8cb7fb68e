#pragma once

// The peers of the photograph benchmark besides ImageMagick's whole conversion: pngquant quantising
// the 24-bit reference that every fidelity figure is measured against, our converter given that
// same reference (its colour reduction alone), djpeg decoding a JPEG at the scale our decoder
// chose, and a program that does no more than make a QImage, for the start-up.
#include "conversionbench.h"
#include "picturemetrics.h"

#include <QImage>
#include <QString>

namespace bench
{

inline const char* const Pngquant = "/usr/bin/pngquant";
inline const char* const Djpeg = "/usr/bin/djpeg";

constexpr double Lossless = 99.0; // what blurredPsnr gives for identical pictures

struct Fidelity {
    bool ok = false;
    double psnr = 0; // blurred, dB
    double structuralError = 0; // 1 - SSIM
};

inline Fidelity fidelity(const QImage& picture, const QImage& reference)
{
    if (picture.isNull() || picture.size() != reference.size())
        return {};
    return { true, metrics::blurredPsnr(picture, reference), 1 - metrics::ssim(picture, reference) };
}

// pngquant at its slowest and best, 256 colours, with its default dithering.
inline Fidelity pngquantFidelity(const QString& referenceFile, const QString& folder)
{
    const QImage reference(referenceFile);
    const QString input = folder + "/reference.png", output = folder + "/pngquant.png";
    if (reference.isNull() || !reference.save(input, "PNG")
        || !runProcess({ Pngquant, "--speed", "1", "--force", "--output", output, "256", input }).ok)
        return {};
    return fidelity(QImage(output), reference);
}

// Our converter given the reference as a 24-bit BMP of the logo size: nothing left but the colour
// reduction, as the resampler copies a picture of the same size unchanged.
inline Fidelity quantiserOnly(const QString& referenceFile, const QString& folder, const QString& cli)
{
    const QImage reference(referenceFile);
    const QString input = folder + "/reference.bmp", output = folder + "/quantised.bmp";
    if (reference.isNull() || !reference.convertToFormat(QImage::Format_RGB888).save(input, "BMP")
        || !runProcess({ cli, "convert", input, output }).ok)
        return {};
    return fidelity(QImage(output, "bmp"), reference);
}

// djpeg's time to decode `jpeg` at `eighths` / 8 of its size and throw the pixels away: what any
// converter reading it at that scale must spend.
inline double djpegSeconds(const QString& jpeg, int eighths, int runs)
{
    return medianSeconds(
        { Djpeg, "-scale", QStringLiteral("%1/8").arg(eighths), "-outfile", "/dev/null", jpeg }, runs);
}

struct StartUp {
    double ours = 0, probe = 0; // seconds
    double ratio() const { return ours / probe; }
};

// Whole-process start-up of `cli` with no arguments (it prints its usage) against `probe`, in
// alternation so that both see the same load.
inline StartUp startUp(const QString& cli, const QString& probe, int runs)
{
    std::vector<double> ours, theirs;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(runProcess({ cli }, true).seconds);
        theirs.push_back(runProcess({ probe }, true).seconds);
    }
    return { median(ours), median(theirs) };
}

} // namespace bench
