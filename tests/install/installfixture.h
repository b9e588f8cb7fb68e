#pragma once

#include "support/testmachine.h"

#include "app/settings.h"
#include "library/logolist.h"
#include "library/principale.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>

// A logo screen whose bytes differ for every shade, so a test can tell which set a file came from.
inline QByteArray screenBytes(int shade)
{
    QImage image(320, 400, QImage::Format_Indexed8);
    image.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        image.setColor(i, qRgb(i, shade & 0xFF, 255 - i));
    image.fill(shade & 0xFF);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The main window over a machine in a temporary folder: the logo folder is the program folder,
// the boot drive and the Windows drive are C.
class InstallTest : public ::testing::Test
{
protected:
    static inline const QString ProgramFolder = QStringLiteral("C:\\Program Files\\Bootcanvas\\");

    void SetUp() override
    {
        resetSettings();
        Settings& s = settings();
        s.AppPath = ProgramFolder;
        s.LogoPath = ProgramFolder;
        s.WinPath = QStringLiteral("C:\\WINDOWS\\");
        s.StartUpDrive = QStringLiteral("C:\\");
        s.DefaultLogoSet = DontKnow;
        window = std::make_unique<Principale>();
        window->MsdosPath = QStringLiteral("C:\\msdos.sys");
    }

    void TearDown() override
    {
        window.reset();
        resetSettings();
    }

    // A set folder with the screens named in `screens` ("LOGO.SYS", ...), each of its own shade.
    void addSet(const QString& name, const QStringList& screens, int shade)
    {
        machine.makeFolder(ProgramFolder + name);
        for (int i = 0; i < screens.size(); ++i)
            machine.writeFile(ProgramFolder + name + QLatin1Char('\\') + screens[i], screenBytes(shade + i));
        window->MyList->addItem(name,
            name.endsWith(QLatin1String(".sls"), Qt::CaseInsensitive) ? QStringLiteral("singlelogo")
                                                                      : QStringLiteral("multilogo"));
    }

    void select(const QString& name) { window->MyList->selectRow(window->MyList->findItem(name)); }

    QString selectedName() const
    {
        const int row = window->MyList->selectedRow();
        return row < 0 ? QString() : window->MyList->itemText(row);
    }

    static inline const QStringList AllScreens
        = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };

    TestMachine machine;
    std::unique_ptr<Principale> window;
};
