#include "app/startup.h"
#include "app/translations.h"
#include "platformui/popupaccessibility.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Before the application exists, so that its accessible interface is the one that lists menus.
    installPopupAccessibility();
    QApplication application(argc, argv);
    installTranslations(application);
    return Main(application);
}
