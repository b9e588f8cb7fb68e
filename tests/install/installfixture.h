#pragma once

#include "support/child.h"
#include "support/testmachine.h"

#include "app/settings.h"
#include "library/activebar.h"
#include "library/logolist.h"
#include "library/principale.h"

#include <QAction>
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

inline const QString Program = QStringLiteral("C:\\Program Files\\Bootcanvas\\");
inline const QStringList AllScreens
    = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };

// The main window over a machine in a temporary folder; the logo folder is the program folder.
class InstallTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetSettings();
        Settings& s = settings();
        s.AppPath = s.LogoPath = Program;
        s.WinPath = QStringLiteral("C:\\WINDOWS\\");
        s.StartUpDrive = QStringLiteral("C:\\");
        s.DefaultLogoSet = DontKnow;
        newWindow();
    }
    void TearDown() override { resetSettings(); }

    void newWindow()
    {
        window.reset();
        window = std::make_unique<Principale>();
        window->setMsdosPath(QStringLiteral("C:\\msdos.sys"));
    }

    // A set folder holding `screens`, the first of shade `shade`, the next of shade + 1, ...
    void addSet(const QString& name, const QStringList& screens, int shade)
    {
        machine.makeFolder(Program + name);
        for (const QString& screen : screens)
            machine.writeFile(Program + name + QLatin1Char('\\') + screen, screenBytes(shade++));
        list()->addItem(name, QStringLiteral("multilogo"));
    }
    void select(const QString& name) { list()->selectRow(list()->findItem(name)); }
    void install(const QString& name)
    {
        select(name);
        window->ItmSetDefault_Click();
    }
    QString selectedName() const { return list()->itemText(list()->selectedRow()); }
    void toggleCurrentView() { bar()->Tools(QStringLiteral("ToolShowCurrent"))->toggle(); }

    LogoList* list() const { return child<LogoList>(*window, "MyList"); }
    ActiveBar* bar() const { return child<ActiveBar>(*window, "ActiveBar1"); }

    TestMachine machine;
    std::unique_ptr<Principale> window;
};
