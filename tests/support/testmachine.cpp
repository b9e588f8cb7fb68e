#include "testmachine.h"

#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TestMachine::TestMachine(const QByteArray& extraIni)
    : m_extraIni(extraIni)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder for the test machine");
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("drive_c/WINDOWS/TEMP"));
    root.mkpath(QStringLiteral("drive_c/Program Files/Bootcanvas"));
    writeIni();
}

TestMachine::~TestMachine() = default;

void TestMachine::writeIni() const
{
    QFile ini(m_dir.filePath(QStringLiteral("machine.ini")));
    ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ini.write("[Drives]\nC=drive_c,fixed\n" + m_extraDrives
        + "\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\n"
          "Program=C:\\Program Files\\Bootcanvas\n"
        + m_extraIni);
    ini.close();
    platform::setCurrentMachine(platform::Machine::open(m_dir.path()));
}

void TestMachine::addDrive(QChar letter, const QString& type)
{
    const QString folderName = QStringLiteral("drive_") + letter.toLower();
    QDir(m_dir.path()).mkpath(folderName);
    m_extraDrives += QString(
        letter.toUpper() + QLatin1Char('=') + folderName + QLatin1Char(',') + type + QLatin1Char('\n'))
                         .toUtf8();
    writeIni();
}

QString TestMachine::host(const QString& windowsPath) const
{
    QString rest = windowsPath.mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString driveFolder = QStringLiteral("drive_") + windowsPath.at(0).toLower();
    return QDir::cleanPath(m_dir.path() + QLatin1Char('/') + driveFolder + rest);
}

void TestMachine::writeFile(const QString& windowsPath, const QByteArray& bytes) const
{
    const QString path = host(windowsPath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(bytes);
}

QByteArray TestMachine::readFile(const QString& windowsPath) const
{
    QFile file(host(windowsPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestMachine::exists(const QString& windowsPath) const
{
    return QFileInfo::exists(host(windowsPath));
}

void TestMachine::makeFolder(const QString& windowsPath) const
{
    QDir().mkpath(host(windowsPath));
}
