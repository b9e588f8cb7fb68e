#include "installintent.h"

#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

// Screens are small; a bigger file in the record is not one of ours.
constexpr qint64 MaxScreenBytes = 16 * 1024 * 1024;
constexpr int MaxScreens = 8;
const QString Section = QStringLiteral("Installation");

QString recordFolder()
{
    return platform::currentMachine().folder() + QStringLiteral("/pending-installation");
}

QString recordPath()
{
    return recordFolder() + QStringLiteral("/intent.ini");
}

QString screenFile(int index)
{
    return recordFolder() + QStringLiteral("/screen%1.bin").arg(index);
}

QString screenSection(int index)
{
    return QStringLiteral("Screen%1").arg(index);
}

std::optional<QByteArray> readHostFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<InstallIntent> parseInstallIntent(
    const QByteArray& text, const std::function<std::optional<QByteArray>(int index)>& screenBytes)
{
    if (text.size() > MaxInstallRecordBytes)
        return std::nullopt;
    const platform::IniDocument record = platform::IniDocument::parse(text);
    bool ok = false;
    const int count = record.value(Section, QStringLiteral("Screens")).value_or(QString()).toInt(&ok);
    if (!ok || count < 1 || count > MaxScreens)
        return std::nullopt;
    InstallIntent intent;
    if (record.value(Section, QStringLiteral("NamesSet")) == QStringLiteral("1"))
        intent.setName = record.value(Section, QStringLiteral("Set")).value_or(QString());
    for (int index = 1; index <= count; ++index) {
        const std::optional<QString> target = record.value(screenSection(index), QStringLiteral("Target"));
        if (!target || target->isEmpty())
            return std::nullopt;
        ScreenContent screen { *target, std::nullopt };
        if (record.value(screenSection(index), QStringLiteral("Remove")) != QStringLiteral("1")) {
            screen.data = screenBytes(index);
            if (!screen.data)
                return std::nullopt;
        }
        intent.screens.append(screen);
    }
    return intent;
}

void recordInstallIntent(const InstallIntent& intent)
{
    platform::IniDocument record = platform::IniDocument::parse({});
    record.setValue(
        Section, QStringLiteral("NamesSet"), intent.setName ? QStringLiteral("1") : QStringLiteral("0"));
    record.setValue(Section, QStringLiteral("Set"), intent.setName.value_or(QString()));
    record.setValue(Section, QStringLiteral("Screens"), QString::number(intent.screens.size()));
    for (int index = 1; index <= intent.screens.size(); ++index) {
        const ScreenContent& screen = intent.screens[index - 1];
        record.setValue(screenSection(index), QStringLiteral("Target"), screen.target);
        record.setValue(screenSection(index), QStringLiteral("Remove"),
            screen.data ? QStringLiteral("0") : QStringLiteral("1"));
    }
    const QByteArray text = record.toBytes();
    // A record the next command could not read would leave a cut installation unfinished.
    if (text.size() > MaxInstallRecordBytes || intent.screens.size() > MaxScreens)
        throw platform::FileError(platform::PathFileAccessError,
            QStringLiteral("The installation's record would be too long to be read back"));
    clearInstallIntent();
    if (!QDir().mkpath(recordFolder()))
        throw platform::FileError(platform::PathFileAccessError,
            QCoreApplication::translate(
                "Installation", "The folder %1 for the installation's record cannot be made")
                .arg(recordFolder()));
    for (int index = 1; index <= intent.screens.size(); ++index)
        if (const std::optional<QByteArray>& data = intent.screens[index - 1].data)
            platform::writeHostFileAtomically(screenFile(index), *data);
    platform::writeHostFileAtomically(recordPath(), text);
}

std::optional<InstallIntent> pendingInstallIntent()
{
    if (!QFile::exists(recordPath())) {
        if (QFileInfo::exists(recordFolder()))
            clearInstallIntent(); // screens of a record that was never written
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = readHostFile(recordPath(), MaxInstallRecordBytes);
    std::optional<InstallIntent> intent;
    if (bytes)
        intent = parseInstallIntent(
            *bytes, [](int index) { return readHostFile(screenFile(index), MaxScreenBytes); });
    if (!intent)
        clearInstallIntent();
    return intent;
}

void clearInstallIntent()
{
    // The record goes first: screens without a record are never taken for a pending installation.
    QFile::remove(recordPath());
    QDir(recordFolder()).removeRecursively();
}
