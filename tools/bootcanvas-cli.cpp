// bootcanvas-cli: the program's work from a terminal. Each command is one row of the table below;
// file arguments are host paths, so no machine is needed for the picture commands.
#include "images/grafica.h"
#include "images/imgdll.h"
#include "install/companioncommands.h"
#include "library/librarylisting.h"

#include "app/consolestreams.h"
#include "app/imagemachine.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <QTextStream>

#include <functional>
#include <span>

namespace
{

// The picture routines take host paths only when absolute; relative ones are made so here.
QString hostArgument(const QString& argument)
{
    return QFileInfo(argument).absoluteFilePath();
}

int convertCommand(const QStringList& args)
{
    if (!ConvertToLogo(hostArgument(args[0]), hostArgument(args[1]))) {
        standardError() << "bootcanvas-cli: no logo screen was made from " << args[0] << Qt::endl;
        return 1;
    }
    return 0;
}

int infoCommand(const QStringList& args)
{
    const QString file = hostArgument(args[0]);
    if (!QFileInfo(file).isFile()) {
        standardError() << "bootcanvas-cli: cannot read " << args[0] << Qt::endl;
        return 1;
    }
    qint32 width = 0, height = 0;
    qint16 bitCount = 0;
    const QString extension = QFileInfo(file).suffix().toUpper();
    if (extension == QLatin1String("GIF") || extension == QLatin1String("JPG")) {
        qint16 w = 0, h = 0;
        const PixelBlock block = extension == QLatin1String("GIF")
            ? ImgDLLReadRGBFromGIF(file, w, h)
            : ImgDLLReadRGBFromJPG(file, w, h, QSize(1, 1)); // a reduced decode is enough for the size
        width = w;
        height = h;
        bitCount = extension == QLatin1String("GIF") ? 8 : 24;
    } else {
        GetBmpInfo(file, width, height, bitCount);
    }
    standardOutput() << "width: " << width << "\nheight: " << height << "\nbit count: " << bitCount
                     << "\nlogo screen: " << (isLogoScreen(file) ? "yes" : "no") << Qt::endl;
    return 0;
}

int listCommand(const QStringList&)
{
    return printLogoLibrary(standardOutput(), standardError());
}

struct Command {
    const char* name;
    const char* arguments; // for the usage text
    int argumentCount;
    std::function<int(const QStringList&)> run;
    const char* summary;
};

const Command commands[] = {
    { "convert", "SRC DST", 2, convertCommand, "make a 320 x 400, 256-colour logo screen of a picture" },
    { "info", "FILE", 1, infoCommand,
        "print a picture's width, height, bit count and whether it is a logo screen" },
    { "list", "", 0, listCommand,
        "list the logo sets of the machine in use, marking the installed one with *" },
    { "install", "NAME", 1,
        [](const QStringList& args) { return runInstallCommand("bootcanvas-cli", args[0]); },
        "install a logo set of the machine in use as its screens" },
    { "random", "", 0, [](const QStringList&) { return runShufflet("bootcanvas-cli"); },
        "install another logo set picked at random" },
    { "next", "", 0, [](const QStringList&) { return runCyclette("bootcanvas-cli"); },
        "install the logo set after the installed one" },
    { "current", "", 0, [](const QStringList&) { return runCurrentCommand("bootcanvas-cli"); },
        "print the installed logo set and screens" },
    { "restore", "", 0, [](const QStringList&) { return runRestoreCommand("bootcanvas-cli"); },
        "put back the screens the system had before the first installation" },
    { "repair", "", 0, [](const QStringList&) { return runRepairCommand("bootcanvas-cli"); },
        "check the machine's disk images with fsck.fat and repair them" },
};

int usage()
{
    standardError() << "usage: bootcanvas-cli [--image DISK-IMAGE] COMMAND [ARGUMENTS]\n";
    for (const Command& command : commands)
        standardError() << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary
                        << '\n';
    standardError().flush();
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // The machine commands may draw a new default machine's pictures, which needs a GUI application.
    prepareUnattendedProcess();
    QGuiApplication app(argc, argv);
    ImgDLLStringInitDLL(QString());
    QStringList args = app.arguments().mid(1);
    try {
        if (const std::optional<QString> image = takeImageOption(args))
            useImageMachine(*image);
    } catch (const std::invalid_argument&) {
        return usage();
    } catch (const std::exception& error) {
        standardError() << "bootcanvas-cli: " << QString::fromStdString(error.what()) << Qt::endl;
        return 1;
    }
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    for (const Command& command : commands) {
        if (name != QLatin1String(command.name))
            continue;
        if (args.size() != command.argumentCount)
            return usage();
        return command.run(args);
    }
    return usage();
}
