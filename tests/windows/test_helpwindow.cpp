#include "support/child.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"
#include "windows/helpwindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace
{

const QByteArray SampleHelp = "# a comment\n"
                              "@title Sample Help\n"
                              "\n"
                              "@topic 1 Contents\r\n"
                              "See [[30]] and [[19|the browser]].\r\n"
                              "@topic 30 Tutorial\n"
                              "First line\n"
                              "joined to it.\n"
                              "\n"
                              "== Steps\n"
                              "1. Open\n"
                              "  the browser.\n"
                              "7. Add <pictures> & **save**\n"
                              "- a bullet\n"
                              "After the list.\n"
                              "@topic 19 Logo browser\n"
                              "Broken [[link and [[x|y]] and [[999]].\n";

const QString HelpFile = QStringLiteral("C:\\Program Files\\Bootcanvas\\bootcanvas.hlp");

HelpDocument sample()
{
    QString error;
    const std::optional<HelpDocument> document = HelpDocument::parse(SampleHelp, &error);
    if (!document)
        throw std::runtime_error(error.toStdString());
    return *document;
}

QString refusal(const QByteArray& text)
{
    QString error;
    return HelpDocument::parse(text, &error) ? QStringLiteral("<accepted>") : error;
}

void closeHelpWindow()
{
    delete HelpWindow::instance();
    QCoreApplication::processEvents();
}

TEST(HelpDocument, ReadsTopicsAndRendersTheirMarkup)
{
    const HelpDocument document = sample();
    EXPECT_EQ(document.title(), QStringLiteral("Sample Help"));
    ASSERT_EQ(document.topics().size(), 3);
    EXPECT_EQ(document.contents().number, 1);
    EXPECT_EQ(document.topic(2), nullptr);

    const QString contents = document.topicHtml(1);
    EXPECT_TRUE(contents.contains(QStringLiteral("<a href=\"topic:30\">Tutorial</a>")));
    EXPECT_TRUE(contents.contains(QStringLiteral("<a href=\"topic:19\">the browser</a>")));
    EXPECT_EQ(document.topicHtml(12345), contents);

    const QString tutorial = document.topicHtml(30);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("<p>First line joined to it.</p><h3>Steps</h3>")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("Add &lt;pictures&gt; &amp; <b>save</b>")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("<ol><li>Open the browser.</li><li>")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("</ol><ul><li>a bullet</li></ul><p>After the list.</p>")));

    // Broken links stay text; a link to a missing topic still leads somewhere (the contents).
    const QString browser = document.topicHtml(19);
    EXPECT_TRUE(browser.contains(QStringLiteral("Broken [[link and [[x|y]] and ")));
    EXPECT_TRUE(browser.contains(QStringLiteral("<a href=\"topic:999\">topic 999</a>")));

    EXPECT_TRUE(document.whatsThisHtml(1).contains(QStringLiteral("See Tutorial and the browser.")));
    EXPECT_TRUE(document.whatsThisHtml(12345).isEmpty());
}

