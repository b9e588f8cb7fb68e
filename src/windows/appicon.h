#pragma once

#include <QIcon>

// The program's icon: a monitor showing a sunrise, drawn by the program itself.
QIcon applicationIcon();
