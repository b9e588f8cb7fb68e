#include "httpstub.h"

#include "online/updatefile.h"
#include "online/webvrchk.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace
{

// Runs one check against `address`; records the events and that each came before check() returned.
struct CheckRun {
    explicit CheckRun(
        const QString& address, const QString& version = QStringLiteral("4.0.9"), int timeoutMs = 1500)
    {
        component.setUrl(QUrl(address));
        component.setVersion(version);
        component.setTimeoutMs(timeoutMs);
        QObject::connect(&component, &WebVrChk::UpdateAvailable, &component,
            [this](const QString& v, const QString& d, const QString& a, const QString& c) {
                update = QStringList { v, d, a, c };
                events += checking ? 1 : 100;
            });
        QObject::connect(&component, &WebVrChk::ErrorInDownload, &component, [this](qint32 e) {
            error = e;
            events += checking ? 1 : 100;
        });
        checking = true;
        component.check();
        checking = false;
    }

    WebVrChk component;
    bool checking = false;
    int events = 0;
    QStringList update;
    qint32 error = 0;
};

} // namespace

TEST(WebVrChk, AnnouncesOnlyANewerRelease)
{
    HttpStub server;
    server.respond(200,
        "[Update]\nVersion=4.0.10\nDownload=/files/b.tar.gz\nAbstract=Faster\n"
        "Description=First\nDescription=Second\n");
    const CheckRun newer(server.url());
    EXPECT_EQ(newer.events, 1);
    EXPECT_EQ(newer.update,
        (QStringList { QStringLiteral("4.0.10"), server.url(QStringLiteral("/files/b.tar.gz")),
            QStringLiteral("Faster"), QStringLiteral("First\nSecond") }));
    EXPECT_EQ(server.requests.value(0), "GET /updates/bootcanvas.dat HTTP/1.1");

    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.0.10")).events, 0);
    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.1")).events, 0);
}

// Not found and no connection are shown by the window's messages; these two are told apart here.
TEST(WebVrChk, AnswerThatIsNotTheFileIsNotAnUnreadableFile)
{
    HttpStub server;
    server.respond(500, "broken");
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::ServerRefused);
    server.respond(200, "<html>a captive portal page</html>");
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);
}

TEST(WebVrChk, OversizedFileIsRefusedWhetherOrNotItsSizeIsAnnounced)
{
    HttpStub server;
    const QByteArray big
        = "[Update]\nVersion=9.0\nDownload=http://h/\n" + QByteArray(UpdateFile::MaxBytes, '#');
    server.respond(200, big);
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);
    server.respondRaw("HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n" + big + QByteArray(4 << 20, '#'));
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);
}

TEST(WebVrChk, ServerThatNeverAnswersTimesOutAsNoConnection)
{
    HttpStub server;
    server.keepSilent();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.0.0"), 300).error, WebVrChk::NoConnection);
    // It waited for an answer (timers may fire a little early), then gave up.
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
}
