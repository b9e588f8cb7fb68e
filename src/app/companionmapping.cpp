#include "companionmapping.h"

#include "platform/files.h"
#include "platform/machine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace
{

const char* const Companions[] = { "tandemist", "shufflet", "cyclette" };

// The companion a [Programs] line maps, when its key is "<folder>\<companion>.exe" and its value a
// binary named after that companion; empty otherwise.
QString mappedCompanion(const QByteArray& line, QByteArray* value)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.trimmed().startsWith(';') || line.trimmed().startsWith('#'))
        return {};
    const QString key = QString::fromUtf8(line.left(equals)).trimmed().toLower();
    *value = line.mid(equals + 1).trimmed();
    for (const char* companion : Companions) {
        const QString name = QLatin1String(companion);
        if (key.endsWith(QLatin1Char('\\') + name + QStringLiteral(".exe"))
            && QFileInfo(QString::fromUtf8(*value)).fileName() == name)
            return name;
    }
    return {};
}

bool isSectionLine(const QByteArray& line)
{
    return line.trimmed().startsWith('[');
}

bool isProgramsSection(const QByteArray& line)
{
    return line.trimmed().toLower().startsWith("[programs]");
}

} // namespace

QString installedCompanionFolder()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const char* companion : Companions)
        if (!QFileInfo(here.filePath(QLatin1String(companion))).isExecutable())
            return {};
    return here.canonicalPath();
}

QByteArray withCompanionsIn(const QByteArray& iniText, const QString& companionFolder)
{
    QList<QByteArray> lines = iniText.split('\n');
    bool inPrograms = false;
    for (QByteArray& line : lines) {
        if (isSectionLine(line)) {
            inPrograms = isProgramsSection(line);
            continue;
        }
        QByteArray value;
        const QString companion = inPrograms ? mappedCompanion(line, &value) : QString();
        const QByteArray wanted = QDir(companionFolder).filePath(companion).toUtf8();
        if (companion.isEmpty() || value == wanted)
            continue;
        line.replace(line.indexOf(value, line.indexOf('=') + 1), value.size(), wanted);
    }
    return lines.join('\n');
}

void moveCompanionMapping(const QString& machineFolder, const QString& companionFolder)
{
    if (companionFolder.isEmpty())
        return;
    const QString ini = QDir(machineFolder).filePath(QStringLiteral("machine.ini"));
    QFile file(ini);
    // A damaged file is left for the machine's own reader to report.
    if (file.size() > platform::Machine::MaxIniBytes || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.readAll();
    file.close();
    const QByteArray moved = withCompanionsIn(text, companionFolder);
    if (moved != text)
        platform::writeHostFileAtomically(ini, moved);
}
