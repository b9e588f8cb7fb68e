#include "httpstub.h"

#include "online/updatefile.h"
#include "online/webvrchk.h"
#include "support/testmachine.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace
{

const QByteArray NewerFile = "[Update]\nVersion=4.0.10\nDownload=/files/bootcanvas-4.0.10.tar.gz\n"
                             "Abstract=Faster previews\nDescription=First line\nDescription=Second line\n";

// Runs one check and records the events, and whether each came before check() returned.
struct CheckRun {
    explicit CheckRun(const QString& address, const QString& version = QStringLiteral("4.0.9"))
    {
        component.setUrl(QUrl(address));
        component.setVersion(version);
        component.setTimeoutMs(1500);
        QObject::connect(&component, &WebVrChk::UpdateAvailable, &component,
            [this](const QString& v, const QString& d, const QString& a, const QString& c) {
                update = { v, d, a, c };
                ++events;
                EXPECT_TRUE(checking);
            });
        QObject::connect(&component, &WebVrChk::ErrorInDownload, &component, [this](qint32 e) {
            error = e;
            ++events;
            EXPECT_TRUE(checking);
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

TEST(WebVrChk, NewerReleaseIsAnnouncedWithItsValuesAndAResolvedDownloadAddress)
{
    HttpStub server;
    server.respond(200, NewerFile);
    CheckRun run(server.url());
    ASSERT_EQ(run.events, 1);
    EXPECT_EQ(run.update,
        (QStringList { QStringLiteral("4.0.10"),
            server.url(QStringLiteral("/files/bootcanvas-4.0.10.tar.gz")), QStringLiteral("Faster previews"),
            QStringLiteral("First line\nSecond line") }));
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests.first(), "GET /updates/bootcanvas.dat HTTP/1.1");
}

TEST(WebVrChk, SameOrOlderReleaseRaisesNothing)
{
    HttpStub server;
    server.respond(200, NewerFile);
    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.0.10")).events, 0);
    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.1")).events, 0);
    EXPECT_EQ(CheckRun(server.url(), QStringLiteral("4.0.9")).events, 1);
}

TEST(WebVrChk, EachFailureHasItsNumber)
{
    HttpStub server;
    server.respond(404, "no such file");
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::FileNotFound);

    server.respond(500, "broken");
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::ServerRefused);

    server.respond(200, "<html>a captive portal page</html>");
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);

    EXPECT_EQ(CheckRun(deadAddress()).error, WebVrChk::NoConnection);
}

TEST(WebVrChk, OversizedFileIsRefusedWhetherOrNotItsSizeIsAnnounced)
{
    HttpStub server;
    const QByteArray padding
        = "[Update]\nVersion=9.0\nDownload=http://h/\n" + QByteArray(UpdateFile::MaxBytes, '#');
    server.respond(200, padding);
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);

    // Without a length the body is counted as it arrives, and the download stops at the limit.
    server.respondRaw("HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n" + padding + QByteArray(4 << 20, '#'));
    EXPECT_EQ(CheckRun(server.url()).error, WebVrChk::UnreadableFile);
}

TEST(WebVrChk, ServerThatNeverAnswersTimesOutAsNoConnection)
{
    HttpStub server;
    server.keepSilent();
    WebVrChk component;
    component.setUrl(QUrl(server.url()));
    component.setTimeoutMs(300);
    qint32 error = 0;
    QObject::connect(&component, &WebVrChk::ErrorInDownload, &component, [&](qint32 e) { error = e; });
    QElapsedTimer clock;
    clock.start();
    component.check();
    EXPECT_EQ(error, WebVrChk::NoConnection);
    // It waited for the answer (timers may fire a little early), then gave up.
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(WebVrChk, MachineNamesTheUpdateAddress)
{
    {
        TestMachine machine;
        EXPECT_EQ(updateFileAddress().toString(), QStringLiteral(BOOTCANVAS_UPDATE_URL));
        EXPECT_TRUE(updateFileAddress().path().endsWith(QStringLiteral("/updates/bootcanvas.dat")));
    }
    TestMachine machine("[Online]\nUpdateUrl=http://127.0.0.1:8080/mirror/updates/bootcanvas.dat\n");
    EXPECT_EQ(
        updateFileAddress(), QUrl(QStringLiteral("http://127.0.0.1:8080/mirror/updates/bootcanvas.dat")));
}
