#pragma once

// Shared by the picture fuzz targets: the readers take file names, so each input is written to
// one scratch file per process, and Qt's image plugins need an application object.
#include "images/imgdll.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

inline QString writeFuzzInput(const uint8_t* data, size_t size, const char* extension)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
    // The decoders report every broken input; at fuzzing speed that is only noise.
    static const bool quiet
        = (QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false")), true);
    (void)quiet;
    struct Scratch {
        QString path;
        ~Scratch() { QFile::remove(path); }
    };
    static Scratch scratch;
    scratch.path = QDir::tempPath()
        + QStringLiteral("/bootcanvas-fuzz-%1%2").arg(getpid()).arg(QLatin1String(extension));
    const QString& path = scratch.path;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

// Mutated headers often declare pictures of tens of megapixels, which the readers would decode in
// full at a few inputs a second; image libraries' fuzzers refuse such headers up front, and so do
// these. The full-size limits are exercised by the unit tests instead.
constexpr qint64 MaxFuzzPixels = 1'000'000;
constexpr qint64 MaxFuzzResamplePixels = 256 * 256;

inline bool declaredSizeIsSmall(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    return qint64(size.width()) * qAbs(qint64(size.height())) <= MaxFuzzPixels;
}

// The reader that finds the kind from the content, given bytes of one kind under that kind's name,
// then a resize of whatever it decoded.
inline int fuzzContentReader(const uint8_t* data, size_t size, const char* extension, const char* format)
{
    const QString file = writeFuzzInput(data, size, extension);
    if (!declaredSizeIsSmall(file, format))
        return 0;
    qint16 width = 0, height = 0;
    const PixelBlock block = ImgDLLReadRGBFromFile(file, width, height, QSize(16, 16));
    // Resampling a big block costs far more than decoding it under the sanitizers and reaches
    // nothing new; the reader is what is searched here.
    if (block && qint64(block.width()) * block.height() <= MaxFuzzResamplePixels)
        ImgDLLResizeRGB(block, width, height, 16, 20);
    return 0;
}