TEST(HelpDocument, RefusesWhatIsNotAHelpFile)
{
    EXPECT_TRUE(refusal("").contains(QStringLiteral("no topic")));
    EXPECT_TRUE(refusal("Hello\n@topic 1 Contents\n").startsWith(QStringLiteral("line 1:")));
    EXPECT_TRUE(refusal("@topic 1 A\n@topic 1 B\n").contains(QStringLiteral("twice")));
    EXPECT_TRUE(refusal("@topic one Contents\n").startsWith(QStringLiteral("line 1:")));
    EXPECT_TRUE(refusal("@topic 1 A\n@include x\n").startsWith(QStringLiteral("line 2:")));
    EXPECT_TRUE(refusal(QByteArray("@topic 1 A\nnul").append('\0').append("here\n"))
                    .contains(QStringLiteral("not text")));
    EXPECT_TRUE(refusal("@topic 1 A\n\xff\xfe\n").contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(
        refusal("@topic 1 A\n" + QByteArray(HelpDocument::MaxBytes, 'a')).contains(QStringLiteral("bigger")));

    QByteArray many;
    for (int i = 0; i <= HelpDocument::MaxTopics; ++i)
        many += "@topic " + QByteArray::number(i) + " T\n";
    EXPECT_TRUE(refusal(many).contains(QStringLiteral("more than")));
}

TEST(HelpDocument, HostileMarkupStaysLinear)
{
    // Quadratic scanning of these would not finish within the test's time limit.
    const QByteArray opens = "@topic 1 A\n" + QByteArray(HelpDocument::MaxBytes / 2 - 20, '[') + "]]";
    const QByteArray stars = "@topic 1 A\n" + QByteArray(HelpDocument::MaxBytes - 20, '*');
    for (const QByteArray& text : { opens, stars }) {
        const std::optional<HelpDocument> document = HelpDocument::parse(text);
        ASSERT_TRUE(document);
        EXPECT_FALSE(document->topicHtml(1).isEmpty());
    }
}

TEST(HelpDocument, TheShippedHelpFileIsCompleteAndItsLinksResolve)
{
    QFile file(QStringLiteral(BOOTCANVAS_SOURCE_DIR "/data/bootcanvas.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QString error;
    const std::optional<HelpDocument> document = HelpDocument::parse(text, &error);
    ASSERT_TRUE(document) << error.toStdString();

    // The numbers the program's windows ask for.
    QList<int> wanted { 19, 30 };
    for (int topic = 32; topic <= 56; ++topic)
        wanted.append(topic);
    for (int topic : wanted)
        EXPECT_NE(document->topic(topic), nullptr) << "topic " << topic;

    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)"));
    QSet<int> linked;
    for (auto match = link.globalMatch(QString::fromUtf8(text)); match.hasNext();)
        linked.insert(match.next().captured(1).toInt());
    for (int topic : linked)
        EXPECT_NE(document->topic(topic), nullptr) << "link to topic " << topic;
    for (const HelpDocument::Topic& topic : document->topics())
        EXPECT_TRUE(linked.contains(topic.number) || topic.number == document->contents().number)
            << "topic " << topic.number << " cannot be reached from any other";
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { machine.writeFile(HelpFile, SampleHelp); }
    void TearDown() override { closeHelpWindow(); }

    TestMachine machine;
};

TEST_F(HelpWindowTest, OpensAtATopicStaysOneWindowAndNavigates)
{
    QWidget owner;
    showHelpTopic(HelpFile, 30, &owner);

    HelpWindow* window = HelpWindow::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sample Help"));
    EXPECT_EQ(window->currentTopic(), 30);
    EXPECT_EQ(child<QListWidget>(*window, "TopicList")->currentItem()->text(), QStringLiteral("Tutorial"));
    EXPECT_TRUE(child<QTextBrowser>(*window, "TopicText")
                    ->toPlainText()
                    .contains(QStringLiteral("First line joined to it.")));

    QWidget otherOwner;
    showHelpTopic(HelpFile, 404, &otherOwner);
    EXPECT_EQ(HelpWindow::instance(), window);
    EXPECT_EQ(window->parentWidget(), &otherOwner);
    EXPECT_EQ(window->currentTopic(), 1);

    showHelpContents(HelpFile, nullptr);
    EXPECT_EQ(window->currentTopic(), 1);
    EXPECT_TRUE(
        child<QTextBrowser>(*window, "TopicText")->toPlainText().contains(QStringLiteral("See Tutorial")));

    // Links, the topic list and Back all move the window and keep the list in step.
    child<QTextBrowser>(*window, "TopicText")->setSource(QUrl(QStringLiteral("topic:19")));
    EXPECT_EQ(
        child<QListWidget>(*window, "TopicList")->currentItem()->text(), QStringLiteral("Logo browser"));
    child<QListWidget>(*window, "TopicList")->setCurrentRow(1);
    EXPECT_EQ(window->currentTopic(), 30);
    child<QTextBrowser>(*window, "TopicText")->backward();
    EXPECT_EQ(window->currentTopic(), 19);
}

TEST_F(HelpWindowTest, AMissingOrDamagedFileIsReportedNotShown)
{
    ScriptedMsgBox box;
    const QString missing = QStringLiteral("C:\\Program Files\\Bootcanvas\\missing.hlp");
    showHelpTopic(missing, 30, nullptr);
    machine.writeFile(HelpFile, "not a help file\n");
    showHelpContents(HelpFile, nullptr);

    EXPECT_EQ(HelpWindow::instance(), nullptr);
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_TRUE(box.shown[0].prompt.contains(missing));
    EXPECT_TRUE(box.shown[1].prompt.contains(QStringLiteral("line 1")));
    EXPECT_EQ(box.shown[0].buttons, vbExclamation);
}

TEST_F(HelpWindowTest, WhatsThisTakesTheTopicText)
{
    ScriptedMsgBox box;
    QWidget control;

    EXPECT_TRUE(setWhatsThisTopic(&control, HelpFile, 19));
    EXPECT_TRUE(control.whatsThis().contains(QStringLiteral("Logo browser")));

    EXPECT_FALSE(setWhatsThisTopic(&control, HelpFile, 404));
    EXPECT_FALSE(setWhatsThisTopic(&control, QStringLiteral("C:\\nowhere.hlp"), 19));
    EXPECT_TRUE(control.whatsThis().contains(QStringLiteral("Logo browser")));
    EXPECT_TRUE(box.shown.isEmpty());

    // A changed file is read again.
    machine.writeFile(HelpFile, "@topic 1 Contents\n@topic 19 Renamed topic\n");
    EXPECT_TRUE(setWhatsThisTopic(&control, HelpFile, 19));
    EXPECT_TRUE(control.whatsThis().contains(QStringLiteral("Renamed topic")));
}

} // namespace
