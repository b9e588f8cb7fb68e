#pragma once

#include "support/child.h"
#include "support/freshsettings.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include "app/settings.h"
#include "library/activebar.h"
#include "library/logolist.h"
#include "library/principale.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

// A main window that has read the library, as at start-up.
inline std::unique_ptr<Principale> openMainWindow()
{
    auto window = std::make_unique<Principale>();
    window->LeggiDatiDisco();
    return window;
}

// The names in the main list, top to bottom.
inline QStringList rowsOf(const Principale& window)
{
    QStringList texts;
    const auto* list = child<LogoList>(window, "MyList");
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->itemText(row));
    return texts;
}

// A main window over a machine whose logo folder is C:\Logos, with the settings a fresh start
// would give and every question answered through `msgbox` (Yes unless queued otherwise).
class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startWithFreshSettings();
        Settings& s = settings();
        s.LogoPath = QStringLiteral("C:\\Logos\\");
        s.ConfirmLogosetDelete = 1;
        s.ConfirmLogoTypeChange = 1;
        machine.makeFolder(QStringLiteral("C:\\Logos"));
    }

    // A 320 x 400, 8-bit screen filled with one grey level.
    void writeScreen(const QString& windowsPath, int grey) const
    {
        QImage image(320, 400, QImage::Format_Indexed8);
        image.setColorTable({ qRgb(grey, grey, grey) });
        image.fill(0);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        machine.writeFile(windowsPath, bytes);
    }
    void makeSet(const QString& name) const { machine.makeFolder(QStringLiteral("C:\\Logos\\") + name); }

    Principale& openWindow()
    {
        window = openMainWindow();
        return *window;
    }
    QStringList rows() const { return rowsOf(*window); }
    QString selectedText() const { return list()->itemText(list()->selectedRow()); }
    void select(const QString& name) { window->SelItem(name); }
    LogoList* list() const { return child<LogoList>(*window, "MyList"); }
    ActiveBar* bar() const { return child<ActiveBar>(*window, "ActiveBar1"); }

    TestMachine machine;
    ScriptedMsgBox msgbox { vbYes };
    std::unique_ptr<Principale> window;
};

inline int greyAtCentre(const QImage& picture)
{
    return picture.isNull() ? -1 : qRed(picture.pixel(picture.width() / 2, picture.height() / 2));
}
