#include "sets/logopackimport.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "images/conversionproblem.h"
#include "images/grafica.h"
#include "platform/files.h"
#include "sets/logopack.h"
#include "sets/setname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{

const QStringList ScreenNames
    = { QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("LOGOS.SYS") };

QByteArray readHostFile(const QString& path, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return {};
    }
    if (file.size() > packs::MaxPackBytes) {
        problem = QCoreApplication::translate("LogoPack", "the pack is larger than the limit of %1 MiB")
                      .arg(packs::MaxPackBytes / (1024 * 1024));
        return {};
    }
    return file.readAll();
}

// The screen as a logo screen file: kept when it is one, converted as the browser converts a
// picture otherwise. Returns the reason when it can be neither.
QString makeLogoScreen(packs::PackScreen& screen, const QTemporaryDir& scratch)
{
    // The screen's own name, so that the logo-screen test sees its ".SYS".
    const QString source = scratch.filePath(screen.fileName);
    const QString converted = scratch.filePath(QStringLiteral("converted.sys"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(screen.bytes) != screen.bytes.size())
        return QCoreApplication::translate("LogoPack", "cannot be unpacked: %1").arg(file.errorString());
    file.close();
    if (isLogoScreen(source))
        return {};
    if (!ConvertToLogo(source, converted))
        return images::pictureReason(source);
    QFile result(converted);
    if (!result.open(QIODevice::ReadOnly))
        return result.errorString();
    screen.bytes = result.readAll();
    return {};
}

// Checks and prepares every set; the first problem found, or empty.
QString prepareSets(QList<packs::PackSet>& sets, const QString& logoPath)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return QCoreApplication::translate("LogoPack", "no room for temporary files: %1")
            .arg(scratch.errorString());
    for (packs::PackSet& set : sets) {
        const SetNameCheck name = checkSetName(set.name, logoPath);
        if (!name.rule.isEmpty())
            return QCoreApplication::translate("LogoPack", "the set name \"%1\" cannot be used: %2")
                .arg(set.name, name.rule);
        set.name = name.name;
        for (packs::PackScreen& screen : set.screens)
            if (const QString why = makeLogoScreen(screen, scratch); !why.isEmpty())
                return QStringLiteral("%1/%2: %3").arg(set.name, screen.fileName, why);
    }
    return {};
}

// Leaves out the sets the user does not want overwritten; the clash itself when nobody can be asked.
QString settleClashes(
    QList<packs::PackSet>& sets, const QString& logoPath, const OverwriteQuestion& overwrite)
{
    for (auto set = sets.begin(); set != sets.end();) {
        if (!platform::folderExists(logoPath + set->name)) {
            ++set;
        } else if (!overwrite) {
            return QCoreApplication::translate("LogoPack", "a logo set named \"%1\" already exists")
                .arg(set->name);
        } else if (overwrite(set->name)) {
            ++set;
        } else {
            set = sets.erase(set);
        }
    }
    return {};
}

void writeSet(const packs::PackSet& set, const QString& logoPath)
{
    const QString folder = AddBackslash(logoPath + set.name);
    if (!platform::folderExists(folder))
        platform::MkDir(folder);
    for (const packs::PackScreen& screen : set.screens)
        platform::writeFileAtomically(folder + screen.fileName, screen.bytes);
}

} // namespace

PackImport importLogoPack(
    const QString& packHostPath, const QString& logoPath, const OverwriteQuestion& overwrite)
{
    PackImport result;
    const QByteArray bytes = readHostFile(packHostPath, result.problem);
    if (!result.problem.isEmpty())
        return result;
    packs::PackContents pack = packs::readLogoPack(bytes, QFileInfo(packHostPath).completeBaseName());
    if (pack.problem.isEmpty())
        pack.problem = prepareSets(pack.sets, logoPath);
    if (pack.problem.isEmpty())
        pack.problem = settleClashes(pack.sets, logoPath, overwrite);
    if (!pack.problem.isEmpty()) {
        result.problem = pack.problem;
        return result;
    }
    for (const packs::PackSet& set : pack.sets) {
        try {
            writeSet(set, logoPath);
        } catch (const std::exception& error) {
            result.problem = QStringLiteral("%1: %2").arg(set.name, QString::fromUtf8(error.what()));
            return result;
        }
        result.sets.append(set.name);
    }
    return result;
}

QString exportLogoPack(const QString& setName, const QString& logoPath, const QString& packHostPath)
{
    const QString folder = AddBackslash(logoPath + setName);
    if (setName.isEmpty() || !platform::folderExists(folder))
        return QCoreApplication::translate("LogoPack", "there is no logo set named \"%1\"").arg(setName);
    packs::PackSet set { setName, {} };
    for (const QString& screen : ScreenNames) {
        QString file = folder + screen;
        // A single-logo set shows the library's own wait and shutdown screens.
        if (screen != ScreenNames[0] && isSingleLogoSet(setName) && !platform::fileExists(file))
            file = logoPath + screen;
        QByteArray bytes;
        if (platform::fileExists(file)
            && !attempt([&] { bytes = platform::readFile(file, packs::MaxUnpackedBytes); }))
            return QCoreApplication::translate("LogoPack", "%1 cannot be read").arg(file);
        if (!bytes.isEmpty())
            set.screens.append({ screen, bytes });
    }
    QString problem;
    if (!packs::writeLogoPack(packHostPath, { set }, problem))
        return problem;
    return {};
}
