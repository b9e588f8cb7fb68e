#include "imagemachine.h"

#include "platform/machine.h"

#include <QDir>
#include <QFile>

void ImageMachineTest::SetUp()
{
    if (!TestImage::toolsAvailable())
        return;
    image = std::make_unique<TestImage>();
    useImage(image->path());
}

void ImageMachineTest::useImage(const QString& imagePath, const QString& driveOptions)
{
    QDir(m_machine.path()).mkpath(QStringLiteral("host"));
    QFile ini(m_machine.filePath(QStringLiteral("machine.ini")));
    ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ini.write(("[Drives]\nC=" + imagePath + ",fixed" + driveOptions
        + "\nH=host,fixed\n[Paths]\nWindows=C:\\WINDOWS\nTemp=C:\\WINDOWS\\TEMP\nProgram=H:\\\n")
                  .toUtf8());
    ini.close();
    platform::setCurrentMachine(platform::Machine::open(m_machine.path()));
}

void ImageMachineTest::writeHostFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(hostFolder() + QLatin1Char('/') + name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}
