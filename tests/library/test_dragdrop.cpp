#include "libraryfixture.h"
#include "support/encodedpicture.h"

#include "browser/selpictureform.h"
#include "online/httpstub.h"
#include "platformui/dialogs.h"
#include "sets/logopack.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

class DragDropTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        makeSet(QStringLiteral("Beach"));
        machine.writeFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS"), "old");
        machine.writeFile(QStringLiteral("C:\\Logos\\Beach\\KEEP.TXT"), "kept");
        machine.writeFile(QStringLiteral("C:\\Incoming\\Beach\\LOGO.SYS"), "new");
        machine.writeFile(QStringLiteral("C:\\Incoming\\Night.SLS\\LOGO.SYS"), "night");
        machine.writeFile(QStringLiteral("C:\\Incoming\\Moon\\Craters\\LOGO.SYS"), "deep");
        machine.writeFile(QStringLiteral("C:\\Incoming\\loose.bmp"), "file");
        openWindow();
    }
    void drop(const QStringList& windowsPaths)
    {
        QList<QUrl> urls;
        for (const QString& path : windowsPaths)
            urls.append(QUrl::fromLocalFile(machine.host(path)));
        QMimeData data;
        data.setUrls(urls);
        dropOnList(data);
    }
    // Through the list's own drag and drop, as the desktop's file manager delivers it.
    bool dropOnList(const QMimeData& data)
    {
        QWidget* viewport = list()->activeView()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QApplication::processEvents();
        return true;
    }
};

TEST_F(DragDropTest, OnlyFoldersBecomeSets)
{
    drop({ "C:\\Incoming\\loose.bmp", "C:\\Incoming\\Night.SLS", "C:\\Incoming\\Moon" });
    EXPECT_EQ(rows(), QStringList({ "Beach", "Moon", "Night.SLS" }));
    EXPECT_EQ(list()->itemIconKey(2), "singlelogo");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Moon\\Craters\\LOGO.SYS")), "deep");
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\Logos\\loose.bmp")));
    EXPECT_EQ(selectedText(), "Moon");
    EXPECT_EQ(child<QLabel>(*window, "NumLogo")->text(), " 3 logo sets");
    EXPECT_TRUE(msgbox.shown.isEmpty());
    // The source stays where it was: this is a copy.
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Incoming\\Moon\\Craters\\LOGO.SYS")));
}

TEST_F(DragDropTest, ExistingSetIsOverwrittenOnlyAfterYes)
{
    msgbox.answer(vbNo);
    drop({ "C:\\Incoming\\Beach" });
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_EQ(msgbox.shown[0].prompt,
        "The selected folder 'Beach' already exist in your logo folder. Would you like "
        "to overwrite the existing files?");
    EXPECT_EQ(msgbox.shown[0].buttons, vbYesNo | vbQuestion | vbDefaultButton2);
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS")), "old");

    drop({ "C:\\Incoming\\Beach" });
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS")), "new");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Beach\\KEEP.TXT")), "kept");
    EXPECT_EQ(rows(), QStringList({ "Beach" }));
    EXPECT_EQ(selectedText(), "Beach");
}

TEST_F(DragDropTest, LibraryFoldersAndForeignDataAreLeftAlone)
{
    drop({ "C:\\Logos\\Beach", "C:\\Logos", "C:\\" });
    QMimeData text;
    text.setText(QStringLiteral("C:\\Incoming\\Moon"));
    EXPECT_FALSE(dropOnList(text));
    window->MyList_OLEDragDrop(&text);
    EXPECT_EQ(rows(), QStringList({ "Beach" }));
    EXPECT_TRUE(msgbox.shown.isEmpty());
    EXPECT_EQ(QDir(machine.host(QStringLiteral("C:\\Logos"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ "Beach" }));
}

TEST_F(DragDropTest, ADroppedPackMakesItsSetsAndAsksBeforeOverwriting)
{
    const QByteArray bytes = logoScreenBytes(7);
    machine.makeFolder(QStringLiteral("C:\\Incoming"));
    QString problem;
    ASSERT_TRUE(packs::writeLogoPack(machine.host(QStringLiteral("C:\\Incoming\\pack.ZIP")),
        { { "Beach", { { "LOGO.SYS", bytes } } }, { "Glacier", { { "LOGO.SYS", bytes } } } }, problem));
    msgbox.answer(vbNo);
    drop({ "C:\\Incoming\\pack.ZIP" });
    ASSERT_EQ(msgbox.shown.size(), 1);
    EXPECT_TRUE(msgbox.shown[0].prompt.contains("'Beach' already exist"))
        << qPrintable(msgbox.shown[0].prompt);
    EXPECT_EQ(rows(), QStringList({ "Beach", "Glacier" }));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Beach\\LOGO.SYS")), "old");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Glacier\\LOGO.SYS")), bytes);
    EXPECT_EQ(selectedText(), "Glacier");

    // The menu entry writes the selected set back as a pack.
    const QString exported = machine.host(QStringLiteral("C:\\Incoming\\out.zip"));
    platform::setDialogResponder([&](const QString&) { return exported; });
    window->ItmExportPack_Click();
    platform::setDialogResponder({});
    QFile out(exported);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const packs::PackContents back = packs::readLogoPack(out.readAll(), "out");
    ASSERT_EQ(back.sets.size(), 1);
    EXPECT_EQ(back.sets[0].name, "Glacier");
    EXPECT_EQ(back.sets[0].screens[0].bytes, bytes);
}

TEST_F(DragDropTest, APictureFromAWebPageOpensTheBrowserWithItInThePreview)
{
    HttpStub server;
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QByteArray png = encodedPicture(picture, "PNG");
    server.respond(200, png);
    QString shown;
    // The browser is modal: it is looked at, then closed, from inside its own event loop.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* browser = qobject_cast<SelPictureForm*>(top); browser && browser->isVisible()) {
                shown = child<QLabel>(*browser, "ImageInfo")->text();
                if (shown != QLatin1String("no logo selected"))
                    browser->reject();
            }
    });
    watch.start(20);
    QMimeData data;
    data.setUrls({ QUrl(server.url("/sky.png")) });
    ASSERT_TRUE(dropOnList(data));
    EXPECT_EQ(shown, QStringLiteral("120 x 90 x 16777216"));
    EXPECT_EQ(rows(), QStringList({ "Beach" }));
}
