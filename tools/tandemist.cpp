// tandemist: started once by Windows through the Run key with "/auto", it copies the wait and
// shutdown screens that Bootcanvas left for the next start, when Windows no longer holds them.
#include "install/companioncommands.h"
#include "install/companionprogram.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    prepareUnattendedProcess();
    QGuiApplication application(argc, argv);
    return runCompanionProgram(CompanionProgram::Tandemist, application.arguments().mid(1));
}
