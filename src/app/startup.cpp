#include "startup.h"

#include <QApplication>

int Main(QApplication& application)
{
    LaunchMainWindow();
    return application.exec();
}

void LaunchMainWindow() {}
