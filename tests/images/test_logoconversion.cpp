// Converting pictures into logo screens, and the screen file that comes out.
#include "images/grafica.h"
#include "picturefixtures.h"
#include "support/testmachine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace fixtures;

namespace
{

class LogoConversion : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const
    {
        writeFile(path(name), bytes);
        return path(name);
    }
    QTemporaryDir dir;
};

quint32 field32(const QByteArray& d, int offset)
{
    return qFromLittleEndian<quint32>(d.constData() + offset);
}
quint16 field16(const QByteArray& d, int offset)
{
    return qFromLittleEndian<quint16>(d.constData() + offset);
}

TEST_F(LogoConversion, WritesAWindowsEightBitBitmapWithFullPaletteAndBottomUpRows)
{
    const QString source = write("in.bmp", encodeBmp(quadrants(500, 300), 24));
    ASSERT_TRUE(ConvertToLogo(source, path("LOGO.SYS")));

    QFile file(path("LOGO.SYS"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray d = file.readAll();
    ASSERT_EQ(d.size(), 14 + 40 + 1024 + 128000);
    EXPECT_EQ(d.left(2), "BM");
    EXPECT_EQ(field32(d, 2), quint32(d.size()));
    EXPECT_EQ(field32(d, 10), 1078u);
    EXPECT_EQ(field32(d, 14), 40u);
    EXPECT_EQ(qint32(field32(d, 18)), 320);
    EXPECT_EQ(qint32(field32(d, 22)), 400); // positive height: bottom-up
    EXPECT_EQ(field16(d, 26), 1);
    EXPECT_EQ(field16(d, 28), 8);
    EXPECT_EQ(field32(d, 30), 0u);
    EXPECT_EQ(field32(d, 34), 128000u);
    EXPECT_EQ(field32(d, 46), 256u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(d[54 + i * 4 + 3], '\0') << "reserved byte of entry " << i;

    // The first stored row is the bottom one: blue on the left, yellow on the right.
    auto stored = [&](int row, int x) {
        const int index = quint8(d[1078 + row * 320 + x]);
        return QColor(
            quint8(d[54 + index * 4 + 2]), quint8(d[54 + index * 4 + 1]), quint8(d[54 + index * 4]));
    };
    EXPECT_LE(colourDistance(stored(10, 80), FourColours.bottomLeft), 6);
    EXPECT_LE(colourDistance(stored(390, 80), FourColours.topLeft), 6);

    qint32 width = 0, height = 0;
    qint16 bits = 0;
    GetBmpInfo(path("LOGO.SYS"), width, height, bits);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 400);
    EXPECT_EQ(bits, 8);
    EXPECT_TRUE(isLogoScreen(path("LOGO.SYS")));
    const QImage read(path("LOGO.SYS"), "bmp");
    EXPECT_EQ(read.size(), QSize(320, 400));
}

TEST_F(LogoConversion, StretchesAnyShapeOverTheWholeScreen)
{
    // A 640 x 480 picture: every quadrant keeps its place and no band is cropped or added.
    const QString source = write("wide.jpg", encodeJpeg(quadrants(640, 480)));
    ASSERT_TRUE(ConvertToLogo(source, path("out.sys")));
    const QImage out(path("out.sys"), "bmp");
    ASSERT_EQ(out.size(), QSize(320, 400));
    EXPECT_LE(colourDistance(quadrantCentre(out, 0), FourColours.topLeft), 12);
    EXPECT_LE(colourDistance(quadrantCentre(out, 3), FourColours.bottomRight), 12);
    EXPECT_LE(colourDistance(QColor(out.pixel(2, 2)), FourColours.topLeft), 12);
    EXPECT_LE(colourDistance(QColor(out.pixel(317, 397)), FourColours.bottomRight), 12);
    EXPECT_LE(colourDistance(QColor(out.pixel(317, 2)), FourColours.topRight), 12);
}

TEST_F(LogoConversion, ContentChoosesTheReaderWhateverTheName)
{
    const QByteArray jpeg = encodeJpeg(quadrants(64, 48));
    const QString destination = write("dest.tmp", QByteArray());
    EXPECT_FALSE(ConvertToLogo(write("words.jpg", "not a picture"), destination));
    EXPECT_EQ(QFileInfo(destination).size(), 0) << "a failed conversion leaves the destination as it was";
    for (const char* name : { "photo.jpeg", "photo.JpG", "photo.bmp", "photo" }) {
        EXPECT_TRUE(ConvertToLogo(write(name, jpeg), destination)) << name;
        EXPECT_EQ(QFileInfo(destination).size(), 129078) << name;
    }
    EXPECT_TRUE(ConvertToLogo(write("bitmap.gif", encodeBmp(quadrants(8, 8), 24)), path("x.sys")));
    EXPECT_TRUE(ConvertToLogo(write("bitmap.whatever", encodeBmp(quadrants(8, 8), 24)), path("y.sys")));
}

TEST_F(LogoConversion, UnreadableSourcesWriteNothing)
{
    EXPECT_FALSE(ConvertToLogo(path("missing.bmp"), path("a.sys")));
    EXPECT_FALSE(ConvertToLogo(write("empty.bmp", QByteArray()), path("b.sys")));
    EXPECT_FALSE(ConvertToLogo(write("noise.gif", QByteArray(5000, '\x5a')), path("c.sys")));
    EXPECT_FALSE(
        QFile::exists(path("a.sys")) || QFile::exists(path("b.sys")) || QFile::exists(path("c.sys")));
}

TEST(LogoConversionOnMachine, WindowsPathsGoThroughTheMachine)
{
    TestMachine machine;
    machine.writeFile("C:\\Pictures\\Sunset.GIF", encodeGif({ quadrants(40, 30) }));
    EXPECT_TRUE(ConvertToLogo("c:\\pictures\\sunset.gif", "C:\\WINDOWS\\TEMP\\~tm1A.TMP"));
    EXPECT_TRUE(isLogoScreen("C:\\WINDOWS\\TEMP\\~TM1A.TMP") == false)
        << "a .TMP name is never a logo screen";
    EXPECT_EQ(machine.readFile("C:\\WINDOWS\\TEMP\\~tm1A.TMP").size(), 129078);
    EXPECT_FALSE(ConvertToLogo("Q:\\nowhere.gif", "C:\\WINDOWS\\TEMP\\x.TMP"));
    EXPECT_FALSE(ConvertToLogo("C:\\Pictures\\Sunset.GIF", "Q:\\x.TMP"));
}

} // namespace
