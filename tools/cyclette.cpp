// cyclette: started at Windows start by "Cyclette.lnk" in the StartUp folder, it installs the logo
// set that follows the installed one in the library, wrapping round.
#include "install/companioncommands.h"
#include "install/companionprogram.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    prepareUnattendedProcess();
    QGuiApplication application(argc, argv);
    return runCompanionProgram(CompanionProgram::Cyclette, application.arguments().mid(1));
}
