// tandemist: started once by Windows through the Run key with "/auto", it copies the wait and
// shutdown screens that Bootcanvas left for the next start, when Windows no longer holds them.
#include "install/companioncommands.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    prepareUnattendedProcess();
    QGuiApplication application(argc, argv);
    return runTandemist(QStringLiteral("tandemist"), application.arguments().mid(1));
}
