// Pictures dragged from a web page or pasted: downloaded or written into the browser's temporary
// files, used as browsed pictures are, and deleted with them.
#include "browserfixture.h"

#include "browser/webpicture.h"
#include "online/httpstub.h"
#include "platform/winpath.h"
#include "windows/picturebox.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace
{

class OutsidePicturesTest : public BrowserTest
{
protected:
    // Drops the data on a slot (0 to 2) or the preview, as a web browser's drag ends there.
    void dropOn(const char* target, const QMimeData& data)
    {
        QWidget* widget = child<QWidget>(*form, target);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &enter);
        ASSERT_TRUE(enter.isAccepted()) << target;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &drop);
    }
    static QMimeData* address(const QString& url)
    {
        auto* data = new QMimeData;
        data->setUrls({ QUrl(url) });
        return data;
    }
    QString slotFile(int slot) const
    {
        return child<PictureBox>(*form, "ImgPreview" + QString::number(slot))->tag();
    }

    HttpStub server;
};

TEST_F(OutsidePicturesTest, AnAddressDroppedOnASlotIsDownloadedConvertedAndCleanedUpAtClose)
{
    server.respond(200, encoded(gradient(200, 150), "PNG"));
    open();
    const std::unique_ptr<QMimeData> data(address(server.url("/pictures/sky.png")));
    dropOn("ImgPreview1", *data);
    EXPECT_TRUE(msgbox.shown.isEmpty());
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests[0], "GET /pictures/sky.png HTTP/1.1");
    EXPECT_TRUE(isLogoScreenFile(slotFile(1)));
    EXPECT_EQ(form->List1.size(), 2); // the download and its conversion
    EXPECT_EQ(temporaryFiles().size(), 2);

    // On the preview it is only shown.
    dropOn("CurView", *data);
    EXPECT_TRUE(child<PictureBox>(*form, "CurView")->hasPicture());
    EXPECT_EQ(child<QLabel>(*form, "ImageInfo")->text(), QStringLiteral("200 x 150 x 16777216"));
    form->Form_Unload();
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

TEST_F(OutsidePicturesTest, TooBigFailedOrNonPictureDownloadsSaySoAndFillNothing)
{
    open();
    const std::pair<QByteArray, QString> cases[] = {
        { "HTTP/1.1 200 OK\r\nContent-Length: 73400320\r\nConnection: close\r\n\r\nxxxx",
            "the picture is larger than the limit of 64 MiB for a download" },
        { "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", "the download failed" },
    };
    for (const auto& [response, why] : cases) {
        msgbox.shown.clear();
        server.respondRaw(response);
        const std::unique_ptr<QMimeData> data(address(server.url("/big.png")));
        dropOn("ImgPreview0", *data);
        ASSERT_EQ(msgbox.shown.size(), 1) << qPrintable(why);
        EXPECT_TRUE(msgbox.shown[0].prompt.startsWith("The picture cannot be used: " + why))
            << qPrintable(msgbox.shown[0].prompt);
        EXPECT_TRUE(slotFile(0).isEmpty());
    }
    EXPECT_TRUE(temporaryFiles().isEmpty());
    // A page that is no picture is shown as one that cannot be used, with its reason.
    msgbox.shown.clear();
    server.respond(200, "<html>not a picture</html>");
    const std::unique_ptr<QMimeData> page(address(server.url("/page.html")));
    dropOn("ImgPreview0", *page);
    EXPECT_TRUE(slotFile(0).isEmpty());
    EXPECT_EQ(child<QLabel>(*form, "PictureReason")->text(),
        "not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)");
}

TEST_F(OutsidePicturesTest, ACancelledDownloadSaysNothingAndFillsNothing)
{
    server.keepSilent(); // a server that takes its time
    open();
    bool cancelled = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, form.get(), [&] {
        for (QProgressDialog* progress : form->findChildren<QProgressDialog*>())
            if (progress->isVisible()) {
                progress->findChild<QPushButton*>()->click(); // as the user clicks Cancel
                cancelled = true;
                watch.stop();
            }
    });
    watch.start(50);
    const std::unique_ptr<QMimeData> data(address(server.url("/slow.png")));
    dropOn("ImgPreview2", *data);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(msgbox.shown.isEmpty());
    EXPECT_TRUE(slotFile(2).isEmpty());
    EXPECT_TRUE(form->List1.isEmpty());
    EXPECT_TRUE(temporaryFiles().isEmpty());
}

TEST_F(OutsidePicturesTest, AFileFromAFileManagerIsUsedWhereItIsOrCopiedWhenNoDriveHoldsIt)
{
    writePicture(QStringLiteral("C:\\Pics\\beach.jpg"), 400, 300, "JPEG");
    open();
    auto* data = new QMimeData;
    data->setUrls({ QUrl::fromLocalFile(machine.host(QStringLiteral("C:\\Pics\\beach.jpg"))) });
    QGuiApplication::clipboard()->setMimeData(data); // as a file manager's Copy leaves it
    form->pasteIntoSlot(); // into the first slot, none having the focus
    EXPECT_TRUE(msgbox.shown.isEmpty());
    ASSERT_FALSE(slotFile(0).isEmpty());
    EXPECT_TRUE(isLogoScreenFile(slotFile(0)));
    EXPECT_EQ(child<PictureBox>(*form, "CurView")->tag().toUpper(), QStringLiteral("C:\\PICS\\BEACH.JPG"));
    EXPECT_EQ(form->List1.size(), 1); // only the conversion: the user's file is not ours to delete

    // Outside every drive of the machine the browser works on a copy of its own.
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("dune.png"));
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encoded(gradient(200, 150), "PNG"));
    file.close();
    ASSERT_TRUE(platform::windowsPathFor(outside).isEmpty());
    const std::unique_ptr<QMimeData> dropped(new QMimeData);
    dropped->setUrls({ QUrl::fromLocalFile(outside) });
    dropOn("ImgPreview1", *dropped);
    ASSERT_FALSE(slotFile(1).isEmpty());
    EXPECT_TRUE(isLogoScreenFile(slotFile(1)));
    EXPECT_EQ(form->List1.size(), 3); // the copy and its conversion

    form->Form_Unload();
    EXPECT_TRUE(temporaryFiles().isEmpty());
    EXPECT_TRUE(QFile::exists(machine.host(QStringLiteral("C:\\Pics\\beach.jpg"))));
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(OutsidePicturesTest, PastedAndDroppedImageDataGoIntoTheSlot)
{
    open();
    QGuiApplication::clipboard()->setImage(gradient(64, 80));
    form->pasteIntoSlot();
    EXPECT_TRUE(isLogoScreenFile(slotFile(0)));
    QMimeData data;
    data.setImageData(gradient(30, 30));
    dropOn("ImgPreview2", data);
    EXPECT_TRUE(isLogoScreenFile(slotFile(2)));
}

} // namespace
