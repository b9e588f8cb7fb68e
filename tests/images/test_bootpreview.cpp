// The screen as seen at boot, written as a GIF of one cycle of its animation.
#include "images/bootpreview.h"
#include "picturefixtures.h"
#include "support/animatedscreens.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace images;

namespace
{

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

class BootPreview : public ::testing::Test
{
protected:
    IndexedScreen screen(int first)
    {
        fixtures::writeFile(dir.filePath("LOGO.SYS"), fixtures::animatedScreen(320, 400, first));
        return readIndexedScreen(dir.filePath("LOGO.SYS"));
    }
    QTemporaryDir dir;
};

TEST_F(BootPreview, FrameKIsThePaletteTurnedKTimesEveryHundredMilliseconds)
{
    const IndexedScreen moving = screen(236);
    QList<int> delays;
    const QList<QImage> frames = decodeGif(bootPreviewGif(moving), &delays);
    ASSERT_EQ(frames.size(), 20);
    for (int step = 0; step < frames.size(); ++step) {
        EXPECT_EQ(delays[step], 100) << step;
        EXPECT_TRUE(frames[step] == expectedFrame(moving, step)) << "frame " << step;
    }
    EXPECT_FALSE(frames[0] == frames[1]);
}

TEST_F(BootPreview, StillScreensGiveOneFrameAndUnusedEntriesStillTurn)
{
    const IndexedScreen still = screen(0);
    const QList<QImage> frames = decodeGif(bootPreviewGif(still));
    ASSERT_EQ(frames.size(), 1);
    EXPECT_TRUE(frames[0] == expectedFrame(still, 0));

    // A screen that marks entries as turning but never shows them still has its full cycle.
    IndexedScreen unused = screen(250);
    unused.indices.fill(3);
    EXPECT_EQ(decodeGif(bootPreviewGif(unused)).size(), 6);
    EXPECT_TRUE(bootPreviewGif(IndexedScreen {}).isEmpty());
}

} // namespace
