#include "httpstub.h"

#include "online/frmonline.h"
#include "online/webvrchk.h"
#include "platform/shell.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace
{

const QString StartStatus = QStringLiteral("Press 'Check!' to receive the latest information...");
const QByteArray UpToDate = "[Update]\nVersion=" BOOTCANVAS_VERSION "\nDownload=http://example.org/\n";
const QByteArray Newer = "[Update]\nVersion=4.2.1\nDownload=https://example.org/bootcanvas-4.2.1.tar.gz\n"
                         "Abstract=not shown\nDescription=New picture formats\nDescription=Fewer clicks\n";

// The window over a machine whose machine.ini points the check at the test's server.
struct OnlineWindow {
    explicit OnlineWindow(const QString& address)
        : machine("[Online]\nUpdateUrl=" + address.toUtf8() + "\n")
        , window()
    {
        window.WebVrChk1->setTimeoutMs(1500);
    }
    TestMachine machine;
    ScriptedMsgBox messages;
    FrmOnline window;
};

} // namespace

TEST(FrmOnline, OpensWithItsStartTextsAndTheMachinesAddress)
{
    HttpStub server;
    OnlineWindow online(server.url());
    EXPECT_EQ(online.window.windowTitle(), QStringLiteral("Online check"));
    EXPECT_EQ(online.window.LblStatus->text(), StartStatus);
    EXPECT_EQ(online.window.LblCurVersion->text(), QStringLiteral("4.00"));
    EXPECT_TRUE(online.window.LblLatestVersion->text().isEmpty());
    EXPECT_TRUE(online.window.BtnDownload->isHidden());
    EXPECT_EQ(online.window.WebVrChk1->url(), QUrl(server.url()));
    EXPECT_EQ(online.window.WebVrChk1->version(), QStringLiteral("4.0.0"));
}

TEST(FrmOnline, UpToDateShowsTheInstalledVersionAsLatest)
{
    HttpStub server;
    server.respond(200, UpToDate);
    OnlineWindow online(server.url());
    online.window.BtnCheck_Click();
    EXPECT_EQ(online.window.LblStatus->text(), QStringLiteral("Your version is updated!"));
    EXPECT_EQ(online.window.LblLatestVersion->text(), QStringLiteral("4.00"));
    EXPECT_TRUE(online.window.BtnCheck->isEnabled());
    EXPECT_TRUE(online.window.BtnDownload->isHidden());
    EXPECT_TRUE(online.messages.shown.isEmpty());
}

TEST(FrmOnline, NewerVersionOffersTheDownload)
{
    HttpStub server;
    server.respond(200, Newer);
    OnlineWindow online(server.url());
    bool disabledWhileChecking = false;
    QObject::connect(online.window.WebVrChk1, &WebVrChk::UpdateAvailable, &online.window,
        [&] { disabledWhileChecking = !online.window.BtnCheck->isEnabled(); });
    online.window.BtnCheck_Click();
    EXPECT_TRUE(disabledWhileChecking);
    EXPECT_EQ(online.window.LblStatus->text(), QStringLiteral("New version available"));
    EXPECT_EQ(online.window.LblLatestVersion->text(), QStringLiteral("4.2.1"));
    EXPECT_EQ(online.window.Descript->toPlainText(), QStringLiteral("New picture formats\nFewer clicks"));
    EXPECT_FALSE(online.window.BtnDownload->isHidden());

    QStringList opened;
    platform::setShellOpener([&](const QString& target) {
        opened.append(target);
        return true;
    });
    online.window.BtnDownload_Click();
    platform::setShellOpener({});
    EXPECT_EQ(opened, QStringList { QStringLiteral("https://example.org/bootcanvas-4.2.1.tar.gz") });
}

TEST(FrmOnline, FailuresSayWhatHappenedAndResetTheStatus)
{
    const struct {
        int status; // 0: nobody listens
        QByteArray body;
        QString message; // empty: none
    } cases[] = {
        { 0, {}, QStringLiteral("Could not connect to web site - are you connected to the Internet?") },
        { 404, "gone", QStringLiteral("File not found on Web Server") },
        { 200, "Version=5\n", QString() },
        { 503, "busy", QString() },
    };
    for (const auto& failure : cases) {
        HttpStub server;
        server.respond(failure.status, failure.body);
        OnlineWindow online(failure.status == 0 ? deadAddress() : server.url());
        online.window.BtnCheck_Click();
        SCOPED_TRACE(failure.status);
        EXPECT_EQ(online.window.LblStatus->text(), StartStatus);
        EXPECT_TRUE(online.window.LblLatestVersion->text().isEmpty());
        EXPECT_TRUE(online.window.BtnCheck->isEnabled());
        if (failure.message.isEmpty()) {
            EXPECT_TRUE(online.messages.shown.isEmpty());
            continue;
        }
        ASSERT_EQ(online.messages.shown.size(), 1);
        EXPECT_EQ(online.messages.shown.first().prompt, failure.message);
        EXPECT_EQ(online.messages.shown.first().buttons, vbOKOnly);
        EXPECT_EQ(online.messages.shown.first().title, QStringLiteral("Bootcanvas"));
    }
}

TEST(FrmOnline, CheckAfterAnEarlierResultStillReportsUpToDate)
{
    HttpStub server;
    server.respond(404, "gone");
    OnlineWindow online(server.url());
    online.window.BtnCheck_Click();
    ASSERT_TRUE(online.window.CheckFailed);

    server.respond(200, Newer);
    online.window.BtnCheck_Click();
    EXPECT_FALSE(online.window.CheckFailed);
    ASSERT_TRUE(online.window.UpdateFound);

    server.respond(200, UpToDate);
    online.window.BtnCheck_Click();
    EXPECT_FALSE(online.window.UpdateFound);
    EXPECT_EQ(online.window.LblStatus->text(), QStringLiteral("Your version is updated!"));
    EXPECT_EQ(online.window.LblLatestVersion->text(), QStringLiteral("4.00"));
}
