#include "helpdocument.h"

#include "platform/fileerror.h"
#include "platform/winpath.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace
{

using Block = HelpDocument::Block;
using Topic = HelpDocument::Topic;

struct ParseState {
    QString title;
    QList<Topic> topics;
    QHash<int, qsizetype> index;
    bool blockOpen = false; // the last block still takes the following lines
};

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString topicLineError(ParseState& state, const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral("^@topic[ \\t]+(\\d{1,6})[ \\t]+(\\S.*)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return QCoreApplication::translate("HelpDocument", "a topic line needs a number and a title");
    const int number = match.captured(1).toInt();
    if (state.index.contains(number))
        return QCoreApplication::translate("HelpDocument", "topic %1 appears twice").arg(number);
    if (state.topics.size() >= HelpDocument::MaxTopics)
        return QCoreApplication::translate("HelpDocument", "more than %1 topics")
            .arg(HelpDocument::MaxTopics);
    state.index.insert(number, state.topics.size());
    state.topics.append(Topic { number, match.captured(2).trimmed(), {} });
    state.blockOpen = false;
    return {};
}

QString directiveError(ParseState& state, const QString& line)
{
    if (line.startsWith(QLatin1String("@topic")))
        return topicLineError(state, line);
    if (line.startsWith(QLatin1String("@title ")) && state.topics.isEmpty()) {
        state.title = line.mid(7).trimmed();
        return {};
    }
    return QCoreApplication::translate("HelpDocument", "unknown line \"%1\"").arg(line.left(40));
}

// "- item" or "12. item": the kind and where the item's text starts.
std::optional<std::pair<Block::Kind, qsizetype>> listItemStart(const QString& line)
{
    if (line.startsWith(QLatin1String("- ")))
        return std::pair { Block::Bullet, qsizetype(2) };
    qsizetype digits = 0;
    while (digits < line.size() && digits < 6 && line.at(digits).isDigit())
        ++digits;
    if (digits > 0 && line.mid(digits, 2) == QLatin1String(". "))
        return std::pair { Block::Numbered, digits + 2 };
    return std::nullopt;
}

void addTextLine(ParseState& state, const QString& line)
{
    QList<Block>& blocks = state.topics.last().blocks;
    if (line.trimmed().isEmpty()) {
        state.blockOpen = false;
        return;
    }
    if (line.startsWith(QLatin1String("== "))) {
        blocks.append(Block { Block::Heading, line.mid(3).trimmed() });
        state.blockOpen = false;
        return;
    }
    if (const auto item = listItemStart(line)) {
        blocks.append(Block { item->first, line.mid(item->second).trimmed() });
        state.blockOpen = true;
        return;
    }
    const bool indented = line.at(0).isSpace();
    const bool continues
        = state.blockOpen && !blocks.isEmpty() && (blocks.last().kind == Block::Paragraph || indented);
    if (continues) {
        blocks.last().text += QLatin1Char(' ') + line.trimmed();
        return;
    }
    blocks.append(Block { Block::Paragraph, line.trimmed() });
    state.blockOpen = true;
}

QString lineError(ParseState& state, QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    if (line.startsWith(QLatin1Char('#')))
        return {};
    if (line.startsWith(QLatin1Char('@')))
        return directiveError(state, line);
    if (state.topics.isEmpty())
        return line.trimmed().isEmpty()
            ? QString()
            : QCoreApplication::translate("HelpDocument", "text before the first topic");
    addTextLine(state, line);
    return {};
}

bool refuse(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

std::optional<HelpDocument> HelpDocument::parse(const QByteArray& bytes, QString* error)
{
    if (bytes.size() > MaxBytes) {
        refuse(error,
            QCoreApplication::translate("HelpDocument", "the file is bigger than %1 bytes").arg(MaxBytes));
        return std::nullopt;
    }
    if (bytes.contains('\0')) {
        refuse(error, QCoreApplication::translate("HelpDocument", "the file is not text"));
        return std::nullopt;
    }
    const std::optional<QString> text = decodeUtf8(bytes);
    if (!text) {
        refuse(error, QCoreApplication::translate("HelpDocument", "the file is not UTF-8 text"));
        return std::nullopt;
    }
    ParseState state;
    const QStringList lines = text->split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString reason = lineError(state, lines.at(i));
        if (!reason.isEmpty()) {
            refuse(error, QCoreApplication::translate("HelpDocument", "line %1: %2").arg(i + 1).arg(reason));
            return std::nullopt;
        }
    }
    if (state.topics.isEmpty()) {
        refuse(error, QCoreApplication::translate("HelpDocument", "the file has no topic"));
        return std::nullopt;
    }
    HelpDocument document;
    document.m_title = state.title;
    document.m_topics = std::move(state.topics);
    document.m_index = std::move(state.index);
    return document;
}

std::optional<HelpDocument> HelpDocument::load(const QString& helpFile, QString* error)
{
    QString hostPath;
    try {
        hostPath = platform::resolveToHost(helpFile);
    } catch (const platform::FileError& failure) {
        refuse(error, failure.message());
        return std::nullopt;
    }
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(error,
            file.exists() ? QCoreApplication::translate("HelpDocument", "the file cannot be read")
                          : QCoreApplication::translate("HelpDocument", "the file is missing"));
        return std::nullopt;
    }
    // Reading one byte past the limit lets parse refuse files whose size the system does not know.
    return parse(file.read(MaxBytes + 1), error);
}

const HelpDocument::Topic* HelpDocument::topic(int number) const
{
    const auto found = m_index.constFind(number);
    return found == m_index.constEnd() ? nullptr : &m_topics.at(*found);
}

QString HelpDocument::topicHtml(int number) const
{
    const Topic* shown = topic(number);
    if (!shown)
        shown = &contents();
    return QLatin1String("<h2>") + shown->title.toHtmlEscaped() + QLatin1String("</h2>")
        + blocksHtml(*shown, true);
}

QString HelpDocument::whatsThisHtml(int number) const
{
    const Topic* shown = topic(number);
    if (!shown)
        return {};
    return QLatin1String("<p><b>") + shown->title.toHtmlEscaped() + QLatin1String("</b></p>")
        + blocksHtml(*shown, false);
}

QString HelpDocument::blocksHtml(const Topic& topic, bool withLinks) const
{
    QString html;
    Block::Kind openList = Block::Paragraph;
    const auto closeList = [&] {
        if (openList == Block::Bullet)
            html += QLatin1String("</ul>");
        else if (openList == Block::Numbered)
            html += QLatin1String("</ol>");
        openList = Block::Paragraph;
    };
    for (const Block& block : topic.blocks) {
        const QString text = inlineHtml(block.text, withLinks);
        const bool isItem = block.kind == Block::Bullet || block.kind == Block::Numbered;
        if (openList != block.kind)
            closeList();
        if (isItem && openList == Block::Paragraph) {
            html += block.kind == Block::Bullet ? QLatin1String("<ul>") : QLatin1String("<ol>");
            openList = block.kind;
        }
        if (isItem)
            html += QLatin1String("<li>") + text + QLatin1String("</li>");
        else if (block.kind == Block::Heading)
            html += QLatin1String("<h3>") + text + QLatin1String("</h3>");
        else
            html += QLatin1String("<p>") + text + QLatin1String("</p>");
    }
    closeList();
    return html;
}

// One pass over the text: every search for a closing "]]" either consumes the text it passed or
// ends the line, so hostile input stays linear.
QString HelpDocument::inlineHtml(const QString& text, bool withLinks) const
{
    QString html;
    bool bold = false;
    qsizetype plainStart = 0;
    qsizetype i = 0;
    const auto flushPlain
        = [&](qsizetype end) { html += text.mid(plainStart, end - plainStart).toHtmlEscaped(); };
    while (i < text.size()) {
        const QStringView rest = QStringView(text).mid(i);
        if (rest.startsWith(u"**")) {
            flushPlain(i);
            html += bold ? QLatin1String("</b>") : QLatin1String("<b>");
            bold = !bold;
            plainStart = i += 2;
        } else if (rest.startsWith(u"[[")) {
            const qsizetype close = text.indexOf(QLatin1String("]]"), i + 2);
            if (close < 0)
                break;
            const QString inner = text.mid(i + 2, close - i - 2);
            const qsizetype bar = inner.indexOf(QLatin1Char('|'));
            bool isNumber = false;
            const int number = inner.left(bar < 0 ? inner.size() : bar).trimmed().toInt(&isNumber);
            if (isNumber && number >= 0) {
                flushPlain(i);
                QString label = bar < 0 ? QString() : inner.mid(bar + 1).trimmed();
                if (label.isEmpty())
                    label = topic(number)
                        ? topic(number)->title
                        : QCoreApplication::translate("HelpDocument", "topic %1").arg(number);
                html += withLinks
                    ? QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(number).arg(label.toHtmlEscaped())
                    : label.toHtmlEscaped();
                plainStart = close + 2;
            }
            i = close + 2;
        } else {
            ++i;
        }
    }
    flushPlain(text.size());
    if (bold)
        html += QLatin1String("</b>");
    return html;
}
