// Telling logo screens from other pictures by their header.
#include "images/grafica.h"
#include "picturefixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

QImage indexedLogo()
{
    return quadrants(320, 400).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

TEST(BmpInfo, ReadsHeaderFieldsOfEveryLayout)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
        qint32 width, height;
        qint16 bits;
        bool logo;
    };
    const Case cases[] = {
        { "plain.bmp", encodeBmp(indexedLogo(), 8), 320, 400, 8, true },
        { "rle8.SYS", encodeBmp(indexedLogo(), 8, BmpLayout::Rle8), 320, 400, 8, true },
        { "os2.bmp", encodeBmp(indexedLogo(), 8, BmpLayout::Os2), 320, 400, 8, true },
        { "topdown.bmp", encodeBmp(indexedLogo(), 8, BmpLayout::TopDown), 320, 400, 8, false },
        { "deep.sys", encodeBmp(quadrants(320, 400), 24), 320, 400, 24, false },
        { "small.bmp", encodeBmp(indexedLogo().scaled(160, 200), 8), 160, 200, 8, false },
        { "logo.gif", encodeBmp(indexedLogo(), 8), 320, 400, 8, false }, // only .BMP and .SYS count
    };
    for (const Case& c : cases) {
        writeFile(dir.filePath(c.name), c.bytes);
        qint32 width = -1, height = -1;
        qint16 bits = -1;
        GetBmpInfo(dir.filePath(c.name), width, height, bits);
        EXPECT_EQ(width, c.width) << c.name;
        EXPECT_EQ(std::abs(height), c.height) << c.name;
        EXPECT_EQ(bits, c.bits) << c.name;
        EXPECT_EQ(isLogoScreen(dir.filePath(c.name)), c.logo) << c.name;
    }
}

TEST(BmpInfo, UnreadablePartsKeepTheirStartingValues)
{
    QTemporaryDir dir;
    qint32 width = 7, height = 7;
    qint16 bits = 8;
    GetBmpInfo(dir.filePath("missing.bmp"), width, height, bits);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(bits, 8);

    // Cut after the width: the height stays 0 and the bit count the caller's.
    writeFile(dir.filePath("short.bmp"), encodeBmp(indexedLogo(), 8).left(24));
    bits = 4;
    GetBmpInfo(dir.filePath("short.bmp"), width, height, bits);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(bits, 4);
    EXPECT_FALSE(isLogoScreen(dir.filePath("short.bmp")));

    // A Windows path with no readable file behind it is no error for the caller either.
    GetBmpInfo("C:\\LOGO.SYS", width, height, bits);
    EXPECT_EQ(width, 0);
}

} // namespace
