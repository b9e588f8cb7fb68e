// bootcanvas-cli run as a user runs it: every failure is one line naming the file and the reason.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

struct Outcome {
    int exitCode = -1;
    QString output, errors;
};

class Cli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "bootcanvas-cli is not built";
    }

    Outcome run(const QStringList& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(program, arguments);
        process.waitForFinished(30000);
        return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError()) };
    }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray jpeg(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(90, 140, 200));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return bytes;
    }

    // Expects a failure reported as one line that names `path` and says `reason`.
    void expectFailure(const QStringList& arguments, const QString& path, const QString& reason) const
    {
        const Outcome outcome = run(arguments);
        const QString what = arguments.join(u' ');
        EXPECT_EQ(outcome.exitCode, 1) << qPrintable(what);
        EXPECT_TRUE(outcome.output.isEmpty()) << qPrintable(what);
        EXPECT_EQ(outcome.errors.count(u'\n'), 1) << qPrintable(outcome.errors);
        EXPECT_TRUE(outcome.errors.startsWith(QStringLiteral("bootcanvas-cli: ") + path + u':'))
            << qPrintable(outcome.errors);
        EXPECT_TRUE(outcome.errors.contains(reason)) << qPrintable(outcome.errors);
    }

    const QString program = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    QTemporaryDir dir;
};

TEST_F(Cli, ConversionFailuresNameTheFileAndTheReason)
{
    const QString photo = write(QStringLiteral("photo.jpg"), jpeg(64, 48));
    const QString out = dir.filePath(QStringLiteral("LOGO.SYS"));
    ASSERT_EQ(run({ QStringLiteral("convert"), photo, out }).exitCode, 0);

    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    expectFailure({ QStringLiteral("convert"), missing, out }, missing, QStringLiteral("no such file"));
    expectFailure({ QStringLiteral("convert"), dir.path(), out }, dir.path(), QStringLiteral("is a folder"));

    // The content chooses the reader: a JPEG under any name converts; words say what is read.
    const QString misnamed = write(QStringLiteral("photo.bmp"), jpeg(64, 48));
    EXPECT_EQ(run({ QStringLiteral("convert"), misnamed, out }).exitCode, 0);
    const QString text = write(QStringLiteral("notes.gif"), "just some words");
    expectFailure({ QStringLiteral("convert"), text, out }, text,
        QStringLiteral("not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)"));
    const QString empty = write(QStringLiteral("empty.png"), {});
    expectFailure({ QStringLiteral("convert"), empty, out }, empty, QStringLiteral("empty"));

    const QByteArray whole = jpeg(64, 48);
    const QString cut = write(QStringLiteral("cut.jpg"), whole.left(whole.size() / 2));
    expectFailure({ QStringLiteral("convert"), cut, out }, cut, QStringLiteral("truncated"));

    QByteArray huge = whole;
    const qsizetype frame = huge.indexOf("\xff\xc0");
    ASSERT_GT(frame, 0);
    qToBigEndian(quint16(40000), huge.data() + frame + 5);
    qToBigEndian(quint16(40000), huge.data() + frame + 7);
    const QString big = write(QStringLiteral("big.jpg"), huge);
    expectFailure({ QStringLiteral("convert"), big, out }, big,
        QStringLiteral("40000 x 40000 pixels is larger than the limit of 32767 pixels a side"));
}

TEST_F(Cli, DestinationProblemsAreReportedAfterAGoodSource)
{
    const QString photo = write(QStringLiteral("photo.jpg"), jpeg(64, 48));
    expectFailure(
        { QStringLiteral("convert"), photo, dir.path() }, dir.path(), QStringLiteral("is a folder"));
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/LOGO.SYS"));
    expectFailure(
        { QStringLiteral("convert"), photo, nowhere }, nowhere, QStringLiteral("its folder does not exist"));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    // A relative destination is named as the user typed it, made absolute.
    expectFailure({ QStringLiteral("convert"), QStringLiteral("photo.jpg"), QStringLiteral(".") },
        QDir(dir.path()).absolutePath(), QStringLiteral("is a folder"));
}

TEST_F(Cli, InfoExplainsTooAndArgumentMistakesStayUsageErrors)
{
    expectFailure({ QStringLiteral("info"), dir.path() }, dir.path(), QStringLiteral("is a folder"));
    const Outcome good = run({ QStringLiteral("info"), write(QStringLiteral("p.jpg"), jpeg(64, 48)) });
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_TRUE(good.output.contains(QStringLiteral("width: 64"))) << qPrintable(good.output);
    // Kinds come from the content for info too: a PNG named .jpg.
    QImage picture(30, 20, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    const Outcome info = run({ QStringLiteral("info"), write(QStringLiteral("drawing.jpg"), png) });
    EXPECT_TRUE(info.output.contains(QStringLiteral("width: 30\nheight: 20\nbit count: 32")))
        << qPrintable(info.output);
    EXPECT_EQ(run({ QStringLiteral("convert"), QStringLiteral("only-one") }).exitCode, 2);
    EXPECT_EQ(run({ QStringLiteral("nonsense") }).exitCode, 2);
}

// Both programs answer --help and --version on standard output without a display or a machine,
// and a mistake still prints the usage on standard error with exit code 2.
TEST(HelpAndVersion, BothProgramsAnswerOnStandardOutputAndExitZero)
{
    const QString cli = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    const QString window = QStringLiteral(BOOTCANVAS_BINARY_DIR "/src/bootcanvas");
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "BOOTCANVAS_MACHINE" })
        bare.remove(QLatin1String(name));
    const QTemporaryDir home;
    bare.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    const auto run = [&](const QString& program, const QString& argument) {
        QProcess process;
        process.setProcessEnvironment(bare);
        process.start(program, { argument });
        process.waitForFinished(30000);
        return Outcome { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError()) };
    };
    for (const QString& program : { cli, window }) {
        const QString name = QFileInfo(program).fileName();
        const Outcome help = run(program, QStringLiteral("--help"));
        EXPECT_EQ(help.exitCode, 0) << qPrintable(name);
        EXPECT_TRUE(help.output.startsWith(QStringLiteral("usage: ") + name)) << qPrintable(help.output);
        EXPECT_TRUE(help.output.contains(QStringLiteral("--image DISK-IMAGE"))) << qPrintable(name);
        EXPECT_TRUE(help.errors.isEmpty()) << qPrintable(help.errors);
        const Outcome version = run(program, QStringLiteral("--version"));
        EXPECT_EQ(version.exitCode, 0) << qPrintable(name);
        EXPECT_EQ(version.output, name + QStringLiteral(" " BOOTCANVAS_VERSION "\n"));
    }
    // Nothing was made on the way: no default machine for a question about the program.
    EXPECT_TRUE(QDir(home.path()).isEmpty());
    const Outcome help = run(cli, QStringLiteral("--help"));
    for (const char* command : { "convert", "info", "preview", "list", "install", "restore", "repair" })
        EXPECT_TRUE(help.output.contains(QStringLiteral("  ") + QLatin1String(command))) << command;
    const Outcome mistake = run(cli, QStringLiteral("--helpful"));
    EXPECT_EQ(mistake.exitCode, 2);
    EXPECT_TRUE(mistake.output.isEmpty());
    EXPECT_TRUE(mistake.errors.startsWith(QStringLiteral("usage: bootcanvas-cli")))
        << qPrintable(mistake.errors);
}

} // namespace
