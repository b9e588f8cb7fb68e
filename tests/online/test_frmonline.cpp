#include "httpstub.h"
#include "support/child.h"

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
const QString Updated = QStringLiteral("Your version is updated!");
const QByteArray UpToDate = "[Update]\nVersion=" BOOTCANVAS_VERSION "\nDownload=http://example.org/\n";
const QByteArray Newer
    = "[Update]\nVersion=4.2.1\nDownload=https://example.org/b.tar.gz\nAbstract=not shown\n"
      "Description=New formats\nDescription=Fewer clicks\n";

// The window over a machine whose machine.ini sends the check to `address`.
struct OnlineWindow {
    explicit OnlineWindow(const QString& address)
        : machine("[Online]\nUpdateUrl=" + address.toUtf8() + "\n")
    {
        child<WebVrChk>(window, "WebVrChk1")->setTimeoutMs(1500);
    }
    TestMachine machine;
    ScriptedMsgBox messages;
    FrmOnline window;
};

} // namespace

TEST(FrmOnline, UpToDateShowsTheInstalledVersionAsLatest)
{
    HttpStub server;
    server.respond(200, UpToDate);
    OnlineWindow online(server.url());
    EXPECT_EQ(child<QLabel>(online.window, "LblStatus")->text(), StartStatus);
    EXPECT_TRUE(child<QPushButton>(online.window, "BtnDownload")->isHidden());
    online.window.BtnCheck_Click();
    EXPECT_EQ(child<QLabel>(online.window, "LblStatus")->text(), Updated);
    EXPECT_EQ(child<QLabel>(online.window, "LblLatestVersion")->text(), QStringLiteral("4.00"));
    EXPECT_TRUE(child<QPushButton>(online.window, "BtnCheck")->isEnabled());
    EXPECT_EQ(server.requests.size(), 1);
}

TEST(FrmOnline, NewerVersionOffersTheDownload)
{
    HttpStub server;
    server.respond(200, Newer);
    OnlineWindow online(server.url());
    bool disabledWhileChecking = false;
    QObject::connect(child<WebVrChk>(online.window, "WebVrChk1"), &WebVrChk::UpdateAvailable, &online.window,
        [&] { disabledWhileChecking = !child<QPushButton>(online.window, "BtnCheck")->isEnabled(); });
    online.window.BtnCheck_Click();
    EXPECT_TRUE(disabledWhileChecking);
    EXPECT_EQ(child<QLabel>(online.window, "LblStatus")->text(), QStringLiteral("New version available"));
    EXPECT_EQ(child<QLabel>(online.window, "LblLatestVersion")->text(), QStringLiteral("4.2.1"));
    EXPECT_EQ(child<QPlainTextEdit>(online.window, "Descript")->toPlainText(),
        QStringLiteral("New formats\nFewer clicks"));
    EXPECT_FALSE(child<QPushButton>(online.window, "BtnDownload")->isHidden());

    QString opened;
    platform::setShellOpener([&](const QString& target) { return !(opened = target).isEmpty(); });
    online.window.BtnDownload_Click();
    platform::setShellOpener({});
    EXPECT_EQ(opened, QStringLiteral("https://example.org/b.tar.gz"));
}

TEST(FrmOnline, FailuresSayWhatHappenedAndResetTheStatus)
{
    const std::pair<int, QString> cases[] = {
        { 0, QStringLiteral("Could not connect to web site - are you connected to the Internet?") },
        { 404, QStringLiteral("File not found on Web Server") },
        { 200, QString() }, // a file that is not an update file
    };
    for (const auto& [status, message] : cases) {
        HttpStub server;
        server.respond(status, "Version=5\n");
        OnlineWindow online(status == 0 ? deadAddress() : server.url());
        online.window.BtnCheck_Click();
        SCOPED_TRACE(status);
        EXPECT_EQ(child<QLabel>(online.window, "LblStatus")->text(), StartStatus);
        EXPECT_TRUE(child<QLabel>(online.window, "LblLatestVersion")->text().isEmpty());
        ASSERT_EQ(online.messages.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            EXPECT_EQ(online.messages.shown.first().prompt, message);
            EXPECT_EQ(online.messages.shown.first().buttons, vbOKOnly);
            EXPECT_EQ(online.messages.shown.first().title, QStringLiteral("Bootcanvas"));
        }
    }
}

TEST(FrmOnline, LaterCheckIsNotHiddenByAnEarlierResult)
{
    HttpStub server;
    server.respond(404, "gone");
    OnlineWindow online(server.url());
    online.window.BtnCheck_Click();
    server.respond(200, Newer);
    online.window.BtnCheck_Click();
    server.respond(200, UpToDate);
    online.window.BtnCheck_Click();
    EXPECT_EQ(child<QLabel>(online.window, "LblStatus")->text(), Updated);
    EXPECT_EQ(child<QLabel>(online.window, "LblLatestVersion")->text(), QStringLiteral("4.00"));
}
