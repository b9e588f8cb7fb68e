#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// One screen of an installation: the bytes that go to `target` (a Windows path), or nothing to
// remove it.
struct ScreenContent {
    QString target;
    std::optional<QByteArray> data;
};

// What an installation is about to do, kept in the machine folder on the host until it is done, so
// that the next command can finish one that was cut short. The screens' bytes are written first and
// the record last, each atomically, so a record that exists is whole.
struct InstallIntent {
    std::optional<QString> setName; // the set to name once the screens are in; nothing: leave it
    QList<ScreenContent> screens;
};

void recordInstallIntent(const InstallIntent& intent);
// The installation recorded for the current machine; nothing when none is pending. A record that
// cannot be read whole is treated as none, and dropped.
std::optional<InstallIntent> pendingInstallIntent();
void clearInstallIntent();

// The longest record read: a set's name and a few Windows paths take far less.
constexpr qint64 MaxInstallRecordBytes = 64 * 1024;
// Reads a record's text; `screenBytes(index)` gives the bytes kept for screen `index` (from 1),
// nothing when they are missing. Nothing for a record that is not whole or is too long.
std::optional<InstallIntent> parseInstallIntent(
    const QByteArray& record, const std::function<std::optional<QByteArray>(int index)>& screenBytes);
