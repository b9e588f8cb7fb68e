#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
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
