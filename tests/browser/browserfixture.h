#pragma once

#include "support/child.h"
#include "support/encodedpicture.h"
#include "support/freshsettings.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include "app/settings.h"
#include "browser/selpictureform.h"
#include "images/gifencoder.h"
#include "sets/libraryscan.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The main window's side of the browser's link, as plain values: the sets on disk, the selected
// one and the installed-set caption, read again on every rescan.
struct LibraryStandIn {
    QStringList names;
    int selected = -1;
    QString caption;

    void rescan()
    {
        names.clear();
        caption = DontKnow;
        selected = -1;
        try {
            const LibraryScan scan = scanLogoLibrary(settings().LogoPath, settings().DefaultLogoSet);
            for (const LogoSetEntry& set : scan.sets)
                names.append(set.name);
            if (!scan.installedSet.isEmpty())
                caption = scan.installedSet;
            select(scan.installedSet);
        } catch (const std::exception&) {
        }
    }
    // A name that is not listed leaves the selection as it was.
    void select(const QString& name)
    {
        if (const int row = names.indexOf(name); row >= 0)
            selected = row;
    }
    QString selectedName() const { return selected < 0 ? QString() : names.value(selected); }
    LibraryLink link()
    {
        LibraryLink link;
        link.setNames = [this] { return names; };
        link.selectedSet = [this] { return selected; };
        link.installedCaption = [this] { return caption; };
        link.setInstalledCaption = [this](const QString& text) { caption = text; };
        link.rescan = [this] { rescan(); };
        link.select = [this](const QString& name) { select(name); };
        return link;
    }
};

// A machine whose logo folder is C:\Logos and a logo browser opened over its library, with every
// question answered through `msgbox` (Yes unless queued otherwise).
class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startWithFreshSettings();
        settings().LogoPath = QStringLiteral("C:\\Logos\\");
        machine.makeFolder(QStringLiteral("C:\\Logos"));
        machine.makeFolder(QStringLiteral("C:\\Pics"));
    }

    static QByteArray encoded(const QImage& image, const char* format) { return encodedPicture(image, format); }
    static QImage gradient(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient fill(0, 0, width, height);
        fill.setColorAt(0, Qt::darkBlue);
        fill.setColorAt(1, Qt::yellow);
        p.fillRect(image.rect(), fill);
        return image;
    }
    // A 320 x 400, 8-bit screen filled with one grey level.
    void writeScreen(const QString& path, int grey) const { machine.writeFile(path, logoScreenBytes(grey)); }
    // A 24-bit picture in any format Qt writes ("BMP", "JPEG").
    void writePicture(const QString& path, int width, int height, const char* format) const
    {
        machine.writeFile(path, encoded(gradient(width, height), format));
    }
    void writeGif(const QString& path, int width, int height) const
    {
        gif::Frame frame { width, height, std::vector<quint8>(size_t(width) * height), false };
        for (size_t i = 0; i < frame.indices.size(); ++i)
            frame.indices[i] = quint8(i % 7);
        QList<QRgb> palette;
        for (int i = 0; i < 8; ++i)
            palette.append(qRgb(i * 30, 255 - i * 30, 128));
        machine.writeFile(path, gif::encode({ frame }, palette));
    }
    void makeSet(const QString& name, bool screens = true) const
    {
        machine.makeFolder(QStringLiteral("C:\\Logos\\") + name);
        if (!screens)
            return;
        writeScreen(QStringLiteral("C:\\Logos\\") + name + QStringLiteral("\\LOGO.SYS"), 10);
        writeScreen(QStringLiteral("C:\\Logos\\") + name + QStringLiteral("\\LOGOW.SYS"), 20);
        writeScreen(QStringLiteral("C:\\Logos\\") + name + QStringLiteral("\\LOGOS.SYS"), 30);
    }
    bool isLogoScreenFile(const QString& path) const
    {
        const QImage image = QImage::fromData(machine.readFile(path), "BMP");
        return image.width() == 320 && image.height() == 400 && image.format() == QImage::Format_Indexed8;
    }
    QStringList temporaryFiles() const
    {
        return QDir(machine.host(QStringLiteral("C:\\WINDOWS\\TEMP"))).entryList(QDir::Files);
    }

    // Reads the library, selects `selected` there and opens the browser over it.
    SelPictureForm& open(const QString& selected = {})
    {
        form.reset(); // it still holds the old link
        form = std::make_unique<SelPictureForm>(connectLibrary(selected));
        form->Form_Activate();
        return *form;
    }
    virtual LibraryLink connectLibrary(const QString& selected)
    {
        library.rescan();
        library.select(selected);
        return library.link();
    }
    void add(int slot, const QString& name)
    {
        preview(QStringLiteral("C:\\Pics\\"), name);
        form->AddButton_Click(slot);
    }
    // Previews a picture as a click on its entry in the list would.
    void preview(const QString& folder, const QString& name)
    {
        form->CurrentFolder = folder;
        form->FillList(folder);
        const auto found = entryList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        form->LogoList_ItemClick(found.first());
    }
    void typeName(const QString& name)
    {
        nameBox()->setEditText(name);
        form->NameLogoSet_Change();
    }
    QListWidget* entryList() const { return child<QListWidget>(*form, "LogoList"); }
    QComboBox* nameBox() const { return child<QComboBox>(*form, "NameLogoSet"); }
    QStringList entries() const
    {
        QStringList texts;
        for (int row = 0; row < entryList()->count(); ++row)
            texts.append(entryList()->item(row)->text());
        return texts;
    }
    QStringList nameRows() const
    {
        QStringList texts;
        for (int row = 0; row < nameBox()->count(); ++row)
            texts.append(nameBox()->itemText(row));
        return texts;
    }

    TestMachine machine;
    ScriptedMsgBox msgbox { vbYes };
    LibraryStandIn library;
    std::unique_ptr<SelPictureForm> form;
};
