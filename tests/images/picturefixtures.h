#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// Fixture pictures made by the tests: Qt writes 1-, 8- and 24-bit BMPs and JPEGs; the other BMP
// variants (4, 16 and 32 bits, RLE8, OS/2 header, top-down) are written here byte by byte.
namespace fixtures
{

// Four quadrants: top-left, top-right, bottom-left, bottom-right.
struct Quadrants {
    QColor topLeft, topRight, bottomLeft, bottomRight;
};
inline const Quadrants FourColours { QColor(200, 30, 30), QColor(30, 180, 40), QColor(40, 60, 200),
    QColor(230, 220, 40) };

QImage quadrants(int width, int height, const Quadrants& colours = FourColours);

enum class BmpLayout { BottomUp, TopDown, Rle8, Os2 };
// `image` must be indexed for 1, 4 and 8 bits (with at most 2, 16, 256 colours).
QByteArray encodeBmp(const QImage& image, int bitsPerPixel, BmpLayout layout = BmpLayout::BottomUp);

QByteArray encodeJpeg(const QImage& image, bool progressive = false);
// A GIF of the (indexed or few-colour) picture; further frames make it an animation.
QByteArray encodeGif(const QList<QImage>& frames, bool interlaced = false);

void writeFile(const QString& path, const QByteArray& bytes);

// A test's own folder of picture files.
class PictureFolder
{
protected:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        writeFile(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};
// The colour at the centre of the given quadrant (0 TL, 1 TR, 2 BL, 3 BR).
QColor quadrantCentre(const QImage& image, int quadrant);
// Largest channel difference.
int colourDistance(const QColor& a, const QColor& b);

} // namespace fixtures
