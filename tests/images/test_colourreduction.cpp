// Resampling, colour reduction and the 8-bit writer, through the imaging entries.
#include "images/imgdll.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace
{

static_assert(!std::is_copy_constructible_v<PixelBlock> && std::is_nothrow_move_constructible_v<PixelBlock>);

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                qRgb(x * 255 / (width - 1), y * 255 / (height - 1), (x + y) * 255 / (width + height - 2)));
    return image;
}

QImage expand(const std::vector<quint8>& indices, const std::vector<quint8>& palette, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = indices[size_t(y) * width + x];
            image.setPixel(
                x, y, qRgb(palette[size_t(i) * 4 + 2], palette[size_t(i) * 4 + 1], palette[size_t(i) * 4]));
        }
    return image;
}

TEST(Resize, FlatColourStaysExactAndSizesAreChecked)
{
    QImage flat(97, 31, QImage::Format_RGB32);
    flat.fill(qRgb(12, 200, 77));
    const PixelBlock block = PixelBlock::fromImage(flat);
    for (const QSize size : { QSize(320, 400), QSize(1, 1), QSize(13, 500) }) {
        const PixelBlock resized = ImgDLLResizeRGB(block, 97, 31, size.width(), size.height());
        ASSERT_EQ(QSize(resized.width(), resized.height()), size);
        for (int y = 0; y < resized.height(); y += 7)
            for (int x = 0; x < resized.width(); x += 5)
                ASSERT_EQ(resized.row(y)[x], qRgb(12, 200, 77));
    }
    EXPECT_TRUE(ImgDLLResizeRGB(block, 97, 31, 0, 10).isNull());
    EXPECT_TRUE(ImgDLLResizeRGB(block, 97, 31, 40000, 10).isNull());
    EXPECT_TRUE(ImgDLLResizeRGB(PixelBlock(), 97, 31, 10, 10).isNull());
}

