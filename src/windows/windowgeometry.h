#pragma once

#include <QString>

class QWidget;

// A window's size and place, kept per user (app/userstate.h) under `key`: brought back when it
// opens (when the screen still has room for it) and saved when it closes.
void restoreWindowGeometry(QWidget& window, const QString& key);
void saveWindowGeometry(const QWidget& window, const QString& key);
