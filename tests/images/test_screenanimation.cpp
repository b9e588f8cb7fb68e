// Palette animation of startup screens: the rotation and the DAC, the header field that marks it,
// and the moving bar the conversion adds or keeps.
#include "images/animatedlayer.h"
#include "images/bmpencoder.h"
#include "images/grafica.h"
#include "images/paletteanimation.h"
#include "images/screenanimation.h"
#include "picturefixtures.h"
#include "support/animatedscreens.h"

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

TEST(PaletteRotation, TurnsTheAnimatedEntriesOneStepAtATimeThroughTheDac)
{
    const QList<QRgb> palette = numberedPalette();
    const QList<QRgb> once = rotatedPalette(palette, 236, 1);
    EXPECT_EQ(once.first(236), palette.first(236));
    EXPECT_EQ(once.mid(236, 19), palette.mid(237, 19));
    EXPECT_EQ(once[255], palette[236]);
    // The cycle closes after 256 - S steps and not before; backwards undoes; still screens keep all.
    EXPECT_EQ(rotatedPalette(once, 236, 6), rotatedPalette(palette, 236, 7));
    for (int steps = 1; steps < 20; ++steps)
        EXPECT_NE(rotatedPalette(palette, 236, steps), palette) << steps;
    EXPECT_EQ(rotatedPalette(palette, 236, 20), palette);
    EXPECT_EQ(rotatedPalette(palette, 236, -1)[236], palette[255]);
    for (int still : { 0, 255, 256 })
        EXPECT_EQ(rotatedPalette(palette, still, 5), palette) << still;
    EXPECT_EQ(rotatedPalette(palette.first(16), 250, 3).size(), 256);

    EXPECT_EQ(dacColour(qRgb(3, 4, 128)), qRgb(0, 4, 129));
    EXPECT_EQ(dacColour(qRgb(254, 255, 251)), qRgb(255, 255, 250));
    EXPECT_EQ(shownPalette(palette, 240, 2)[240], dacColour(palette[242]));
}

TEST(AnimationField, IsWrittenAtByteFiftyAndReadBackOnlyFromEightBitBitmaps)
{
    QTemporaryDir dir;
    const QByteArray bytes = animatedScreen(320, 400, 236);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 50), 236u);
    auto read = [&](QByteArray data, quint32 field) {
        qToLittleEndian(field, data.data() + 50);
        writeFile(dir.filePath("f.sys"), data);
        return readFirstAnimatedIndex(dir.filePath("f.sys"));
    };
    EXPECT_EQ(read(bytes, 236), 236);
    EXPECT_EQ(read(bytes, 1), 1);
    for (quint32 still : { 0u, 255u, 256u, 0x10000ecu })
        EXPECT_EQ(read(bytes, still), 0) << still;
    // Deeper pictures, OS/2 headers and short or missing files have no animation.
    EXPECT_EQ(read(encodeBmp(quadrants(32, 40), 24), 236), 0);
    EXPECT_EQ(
        read(encodeBmp(quadrants(32, 40).convertToFormat(QImage::Format_Indexed8), 8, BmpLayout::Os2), 236),
        0);
    EXPECT_EQ(read(bytes.left(52), 236), 0);
    EXPECT_EQ(readFirstAnimatedIndex(dir.filePath("missing.sys")), 0);
    // The writer refuses a start no screen can have.
    std::vector<quint8> pixels(16), palette(1024);
    EXPECT_TRUE(encodeBmp8(pixels, 4, 4, palette, 256, 255).isEmpty());
}

class AnimatedConversion : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(AnimatedConversion, TheBarAloneUsesTheAnimatedEntriesAndLoopsWithoutAJump)
{
    writeFile(path("photo.jpg"), encodeJpeg(quadrants(640, 480)));
    ASSERT_TRUE(ConvertToLogo(path("photo.jpg"), path("LOGO.SYS"), { 20 }));
    const IndexedScreen screen = readIndexedScreen(path("LOGO.SYS"));
    ASSERT_EQ(screen.firstAnimated, 236);
    std::set<int> barEntries;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 320; ++x) {
            const int index = screen.indices.pixelIndex(x, y);
            if (y >= 388)
                barEntries.insert(index);
            else
                ASSERT_LT(index, 236) << "a picture pixel at " << x << "," << y;
        }
    EXPECT_EQ(barEntries.size(), 20u);
    EXPECT_EQ(*barEntries.begin(), 236);
    EXPECT_LE(colourDistance(quadrantCentre(QImage(path("LOGO.SYS"), "bmp"), 0), FourColours.topLeft), 12);

    // Around the cycle no two neighbours differ more than the largest step between others does.
    const QList<QRgb> bar = screen.indices.colorTable().mid(236);
    auto step = [&](int a, int b) { return colourDistance(QColor(bar[a]), QColor(bar[b])); };
    int largest = 0;
    for (int i = 0; i + 1 < 20; ++i)
        largest = std::max(largest, step(i, i + 1));
    EXPECT_GT(largest, 0);
    EXPECT_LE(step(19, 0), largest);
    EXPECT_TRUE(animatedBar(320, 400, 1).isEmpty());
    EXPECT_TRUE(animatedBar(320, 400, 65).isEmpty());
}

TEST_F(AnimatedConversion, AMovingScreenKeepsItsAnimationWhenStretched)
{
    writeFile(path("big.sys"), animatedScreen(640, 800, 240));
    ASSERT_TRUE(ConvertToLogo(path("big.sys"), path("out.sys")));
    const IndexedScreen out = readIndexedScreen(path("out.sys"));
    EXPECT_EQ(out.firstAnimated, 240);
    EXPECT_EQ(out.indices.colorTable().mid(240), numberedPalette().mid(240));
    EXPECT_EQ(out.indices.pixelIndex(0, 399), 240);
    EXPECT_EQ(out.indices.pixelIndex(319, 399), 255);
    for (int y = 0; y < 355; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_LT(out.indices.pixelIndex(x, y), 240) << x << "," << y;

    // Asking for a bar replaces the screen's own animation; a still source stays still.
    ASSERT_TRUE(ConvertToLogo(path("big.sys"), path("bar.sys"), { 8 }));
    EXPECT_EQ(readFirstAnimatedIndex(path("bar.sys")), 248);
    writeFile(path("still.bmp"), encodeBmp(quadrants(100, 100), 24));
    ASSERT_TRUE(ConvertToLogo(path("still.bmp"), path("still.sys")));
    EXPECT_EQ(readFirstAnimatedIndex(path("still.sys")), 0);
}

// Other readers must take the screen as an ordinary 8-bit bitmap.
TEST_F(AnimatedConversion, OtherProgramsReadTheBarScreen)
{
    writeFile(path("in.bmp"), encodeBmp(quadrants(320, 400), 24));
    ASSERT_TRUE(ConvertToLogo(path("in.bmp"), path("bar.bmp"), { 20 }));
    EXPECT_EQ(QImage(path("bar.bmp"), "bmp").size(), QSize(320, 400));
    auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return process.readAllStandardOutput().trimmed() + process.readAllStandardError();
    };
    if (QStandardPaths::findExecutable("identify").isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    EXPECT_TRUE(run("identify", { "-format", "%w %h %z %m", path("bar.bmp") }).startsWith("320 400 8 BMP"));
    // Debian's Python, where the set-up puts Pillow.
    EXPECT_EQ(run("/usr/bin/python3",
                  { "-c",
                      "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1]); im.load()\n"
                      "print(im.size[0], im.size[1], im.mode)",
                      path("bar.bmp") }),
        "320 400 P");
}

} // namespace
