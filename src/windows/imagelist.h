#pragma once

#include <QIcon>
#include <QString>

// The small icons of the program's lists, by key: "image", "closed", "up", "singlelogo",
// "multilogo" and "sys". Drawn by the program itself; an unknown key gives a null icon.
QIcon imageListIcon(const QString& key);
