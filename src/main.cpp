#include "app/helpandversion.h"
#include "app/startup.h"
#include "app/translations.h"
#include "platformui/popupaccessibility.h"

#include <QApplication>

namespace
{

const char* const Usage
    = "usage: bootcanvas [--image DISK-IMAGE]\n"
      "Keeps a library of Windows 95/98 logo sets, previews them, installs one as the\n"
      "system's startup, wait and shutdown screens, and builds new sets from pictures.\n"
      "\n"
      "  --image DISK-IMAGE  work on the Windows installation in a virtual machine's disk image\n"
      "  --help              show this text and exit\n"
      "  --version           show the version and exit\n"
      "\n"
      "Without --image it works on the machine named by BOOTCANVAS_MACHINE, or the default\n"
      "machine in $XDG_DATA_HOME/bootcanvas/machine. See also bootcanvas-cli --help.\n";

} // namespace

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so it works on a plain terminal too.
    if (const std::optional<int> exitCode
        = answerInfoRequest(argc, argv, QStringLiteral("bootcanvas"), QString::fromLatin1(Usage)))
        return *exitCode;
    // Before the application exists, so that its accessible interface is the one that lists menus.
    installPopupAccessibility();
    QApplication application(argc, argv);
    installTranslations(application);
    return Main(application);
}
