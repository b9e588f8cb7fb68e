// shufflet: started at Windows start by "Shufflet.lnk" in the StartUp folder, it installs one of
// the other logo sets, picked at random.
#include "install/companioncommands.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    prepareUnattendedProcess();
    QGuiApplication application(argc, argv);
    return runShufflet(QStringLiteral("shufflet"));
}
