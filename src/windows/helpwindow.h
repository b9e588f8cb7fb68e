#pragma once

#include "helpdocument.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;

// The one help window of the program: the list of topics on the left, the topic on the right.
// It belongs to the window that asked for it, so that it stays usable beside a modal dialog.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // The open help window, made for `owner` or moved to it; it is deleted when closed.
    static HelpWindow* open(QWidget* owner);
    // Null when no help window is open.
    static HelpWindow* instance();

    void setDocument(const HelpDocument& document);
    // Shows topic `number`, or the contents when the document has no such topic.
    void showTopic(int number);
    int currentTopic() const { return m_currentTopic; }

private:
    explicit HelpWindow(QWidget* owner);
    void onSourceChanged(const QUrl& source);
    void onTopicRowChanged(int row);

    std::optional<HelpDocument> m_document;
    int m_currentTopic = -1;
    QListWidget* m_topicList;
    QTextBrowser* m_browser;
    QPushButton* m_contentsButton;
    QPushButton* m_backButton;
    QPushButton* m_forwardButton;
};

// Open the help file (a Windows path) at its contents, or at topic `topic` (the contents when the
// file has no such topic). A file that is missing or cannot be understood is reported with a
// message box.
void showHelpContents(const QString& helpFile, QWidget* owner);
void showHelpTopic(const QString& helpFile, int topic, QWidget* owner);

// Gives `widget` the text of help topic `topic` as its What's-This help. Returns false, leaving the
// widget as it was, when the file cannot be read or has no such topic: nothing is shown then, as a
// window being opened should not greet the user with a message about its help.
bool setWhatsThisTopic(QWidget* widget, const QString& helpFile, int topic);
