// Palette animation of startup screens: the rotation and the DAC, the header field that marks it,
// and the moving bar the conversion adds or keeps.
#include "images/animatedlayer.h"
#include "images/bmpencoder.h"
#include "images/grafica.h"
#include "images/paletteanimation.h"
#include "images/screenanimation.h"
#include "picturefixtures.h"
#include "support/animatedscreens.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <set>

using namespace fixtures;
using namespace images;

namespace
{

TEST(PaletteRotation, EachStepHandsEveryAnimatedEntryTheNextOnesColour)
{
    const QList<QRgb> palette = numberedPalette();
    const QList<QRgb> once = rotatedPalette(palette, 236, 1);
    for (int i = 0; i < 236; ++i)
        EXPECT_EQ(once[i], palette[i]) << "entry " << i << " is below the animated range";
    for (int i = 236; i < 255; ++i)
        EXPECT_EQ(once[i], palette[i + 1]) << "entry " << i;
    EXPECT_EQ(once[255], palette[236]);

    // Steps add up, the cycle closes after 256 - S steps and not before, and backwards undoes.
    EXPECT_EQ(rotatedPalette(once, 236, 6), rotatedPalette(palette, 236, 7));
    EXPECT_EQ(animationPeriod(236), 20);
    EXPECT_EQ(rotatedPalette(palette, 236, 20), palette);
    for (int steps = 1; steps < 20; ++steps)
        EXPECT_NE(rotatedPalette(palette, 236, steps), palette) << steps;
    EXPECT_EQ(rotatedPalette(palette, 236, -1)[236], palette[255]);
    EXPECT_EQ(rotatedPalette(palette, 1, 255), palette);
}

TEST(PaletteRotation, StillScreensAndShortPalettesKeepTheirColours)
{
    const QList<QRgb> palette = numberedPalette();
    for (int still : { 0, 255, 256, -3 }) {
        EXPECT_EQ(animationPeriod(still), 0) << still;
        EXPECT_EQ(rotatedPalette(palette, still, 5), palette) << still;
    }
    // A 16-colour palette is padded with black: the black entries turn among themselves.
    const QList<QRgb> rotated = rotatedPalette(palette.first(16), 250, 3);
    ASSERT_EQ(rotated.size(), 256);
    EXPECT_EQ(rotated.first(16), palette.first(16));
    EXPECT_EQ(rotated[250], qRgb(0, 0, 0));
}

TEST(PaletteRotation, TheDacKeepsSixBitsAChannel)
{
    EXPECT_EQ(dacLevel(0), 0);
    EXPECT_EQ(dacLevel(3), 0);
    EXPECT_EQ(dacLevel(4), 4);
    EXPECT_EQ(dacLevel(128), 129);
    EXPECT_EQ(dacLevel(254), 255);
    EXPECT_EQ(dacLevel(255), 255);
    EXPECT_EQ(dacColour(qRgb(7, 130, 251)), qRgb(4, 129, 250));
    const QList<QRgb> shown = shownPalette(numberedPalette(), 240, 2);
    EXPECT_EQ(shown[240], dacColour(numberedPalette()[242]));
    EXPECT_EQ(shown[10], dacColour(numberedPalette()[10])) << "the DAC applies to still entries too";
}

TEST(AnimationField, IsWrittenAtByteFiftyAndReadBackOnlyFromEightBitBitmaps)
{
    QTemporaryDir dir;
    const QString screen = dir.filePath("LOGO.SYS");
    const QByteArray bytes = animatedScreen(320, 400, 236);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 50), 236u);
    writeFile(screen, bytes);
    EXPECT_EQ(readFirstAnimatedIndex(screen), 236);

    const IndexedScreen read = readIndexedScreen(screen);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.firstAnimated, 236);
    EXPECT_EQ(read.indices.colorTable().size(), 256);
    EXPECT_EQ(read.indices.pixelIndex(319, 399), 255);

    auto withField = [&](QByteArray data, quint32 value) {
        qToLittleEndian(value, data.data() + 50);
        const QString path = dir.filePath(QStringLiteral("f%1.bmp").arg(value));
        writeFile(path, data);
        return readFirstAnimatedIndex(path);
    };
    EXPECT_EQ(withField(bytes, 1), 1);
    EXPECT_EQ(withField(bytes, 254), 254);
    for (quint32 still : { 0u, 255u, 256u, 0x10000ecu })
        EXPECT_EQ(withField(bytes, still), 0) << still;
    // Deeper pictures, OS/2 headers and short or missing files have no animation.
    EXPECT_EQ(withField(encodeBmp(quadrants(320, 400), 24), 236), 0);
    const QImage indexed = quadrants(32, 40).convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(withField(encodeBmp(indexed, 8, BmpLayout::Os2), 236), 0);
    writeFile(dir.filePath("short.bmp"), bytes.left(52));
    EXPECT_EQ(readFirstAnimatedIndex(dir.filePath("short.bmp")), 0);
    EXPECT_EQ(readFirstAnimatedIndex(dir.filePath("missing.bmp")), 0);

    // The writer refuses a start no screen can have, and writes 0 for a still one.
    std::vector<quint8> pixels(16), palette(1024);
    EXPECT_TRUE(encodeBmp8(pixels, 4, 4, palette, 256, 255).isEmpty());
    EXPECT_EQ(qFromLittleEndian<quint32>(encodeBmp8(pixels, 4, 4, palette, 256).constData() + 50), 0u);
}

