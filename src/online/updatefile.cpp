#include "updatefile.h"

#include "versionnumber.h"

#include <QStringDecoder>
#include <QStringList>
#include <QUrl>

namespace
{

std::optional<UpdateFile> refuse(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

bool isAcceptableAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || text.contains(QLatin1Char(' ')))
        return false;
    if (url.isRelative())
        return true;
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

} // namespace

std::optional<UpdateFile> UpdateFile::parse(const QByteArray& bytes, QString* error)
{
    if (bytes.size() > MaxBytes)
        return refuse(error, QStringLiteral("the file is larger than %1 bytes").arg(MaxBytes));
    if (bytes.contains('\0'))
        return refuse(error, QStringLiteral("the file holds NUL bytes"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refuse(error, QStringLiteral("the file is not UTF-8 text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    UpdateFile file;
    bool inUpdate = false, seenSection = false, seenVersion = false, seenDownload = false,
         seenAbstract = false;
    QStringList description;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines.at(number).trimmed();
        const QString where = QStringLiteral("line %1: ").arg(number + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return refuse(error, where + QStringLiteral("a section name without \"]\""));
            const bool update = line.compare(QLatin1String("[Update]"), Qt::CaseInsensitive) == 0;
            if (!seenSection && !update)
                return refuse(error, where + QStringLiteral("the file does not start with [Update]"));
            if (seenSection && update)
                return refuse(error, where + QStringLiteral("a second [Update] section"));
            seenSection = true;
            inUpdate = update;
            continue;
        }
        if (!seenSection)
            return refuse(error, where + QStringLiteral("the file does not start with [Update]"));
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return refuse(error, where + QStringLiteral("not a \"key=value\" line"));
        if (!inUpdate)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        auto once = [&](bool& seen) {
            const bool first = !seen;
            seen = true;
            return first;
        };
        if (key == QLatin1String("version")) {
            if (!once(seenVersion))
                return refuse(error, where + QStringLiteral("Version is given twice"));
            if (!VersionNumber::parse(value))
                return refuse(error, where + QStringLiteral("\"%1\" is not a version number").arg(value));
            file.version = value;
        } else if (key == QLatin1String("download")) {
            if (!once(seenDownload))
                return refuse(error, where + QStringLiteral("Download is given twice"));
            if (value.isEmpty() || !isAcceptableAddress(value))
                return refuse(error, where + QStringLiteral("the download address is not a web address"));
            file.download = value;
        } else if (key == QLatin1String("abstract")) {
            if (!once(seenAbstract))
                return refuse(error, where + QStringLiteral("Abstract is given twice"));
            file.abstract = value;
        } else if (key == QLatin1String("description")) {
            description.append(value);
        }
    }
    if (!seenVersion)
        return refuse(error, QStringLiteral("the file names no Version"));
    if (!seenDownload)
        return refuse(error, QStringLiteral("the file names no Download address"));
    file.description = description.join(QLatin1Char('\n'));
    return file;
}
