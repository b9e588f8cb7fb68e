// bootcanvas-cli's animation commands, run as a user runs them.
#include "support/animatedscreens.h"

#include "images/screenanimation.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class CliAnimation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "bootcanvas-cli is not built";
        write("LOGO.SYS", fixtures::animatedScreen(320, 400, 240));
        write("LOGOW.SYS", fixtures::animatedScreen(320, 400, 240));
        write("still.sys", fixtures::animatedScreen(200, 100, 0));
    }
    int run(const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    const QString program = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    QTemporaryDir dir;
    QString output;
};

TEST_F(CliAnimation, InfoAndConvertSpeakOfTheTurningEntries)
{
    ASSERT_EQ(run({ "info", path("LOGO.SYS") }), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("animation: palette 240-255, 16 colours\n")) << output.toStdString();
    ASSERT_EQ(run({ "info", path("still.sys") }), 0);
    EXPECT_TRUE(output.contains("animation: none\n")) << output.toStdString();

    ASSERT_EQ(run({ "convert", "--animate", path("still.sys"), path("a.sys") }), 0) << output.toStdString();
    EXPECT_EQ(images::readFirstAnimatedIndex(path("a.sys")), 236);
    ASSERT_EQ(run({ "convert", path("still.sys"), path("b.sys"), "--animate=64" }), 0);
    EXPECT_EQ(images::readFirstAnimatedIndex(path("b.sys")), 192);
    for (const char* wrong : { "--animate=1", "--animate=65", "--animate=x", "--colours=20" })
        EXPECT_EQ(run({ "convert", wrong, path("still.sys"), path("c.sys") }), 2) << wrong;
    EXPECT_FALSE(QFile::exists(path("c.sys")));
    EXPECT_EQ(run({ "info", "--animate", path("still.sys") }), 2) << "only convert takes the option";
}

TEST_F(CliAnimation, PreviewWritesOneCycleAndKeepsWaitScreensStill)
{
    ASSERT_EQ(run({ "preview", path("LOGO.SYS"), path("logo.gif") }), 0) << output.toStdString();
    QImageReader moving(path("logo.gif"));
    EXPECT_EQ(moving.imageCount(), 16);
    EXPECT_EQ(moving.size(), QSize(640, 480));
    ASSERT_EQ(run({ "preview", path("LOGOW.SYS"), path("wait.gif") }), 0);
    EXPECT_EQ(QImageReader(path("wait.gif")).imageCount(), 1);
    EXPECT_EQ(run({ "preview", path("logo.gif"), path("x.gif") }), 1) << "only 8-bit bitmaps are screens";
    EXPECT_EQ(run({ "preview", path("LOGO.SYS"), path("no/such/folder/x.gif") }), 1);
}

} // namespace
