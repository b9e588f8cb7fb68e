#pragma once

// bootcanvas-cli run as real processes in a home folder of their own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline const QStringList InstalledScreens = { QStringLiteral("LOGO.SYS"), QStringLiteral("WINDOWS/LOGOW.SYS"),
    QStringLiteral("WINDOWS/LOGOS.SYS") };

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct CliRun {
    int exitCode = -1;
    QString errors;
    QString output;
};

class CliMachine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(program).isExecutable())
            GTEST_SKIP() << "bootcanvas-cli is not built";
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        environment.remove(QStringLiteral("BOOTCANVAS_MACHINE"));
    }

    // The command, on the image's machine when `imagePath` is given, else on the default machine.
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& imagePath = {}) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        const QStringList image
            = imagePath.isEmpty() ? QStringList() : QStringList { QStringLiteral("--image"), imagePath };
        process->start(program, image + arguments);
        process->waitForStarted();
        return process;
    }
    static int finish(const std::unique_ptr<QProcess>& process)
    {
        process->waitForFinished(60000);
        return process->exitCode();
    }
    CliRun run(const QStringList& arguments, const QString& imagePath = {}) const
    {
        const auto process = start(arguments, imagePath);
        finish(process);
        return { process->exitCode(), QString::fromLocal8Bit(process->readAllStandardError()),
            QString::fromLocal8Bit(process->readAllStandardOutput()) };
    }
    // A runtime folder of the test's own, where the commands keep their image folders.
    void useOwnRuntimeFolder()
    {
        const QString runtime = home.filePath(QStringLiteral("run"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }

    QString installedSet(const QString& imagePath = {}) const
    {
        const auto current = start({ QStringLiteral("current") }, imagePath);
        EXPECT_EQ(finish(current), 0) << current->readAllStandardError().toStdString();
        const QString output = QString::fromLocal8Bit(current->readAllStandardOutput());
        return output.section(u'\n', 0, 0).section(QStringLiteral(": "), 1);
    }
    // What a set installs: its own screen, or the logo folder's where the set has none.
    QByteArray screenOf(const QString& set, const QString& screen) const
    {
        const QString library
            = home.filePath(QStringLiteral("bootcanvas/machine/drive_c/Program Files/Bootcanvas/"));
        const QString name = QFileInfo(screen).fileName();
        const QString own = library + set + u'/' + name;
        return bytesOf(QFileInfo::exists(own) ? own : library + name);
    }

    // Whether every installed screen, as `installed` reads it, is the set's.
    bool holdsSet(const QString& set, const std::function<QByteArray(const QString&)>& installed) const
    {
        for (const QString& screen : InstalledScreens)
            if (installed(screen) != screenOf(set, screen))
                return false;
        return true;
    }

    const QString program = QStringLiteral(BOOTCANVAS_BINARY_DIR "/tools/bootcanvas-cli");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};
