#include "helpwindow.h"

#include "platform/fileerror.h"
#include "platform/msgbox.h"
#include "platform/winpath.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <functional>

namespace
{

const QString TopicScheme = QStringLiteral("topic");

QUrl topicUrl(int number)
{
    return QUrl(TopicScheme + QLatin1Char(':') + QString::number(number));
}

// Serves "topic:N" pages from the help document, and nothing from anywhere else.
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    std::function<QString(int)> pageFor;

    QVariant loadResource(int, const QUrl& name) override
    {
        if (name.scheme() != TopicScheme || !pageFor)
            return {};
        return pageFor(name.path().toInt());
    }
};

QPointer<HelpWindow>& openWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

struct CachedHelp {
    QString hostFile;
    QDateTime modified;
    qint64 size = -1;
    std::optional<HelpDocument> document;
    QString error;
};

// The help file is read again only when it changed, so a window that sets What's-This help on
// many controls reads it once.
const CachedHelp& helpFileContents(const QString& helpFile)
{
    static CachedHelp cache;
    QString hostFile;
    try {
        hostFile = platform::resolveToHost(helpFile);
    } catch (const platform::FileError&) {
    }
    const QFileInfo info(hostFile);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (!hostFile.isEmpty() && cache.hostFile == hostFile && cache.modified == modified && cache.size == size
        && cache.document)
        return cache;
    cache = CachedHelp { hostFile, modified, size, std::nullopt, {} };
    cache.document = HelpDocument::load(helpFile, &cache.error);
    return cache;
}

void openHelp(const QString& helpFile, std::optional<int> topic, QWidget* owner)
{
    const CachedHelp& help = helpFileContents(helpFile);
    if (!help.document) {
        MsgBox(HelpWindow::tr("The help file %1 cannot be opened: %2.").arg(helpFile, help.error),
            vbExclamation);
        return;
    }
    HelpWindow* window = HelpWindow::open(owner);
    window->setDocument(*help.document);
    window->showTopic(topic.value_or(help.document->contents().number));
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_topicList(new QListWidget)
    , m_browser(new HelpBrowser)
    , m_contentsButton(new QPushButton(tr("&Contents")))
    , m_backButton(new QPushButton(tr("&Back")))
    , m_forwardButton(new QPushButton(tr("&Forward")))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Bootcanvas Help"));
    const std::pair<QWidget*, const char*> names[]
        = { { m_topicList, "TopicList" }, { m_browser, "TopicText" }, { m_contentsButton, "ContentsButton" },
              { m_backButton, "BackButton" }, { m_forwardButton, "ForwardButton" } };
    for (const auto& [control, name] : names)
        control->setObjectName(QLatin1String(name));
    m_topicList->setAccessibleName(tr("Help topics"));
    m_browser->setAccessibleName(tr("Help topic text"));
    m_browser->setOpenExternalLinks(false);
    static_cast<HelpBrowser*>(m_browser)->pageFor
        = [this](int number) { return m_document ? m_document->topicHtml(number) : QString(); };

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_contentsButton);
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_forwardButton);
    buttons->addStretch();
    auto* splitter = new QSplitter;
    splitter->addWidget(m_topicList);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 220, 500 });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(760, 540);

    m_backButton->setEnabled(false);
    m_forwardButton->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backButton, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardButton, &QWidget::setEnabled);
    connect(m_backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contentsButton, &QPushButton::clicked, this, [this] {
        if (m_document)
            showTopic(m_document->contents().number);
    });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::onSourceChanged);
    connect(m_topicList, &QListWidget::currentRowChanged, this, &HelpWindow::onTopicRowChanged);
}

HelpWindow* HelpWindow::open(QWidget* owner)
{
    QWidget* ownerWindow = owner ? owner->window() : nullptr;
    QPointer<HelpWindow>& window = openWindow();
    if (!window)
        window = new HelpWindow(ownerWindow);
    else if (window->parentWidget() != ownerWindow)
        window->setParent(ownerWindow, window->windowFlags());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::instance()
{
    return openWindow();
}

void HelpWindow::setDocument(const HelpDocument& document)
{
    m_document = document;
    if (!document.title().isEmpty())
        setWindowTitle(document.title());
    const QSignalBlocker blocker(m_topicList);
    m_topicList->clear();
    for (const HelpDocument::Topic& topic : document.topics()) {
        auto* item = new QListWidgetItem(topic.title, m_topicList);
        item->setData(Qt::UserRole, topic.number);
    }
    m_browser->clearHistory();
    m_currentTopic = -1;
}

void HelpWindow::showTopic(int number)
{
    if (!m_document)
        return;
    if (!m_document->topic(number))
        number = m_document->contents().number;
    const QUrl url = topicUrl(number);
    if (m_browser->source() == url)
        m_browser->reload();
    else
        m_browser->setSource(url, QTextDocument::HtmlResource);
    onSourceChanged(url);
}

void HelpWindow::onSourceChanged(const QUrl& source)
{
    if (!m_document || source.scheme() != TopicScheme)
        return;
    const int number = source.path().toInt();
    m_currentTopic = m_document->topic(number) ? number : m_document->contents().number;
    const QSignalBlocker blocker(m_topicList);
    for (int row = 0; row < m_topicList->count(); ++row)
        if (m_topicList->item(row)->data(Qt::UserRole).toInt() == m_currentTopic)
            m_topicList->setCurrentRow(row);
}

void HelpWindow::onTopicRowChanged(int row)
{
    if (row >= 0)
        showTopic(m_topicList->item(row)->data(Qt::UserRole).toInt());
}

void showHelpContents(const QString& helpFile, QWidget* owner)
{
    openHelp(helpFile, std::nullopt, owner);
}

void showHelpTopic(const QString& helpFile, int topic, QWidget* owner)
{
    openHelp(helpFile, topic, owner);
}

bool setWhatsThisTopic(QWidget* widget, const QString& helpFile, int topic)
{
    const CachedHelp& help = helpFileContents(helpFile);
    if (!widget || !help.document || !help.document->topic(topic))
        return false;
    widget->setWhatsThis(help.document->whatsThisHtml(topic));
    return true;
}
