#include "platform/launcher.h"
#include "support/testmachine.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace
{

// A program that writes the arguments it received, NUL-separated, to "<itself>.args".
const QByteArray ArgumentRecorder = "#!/bin/sh\n"
                                    "printf '%s\\0' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n";

void writeExecutable(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList recordedArguments(const QString& program)
{
    const QString output = program + QStringLiteral(".args");
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(output) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("<program never ran>") };
    QStringList arguments = QString::fromUtf8(file.readAll()).split(QChar(0));
    arguments.removeLast(); // after the last terminator
    return arguments;
}

// PATH replaced for one test, so that a stand-in "wine" is found or none is.
class ScopedPath
{
public:
    explicit ScopedPath(const QString& path)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~ScopedPath() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recorder = tools.filePath(QStringLiteral("recorder"));
        writeExecutable(recorder, ArgumentRecorder);
        writeExecutable(tools.filePath(QStringLiteral("wine")), ArgumentRecorder);
    }

    QTemporaryDir tools;
    QString recorder;
};

TEST_F(LauncherTest, HostileArgumentsReachTheProgramUnchanged)
{
    TestMachine machine("[Programs]\nC:\\WINDOWS\\pbrush.exe=" + recorder.toUtf8() + "\n");
    const QString picture = QStringLiteral("C:\\My Pictures\\it's; rm -rf ~ $(id) `id` & x.bmp");
    const QString plain = QStringLiteral("\"quoted\" ; rm -rf ~ $(id) `id` | cat\nsecond line");

    QString error;
    ASSERT_TRUE(platform::startProgram(
        QStringLiteral("c:\\windows\\PBRUSH.EXE"), { picture, plain, QString() }, &error))
        << error.toStdString();

    const QStringList expected { machine.host(picture), plain, QString() };
    EXPECT_EQ(recordedArguments(recorder), expected);
}

TEST_F(LauncherTest, MappingComesFirstThenHostExecutableThenWine)
{
    TestMachine machine("[Programs]\nC:\\WINDOWS\\pbrush.exe=" + recorder.toUtf8()
        + "\nC:\\APPS\\gone.exe=/nonexistent/paint\n"
          "C:\\APPS\\fixed.exe=recorder --new \"two words\"\n");
    const ScopedPath path(tools.path());
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\pbrush.exe"), "MZ");
    machine.writeFile(QStringLiteral("C:\\APPS\\gone.exe"), "MZ");
    machine.writeFile(QStringLiteral("C:\\APPS\\tool"), "#!/bin/sh\n");
    QFile::setPermissions(machine.host(QStringLiteral("C:\\APPS\\tool")), QFile::ReadOwner | QFile::ExeOwner);
    const QString wine = tools.filePath(QStringLiteral("wine"));
    const QString picture = QStringLiteral("c:/pics/a.bmp");
    const QString pictureHost = machine.host(QStringLiteral("C:\\pics\\a.bmp"));

    EXPECT_EQ(platform::resolveProgramCommand(QStringLiteral("C:\\WINDOWS\\pbrush.exe"), { picture }),
        QStringList({ recorder, pictureHost }));
    EXPECT_EQ(platform::resolveProgramCommand(QStringLiteral("C:\\APPS\\fixed.exe"), { picture }),
        QStringList({ recorder, QStringLiteral("--new"), QStringLiteral("two words"), pictureHost }));
    // Only Windows paths on the machine's drives are translated.
    const QStringList untouched { QStringLiteral("/auto"), QStringLiteral("D:\\unmapped.bmp"),
        QStringLiteral("C:relative.bmp"), QStringLiteral("C:\\bad|name.bmp"),
        QStringLiteral("https://example.org/") };
    EXPECT_EQ(platform::resolveProgramCommand(QStringLiteral("C:\\apps\\TOOL"), untouched),
        QStringList { machine.host(QStringLiteral("C:\\APPS\\tool")) } + untouched);

    // A mapping whose program is missing falls back to wine, which sees paths through its Z: drive.
    QString wineView = QStringLiteral("Z:") + pictureHost;
    wineView.replace(QLatin1Char('/'), QLatin1Char('\\'));
    EXPECT_EQ(platform::resolveProgramCommand(QStringLiteral("C:\\APPS\\gone.exe"), { picture }),
        QStringList({ wine, machine.host(QStringLiteral("C:\\APPS\\gone.exe")), wineView }));
}

TEST_F(LauncherTest, NothingStartsWithoutAProgramToRun)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\notes.txt"), "not a program");
    machine.writeFile(QStringLiteral("C:\\WINDOWS\\pbrush.exe"), "MZ");
    const ScopedPath path(QStringLiteral("/nonexistent"));

    for (const QString& program :
        { QStringLiteral("C:\\WINDOWS\\notes.txt"), QStringLiteral("C:\\WINDOWS\\pbrush.exe"),
            QStringLiteral("C:\\WINDOWS\\missing.exe"), QStringLiteral("Q:\\x.exe") }) {
        QString error;
        EXPECT_TRUE(platform::resolveProgramCommand(program, {}).isEmpty()) << program.toStdString();
        EXPECT_FALSE(platform::startProgram(program, {}, &error)) << program.toStdString();
        EXPECT_TRUE(error.contains(program)) << error.toStdString();
    }
}

} // namespace