TEST(Quantize, FewColoursAreKeptExactly)
{
    QImage image(50, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            image.setPixel(x, y, qRgb(x / 5 * 25, y / 4 * 25, (x + y) % 2 * 255)); // 200 colours
    std::vector<quint8> indices(50 * 40), palette(1024, 0xee);
    ASSERT_EQ(ImgDLLQuantizeRGBTo8Bit(PixelBlock::fromImage(image), indices, 50, 40, 256, palette), 1);
    EXPECT_EQ(expand(indices, palette, 50, 40), image);
    EXPECT_EQ(palette[1023], 0) << "every entry is written, unused ones black";
}

TEST(Quantize, GradientKeepsItsToneWithinAFewLevels)
{
    const QImage image = gradient(320, 400);
    std::vector<quint8> indices(320 * 400), palette(1024);
    ASSERT_EQ(ImgDLLQuantizeRGBTo8Bit(PixelBlock::fromImage(image), indices, 320, 400, 256, palette), 1);
    const QImage out = expand(indices, palette, 320, 400);
    // Average over 8 x 8 cells: dithering keeps local tone even where single pixels differ. The
    // outermost cells hold the extremes of the cube, which lie outside the palette's hull; the
    // cells next to the white corner come closest to it (4.7 levels, all others under 3).
    double worst = 0;
    for (int cy = 8; cy < 392; cy += 8)
        for (int cx = 8; cx < 312; cx += 8) {
            double diff[3] = {};
            for (int y = cy; y < cy + 8; ++y)
                for (int x = cx; x < cx + 8; ++x) {
                    const QRgb a = image.pixel(x, y), b = out.pixel(x, y);
                    diff[0] += qRed(a) - qRed(b);
                    diff[1] += qGreen(a) - qGreen(b);
                    diff[2] += qBlue(a) - qBlue(b);
                }
            for (double d : diff)
                worst = std::max(worst, std::abs(d) / 64);
        }
    EXPECT_LT(worst, 5.0);
}

// A wall lit unevenly: a smooth near-grey ramp of far more than 256 colours, all close to the grey
// line, where a coarse colour histogram sees only a few dozen cells.
TEST(Quantize, SmoothNearGreyRampUsesTheWholePalette)
{
    QImage image(320, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 320; ++x) {
            const int level = (x + y) * 255 / 718;
            image.setPixel(x, y, qRgb(level, std::max(level - (y % 3), 0), std::max(level - 2 - (x % 4), 0)));
        }
    std::vector<quint8> indices(320 * 400), palette(1024);
    ASSERT_EQ(ImgDLLQuantizeRGBTo8Bit(PixelBlock::fromImage(image), indices, 320, 400, 256, palette), 1);
    std::vector<bool> used(256, false);
    for (const quint8 index : indices)
        used[index] = true;
    EXPECT_GE(std::count(used.begin(), used.end(), true), 200);
}

// The palette's refinement samples every second pixel of every second row; a colour found only
// between the samples (here a red on odd rows and columns of an odd-sized picture) must keep
// the entries the whole picture gave it.
TEST(Quantize, AColourOnlyBetweenTheSampledPixelsKeepsItsEntry)
{
    const int width = 301, height = 203;
    QImage image = gradient(width, height);
    for (int y = 1; y < height; y += 2)
        for (int x = 1; x < width; x += 2)
            image.setPixel(x, y, qRgb(250, 10, 10));
    std::vector<quint8> indices(size_t(width) * height), palette(1024);
    ASSERT_EQ(ImgDLLQuantizeRGBTo8Bit(PixelBlock::fromImage(image), indices, width, height, 256, palette), 1);
    const QImage out = expand(indices, palette, width, height);
    int worst = 0;
    for (int y = 1; y < height; y += 2)
        for (int x = 1; x < width; x += 2) {
            const QRgb c = out.pixel(x, y);
            worst = std::max({ worst, std::abs(qRed(c) - 250), std::abs(qGreen(c) - 10), std::abs(qBlue(c) - 10) });
        }
    EXPECT_LE(worst, 24);
}

TEST(Quantize, BadArgumentsFail)
{
    const PixelBlock block = PixelBlock::fromImage(gradient(20, 10));
    std::vector<quint8> indices(200), palette(1024), small(100);
    EXPECT_EQ(ImgDLLQuantizeRGBTo8Bit(block, indices, 10, 20, 256, palette), 0);
    EXPECT_EQ(ImgDLLQuantizeRGBTo8Bit(block, small, 20, 10, 256, palette), 0);
    EXPECT_EQ(ImgDLLQuantizeRGBTo8Bit(block, indices, 20, 10, 300, palette), 0);
    EXPECT_EQ(ImgDLLQuantizeRGBTo8Bit(block, indices, 20, 10, 256, std::span<quint8>(palette).first(512)), 0);
    EXPECT_EQ(ImgDLLQuantizeRGBTo8Bit(PixelBlock(), indices, 20, 10, 256, palette), 0);
}

TEST(SaveBmp, OddWidthsArePaddedAndOnlyEightBitsWritten)
{
    QTemporaryDir dir;
    const std::vector<quint8> indices { 0, 1, 2, 2, 1, 0 };
    std::vector<quint8> palette(1024, 0);
    const QRgb colours[] = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255) };
    for (int i = 0; i < 3; ++i) {
        palette[size_t(i) * 4] = quint8(qBlue(colours[i]));
        palette[size_t(i) * 4 + 1] = quint8(qGreen(colours[i]));
        palette[size_t(i) * 4 + 2] = quint8(qRed(colours[i]));
        palette[size_t(i) * 4 + 3] = 0x99; // not copied into the file
    }
    const QString file = dir.filePath("odd.bmp");
    ASSERT_TRUE(ImgDLLSaveColormappedToBMP(file, indices, 3, 2, 8, 256, palette));
    const QImage read(file);
    ASSERT_EQ(read.size(), QSize(3, 2));
    EXPECT_EQ(read.pixel(0, 0), colours[0]);
    EXPECT_EQ(read.pixel(2, 0), colours[2]);
    EXPECT_EQ(read.pixel(0, 1), colours[2]);
    EXPECT_EQ(QFileInfo(file).size(), 1078 + 2 * 4);

    EXPECT_FALSE(ImgDLLSaveColormappedToBMP(dir.filePath("four.bmp"), indices, 3, 2, 4, 16, palette));
    EXPECT_FALSE(ImgDLLSaveColormappedToBMP(dir.filePath("short.bmp"), indices, 30, 2, 8, 256, palette));
    EXPECT_FALSE(
        ImgDLLSaveColormappedToBMP(dir.filePath("no/such/folder/x.bmp"), indices, 3, 2, 8, 256, palette));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("four.bmp")));
}

} // namespace
