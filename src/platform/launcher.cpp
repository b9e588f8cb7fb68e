#include "launcher.h"

#include "fileerror.h"
#include "machine.h"
#include "windowspath.h"
#include "winpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform
{

namespace
{

bool isExecutableFile(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    return info.isFile() && info.isExecutable();
}

// "C:\x" or "c:/x" on a drive of the current machine.
bool isMappedWindowsPath(const QString& text)
{
    if (text.size() < 3 || !text.at(0).isLetter() || text.at(0).unicode() > 0x7f
        || text.at(1) != QLatin1Char(':'))
        return false;
    if (text.at(2) != QLatin1Char('\\') && text.at(2) != QLatin1Char('/'))
        return false;
    return hasCurrentMachine() && currentMachine().drive(text.at(0).toUpper()).has_value();
}

// A [Programs] value is one host executable, or, when no file has that exact name, a command with
// fixed arguments split as a shell would split words (quotes group; nothing is expanded).
QStringList mappedCommand(const QString& windowsProgram)
{
    if (!hasCurrentMachine())
        return {};
    const QString value = currentMachine().hostProgramFor(windowsProgram).trimmed();
    if (value.isEmpty())
        return {};
    if (isExecutableFile(value))
        return { value };
    QStringList words = QProcess::splitCommand(value);
    if (words.isEmpty())
        return {};
    const QString found
        = QDir::isAbsolutePath(words.first()) ? words.first() : QStandardPaths::findExecutable(words.first());
    if (!isExecutableFile(found))
        return {};
    words.first() = found;
    return words;
}

bool isWindowsExecutable(const QString& program)
{
    return program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
}

// Wine's default prefix maps Z: to the host's root, so "Z:" plus the host path reaches the same file
// whatever drives the prefix has of its own.
QString wineArgumentFor(const QString& hostPath)
{
    return QLatin1String("Z:") + QString(hostPath).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QStringList translatedArguments(const QStringList& arguments, bool forWine)
{
    QStringList result;
    result.reserve(arguments.size());
    for (const QString& argument : arguments) {
        QString translated = argument;
        if (isMappedWindowsPath(argument)) {
            try {
                const QString hostPath = hostPathFor(argument);
                translated = forWine ? wineArgumentFor(hostPath) : hostPath;
            } catch (const FileError&) {
                // Not a usable path after all (a forbidden character): the program gets the text.
            }
        }
        result.append(translated);
    }
    return result;
}

} // namespace

QStringList resolveProgramCommand(const QString& windowsProgram, const QStringList& arguments)
{
    const QStringList mapped = mappedCommand(windowsProgram);
    if (!mapped.isEmpty())
        return mapped + translatedArguments(arguments, false);

    const QString hostProgram = resolveToHostOrEmpty(windowsProgram);
    if (hostProgram.isEmpty())
        return {};
    if (isExecutableFile(hostProgram))
        return QStringList { hostProgram } + translatedArguments(arguments, false);

    if (isWindowsExecutable(windowsProgram) && QFileInfo(hostProgram).isFile()) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (!wine.isEmpty())
            return QStringList { wine, hostProgram } + translatedArguments(arguments, true);
    }
    return {};
}

bool startProgram(const QString& windowsProgram, const QStringList& arguments, QString* error)
{
    const QStringList command = resolveProgramCommand(windowsProgram, arguments);
    if (command.isEmpty()) {
        if (error)
            *error
                = QCoreApplication::translate("Launcher", "Cannot find the program %1.").arg(windowsProgram);
        return false;
    }
    QProcess process;
    process.setProgram(command.first());
    process.setArguments(command.mid(1));
    if (process.startDetached())
        return true;
    if (error)
        *error = QCoreApplication::translate("Launcher", "Cannot start the program %1: %2")
                     .arg(windowsProgram, process.errorString());
    return false;
}

} // namespace platform
