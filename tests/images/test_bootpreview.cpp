// The screen as seen at boot, written as a GIF of one cycle of its animation.
#include "images/bmpencoder.h"
#include "images/bootpreview.h"
#include "images/paletteanimation.h"
#include "picturefixtures.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace images;

namespace
{

// A 320 x 400 screen: rows of picture entries, and a short band of animated entries near the
// bottom that does not reach the edges.
IndexedScreen bandScreen(int first)
{
    QImage indices(320, 400, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, (i * 5) % 256, 255 - i));
    indices.setColorTable(palette);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool band = y >= 380 && y < 392 && x >= 40 && x < 280;
            indices.setPixel(x, y, band ? first + (x - 40) * (256 - first) / 240 : (x + y) % first);
        }
    return { indices, first };
}

// The screen at `step` as the boot view shows it, each pixel 2 wide and 1.2 high.
QImage expectedFrame(const IndexedScreen& screen, int step)
{
    const QImage shown = shownFrame(screen, step);
    QImage view(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            view.setPixel(x, y, shown.pixel(x / 2, y * 400 / 480));
    return view;
}

QList<QImage> decodeGif(const QByteArray& gif, QList<int>* delays = nullptr)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    for (QImage frame; reader.read(&frame);) {
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
        if (delays)
            delays->append(reader.nextImageDelay());
    }
    return frames;
}

TEST(BootPreview, OneFrameForEveryStepOfTheCycle)
{
    const IndexedScreen screen = bandScreen(236);
    QList<int> delays;
    const QList<QImage> frames = decodeGif(bootPreviewGif(screen), &delays);
    ASSERT_EQ(frames.size(), 20);
    for (int step = 0; step < frames.size(); ++step) {
        EXPECT_EQ(frames[step].size(), QSize(640, 480));
        EXPECT_EQ(delays[step], 100) << step;
        EXPECT_TRUE(frames[step] == expectedFrame(screen, step)) << "frame " << step;
    }
    EXPECT_FALSE(frames[0] == frames[1]);
}

TEST(BootPreview, StillScreensGiveOneStillFrame)
{
    IndexedScreen screen = bandScreen(236);
    screen.firstAnimated = 0;
    const QList<QImage> frames = decodeGif(bootPreviewGif(screen));
    ASSERT_EQ(frames.size(), 1);
    EXPECT_TRUE(frames[0] == expectedFrame(screen, 0));

    // A screen that marks entries as turning but never uses them still has its full cycle.
    IndexedScreen unused = bandScreen(250);
    unused.indices.fill(3);
    EXPECT_EQ(decodeGif(bootPreviewGif(unused)).size(), 6);
    EXPECT_TRUE(bootPreviewGif(IndexedScreen {}).isEmpty());
}

TEST(BootPreview, AScreenFileGoesStraightIntoTheGif)
{
    QTemporaryDir dir;
    const IndexedScreen source = bandScreen(200);
    std::vector<quint8> indices, palette;
    for (int y = 0; y < 400; ++y)
        indices.insert(indices.end(), source.indices.constScanLine(y), source.indices.constScanLine(y) + 320);
    for (QRgb c : source.indices.colorTable())
        palette.insert(palette.end(), { quint8(qBlue(c)), quint8(qGreen(c)), quint8(qRed(c)), 0 });
    fixtures::writeFile(dir.filePath("LOGO.SYS"), encodeBmp8(indices, 320, 400, palette, 256, 200));

    const IndexedScreen read = readIndexedScreen(dir.filePath("LOGO.SYS"));
    const QList<QImage> frames = decodeGif(bootPreviewGif(read));
    ASSERT_EQ(frames.size(), 56);
    EXPECT_TRUE(frames[55] == expectedFrame(source, 55));
}

} // namespace