TEST(AnimatedBar, UsesEveryAnimatedEntryAndLoopsWithoutAJump)
{
    for (int colours : { 2, 20, 64 }) {
        const AnimatedLayer bar = animatedBar(320, 400, colours);
        ASSERT_EQ(bar.firstAnimated, 256 - colours);
        ASSERT_EQ(bar.colours.size(), colours);
        std::set<int> used;
        for (quint8 index : bar.indices)
            if (index != 0)
                used.insert(index);
        EXPECT_EQ(int(used.size()), colours);
        EXPECT_EQ(*used.begin(), 256 - colours);
        // The bar lies along the bottom edge, across the whole width.
        EXPECT_NE(bar.indices[size_t(399) * 320], 0);
        EXPECT_NE(bar.indices[size_t(399) * 320 + 319], 0);
        EXPECT_EQ(bar.indices[size_t(200) * 320 + 160], 0);
    }
    // Around the cycle no two neighbours differ more than the largest ordinary step does.
    const AnimatedLayer bar = animatedBar(320, 400, 20);
    auto step = [&](int a, int b) { return colourDistance(QColor(bar.colours[a]), QColor(bar.colours[b])); };
    int largest = 0;
    for (int i = 0; i + 1 < 20; ++i)
        largest = std::max(largest, step(i, i + 1));
    EXPECT_GT(largest, 0);
    EXPECT_LE(step(19, 0), largest);
    EXPECT_TRUE(animatedBar(320, 400, 1).isEmpty());
    EXPECT_TRUE(animatedBar(320, 400, 65).isEmpty());
}

class AnimatedConversion : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(AnimatedConversion, ABarScreenKeepsItsEntriesForTheBarAlone)
{
    const QString source = path("photo.jpg");
    writeFile(source, encodeJpeg(quadrants(640, 480)));
    ASSERT_TRUE(ConvertToLogo(source, path("LOGO.SYS"), { 20 }));
    const IndexedScreen screen = readIndexedScreen(path("LOGO.SYS"));
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen.firstAnimated, 236);
    const AnimatedLayer bar = animatedBar(320, 400, 20);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 320; ++x) {
            const int index = screen.indices.pixelIndex(x, y);
            const int inBar = bar.indices[size_t(y) * 320 + x];
            if (inBar != 0)
                ASSERT_EQ(index, inBar) << x << "," << y;
            else
                ASSERT_LT(index, 236) << "a picture pixel at " << x << "," << y;
        }
    EXPECT_EQ(screen.indices.colorTable().mid(236), bar.colours);
    // The picture itself survives above the bar.
    EXPECT_LE(colourDistance(quadrantCentre(QImage(path("LOGO.SYS"), "bmp"), 0), FourColours.topLeft), 12);
    EXPECT_TRUE(isLogoScreen(path("LOGO.SYS")));
}

TEST_F(AnimatedConversion, AMovingScreenKeepsItsAnimationWhenStretched)
{
    const QString source = path("big.sys");
    writeFile(source, animatedScreen(640, 800, 240));
    ASSERT_TRUE(ConvertToLogo(source, path("out.sys")));
    const IndexedScreen out = readIndexedScreen(path("out.sys"));
    ASSERT_FALSE(out.isNull());
    EXPECT_EQ(out.firstAnimated, 240);
    EXPECT_EQ(out.indices.colorTable().mid(240), numberedPalette().mid(240));
    // The band keeps its run of entries from left to right; the picture above uses none of them.
    EXPECT_EQ(out.indices.pixelIndex(0, 399), 240);
    EXPECT_EQ(out.indices.pixelIndex(319, 399), 255);
    for (int y = 0; y < 355; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_LT(out.indices.pixelIndex(x, y), 240) << x << "," << y;

    // Asking for a bar replaces the screen's own animation.
    ASSERT_TRUE(ConvertToLogo(source, path("bar.sys"), { 8 }));
    EXPECT_EQ(readFirstAnimatedIndex(path("bar.sys")), 248);
    // A still source stays still.
    writeFile(path("still.bmp"), encodeBmp(quadrants(100, 100), 24));
    ASSERT_TRUE(ConvertToLogo(path("still.bmp"), path("still.sys")));
    EXPECT_EQ(readFirstAnimatedIndex(path("still.sys")), 0);
}

// Other readers must take the screen as an ordinary 8-bit bitmap.
TEST_F(AnimatedConversion, OtherProgramsReadTheBarScreen)
{
    writeFile(path("in.bmp"), encodeBmp(quadrants(320, 400), 24));
    ASSERT_TRUE(ConvertToLogo(path("in.bmp"), path("bar.bmp"), { 20 }));
    const QImage qt(path("bar.bmp"), "bmp");
    EXPECT_EQ(qt.size(), QSize(320, 400));
    EXPECT_EQ(qt.format(), QImage::Format_Indexed8);

    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    QProcess magick;
    magick.start(identify, { "-format", "%w %h %z %m", path("bar.bmp") });
    ASSERT_TRUE(magick.waitForFinished(30000));
    EXPECT_EQ(magick.exitCode(), 0) << magick.readAllStandardError().toStdString();
    EXPECT_TRUE(magick.readAllStandardOutput().startsWith("320 400 8 BMP"));

    const QString python = QStringLiteral("/usr/bin/python3"); // Debian's, where the set-up puts Pillow
    QProcess pillow;
    pillow.start(python,
        { "-c",
            "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1]); im.load()\n"
            "print(im.size[0], im.size[1], im.mode)",
            path("bar.bmp") });
    ASSERT_TRUE(pillow.waitForFinished(30000));
    if (pillow.readAllStandardError().contains("No module named"))
        GTEST_SKIP() << "Pillow is not installed";
    EXPECT_EQ(pillow.readAllStandardOutput().trimmed(), "320 400 P");
}

} // namespace
