#pragma once

#include <QList>
#include <QStringList>

class QAction;
class QWidget;

// Access keys (Alt + the underlined letter) as the tests check them.

// The keys that more than one of `texts` claims, each with the texts that claim it.
QStringList sharedAccessKeys(const QStringList& texts);
// The texts of menu entries; separators and hidden entries take no key.
QStringList entryTexts(const QList<QAction*>& actions);
// What a user reaches with Alt in a window: buttons, captions of controls, frames, tabs and the
// menu bar. `ShownPage` counts only what shows now; `EveryPage` also the pages of other tabs.
enum class Pages { ShownPage, EveryPage };
QStringList windowTexts(const QWidget& window, Pages pages);
// Expects each menu that `window` owns to give every key to one entry; returns how many it checked.
int expectUniqueAccessKeysInMenus(const QWidget& window);
