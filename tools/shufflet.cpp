// shufflet: started at Windows start by "Shufflet.lnk" in the StartUp folder, it installs one of
// the other logo sets, picked at random.
#include "install/companioncommands.h"
#include "install/companionprogram.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    prepareUnattendedProcess();
    QGuiApplication application(argc, argv);
    return runCompanionProgram(CompanionProgram::Shufflet, application.arguments().mid(1));
}
