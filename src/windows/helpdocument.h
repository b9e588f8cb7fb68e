#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The program's help file: UTF-8 text made of numbered topics.
//
//   # a comment line
//   @title Bootcanvas Help          the window's caption (optional, before the first topic)
//   @topic 30 Tutorial              starts topic 30; the first topic of the file is the contents
//   Text lines. A blank line ends a paragraph.
//   == A heading inside the topic
//   - a bulleted item
//   1. a numbered item (items are numbered in order, whatever number is written)
//     an indented line continues the item above it
//   Inline: **bold**, [[30]] links to topic 30 and shows its title, [[30|these words]] links with
//   its own words.
//
// A file that is too big, not UTF-8, holds NUL bytes, has text before its first topic, an unknown
// "@" line, a malformed or repeated topic number, too many topics or no topic at all is refused.
class HelpDocument
{
public:
    static constexpr qint64 MaxBytes = 1024 * 1024;
    static constexpr int MaxTopics = 2000;
    static constexpr int MaxTopicNumber = 999999;

    struct Block {
        enum Kind { Paragraph, Heading, Bullet, Numbered };
        Kind kind = Paragraph;
        QString text; // with inline markup
    };
    struct Topic {
        int number = 0;
        QString title;
        QList<Block> blocks;
    };

    // Empty, with the reason in `error`, when the text is refused.
    static std::optional<HelpDocument> parse(const QByteArray& bytes, QString* error = nullptr);
    // Reads and parses a help file given as a Windows path (or an absolute host path).
    static std::optional<HelpDocument> load(const QString& helpFile, QString* error = nullptr);

    QString title() const { return m_title; }
    const QList<Topic>& topics() const { return m_topics; }
    const Topic& contents() const { return m_topics.first(); }
    // Null when the document has no topic of that number.
    const Topic* topic(int number) const;

    // The topic as HTML for a text browser, links as "topic:N" URLs; the contents for an unknown
    // number.
    QString topicHtml(int number) const;
    // The topic as short rich text for What's-This help (links become plain words); empty for an
    // unknown number.
    QString whatsThisHtml(int number) const;

private:
    HelpDocument() = default;
    QString blocksHtml(const Topic& topic, bool withLinks) const;
    QString inlineHtml(const QString& text, bool withLinks) const;

    QString m_title;
    QList<Topic> m_topics;
    QHash<int, qsizetype> m_index;
};
