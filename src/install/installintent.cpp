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

std::optional<InstallIntent> parseRecord(const platform::IniDocument& record)
{
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
            screen.data = readHostFile(screenFile(index), MaxScreenBytes);
            if (!screen.data)
                return std::nullopt;
        }
        intent.screens.append(screen);
    }
    return intent;
}

} // namespace

void recordInstallIntent(const InstallIntent& intent)
{
    clearInstallIntent();
    if (!QDir().mkpath(recordFolder()))
        throw platform::FileError(platform::PathFileAccessError,
            QCoreApplication::translate(
                "Installation", "The folder %1 for the installation's record cannot be made")
                .arg(recordFolder()));
    platform::IniDocument record = platform::IniDocument::parse({});
    record.setValue(
        Section, QStringLiteral("NamesSet"), intent.setName ? QStringLiteral("1") : QStringLiteral("0"));
    record.setValue(Section, QStringLiteral("Set"), intent.setName.value_or(QString()));
    record.setValue(Section, QStringLiteral("Screens"), QString::number(intent.screens.size()));
    for (int index = 1; index <= intent.screens.size(); ++index) {
        const ScreenContent& screen = intent.screens[index - 1];
        if (screen.data)
            platform::writeHostFileAtomically(screenFile(index), *screen.data);
        record.setValue(screenSection(index), QStringLiteral("Target"), screen.target);
        record.setValue(screenSection(index), QStringLiteral("Remove"),
            screen.data ? QStringLiteral("0") : QStringLiteral("1"));
    }
    platform::writeHostFileAtomically(recordPath(), record.toBytes());
}

std::optional<InstallIntent> pendingInstallIntent()
{
    if (!QFile::exists(recordPath())) {
        if (QFileInfo::exists(recordFolder()))
            clearInstallIntent(); // screens of a record that was never written
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = readHostFile(recordPath(), platform::IniDocument::MaxBytes);
    std::optional<InstallIntent> intent;
    if (bytes)
        intent = parseRecord(platform::IniDocument::parse(*bytes));
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
