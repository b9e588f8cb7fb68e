// bootcanvas-cli: the program's work from a terminal. Each command is one row of the table below;
// file arguments are host paths, so no machine is needed for the picture commands.
#include "images/animatedlayer.h"
#include "images/bootpreview.h"
#include "images/conversionproblem.h"
#include "images/grafica.h"
#include "images/hugepageheap.h"
#include "images/imgdll.h"
#include "images/paletteanimation.h"
#include "images/picturereader.h"
#include "images/screenanimation.h"
#include "install/companioncommands.h"
#include "app/settings.h"
#include "sets/librarylisting.h"
#include "sets/logopackimport.h"

#include "app/consolestreams.h"
#include "app/helpandversion.h"
#include "app/imagemachine.h"
#include "app/translations.h"
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace
{

// The picture routines take host paths only when absolute; relative ones are made so here.
QString hostArgument(const QString& argument)
{
    return QFileInfo(argument).absoluteFilePath();
}

int failure(const QString& problem)
{
    standardError() << "bootcanvas-cli: " << problem << Qt::endl;
    return 1;
}

bool isOption(const QString& argument)
{
    return argument.startsWith(QLatin1String("--"));
}

// "--animate" or "--animate=COLOURS": how many palette entries the added bar rotates.
std::optional<int> animateOption(const QString& option)
{
    if (option == QLatin1String("--animate"))
        return images::DefaultBarColours;
    if (!option.startsWith(QLatin1String("--animate=")))
        return std::nullopt;
    bool ok = false;
    const int colours = option.mid(10).toInt(&ok);
    if (!ok || colours < images::MinBarColours || colours > images::MaxBarColours)
        return std::nullopt;
    return colours;
}

int convertCommand(const QStringList& args)
{
    LogoOptions options;
    QStringList files;
    for (const QString& argument : args) {
        if (!isOption(argument)) {
            files.append(hostArgument(argument));
        } else if (const auto colours = animateOption(argument)) {
            options.animatedBarColours = *colours;
        } else {
            standardError() << "bootcanvas-cli: "
                            << QCoreApplication::translate("bootcanvas-cli",
                                   "%1 is not --animate or --animate=COLOURS with %2 to %3 colours")
                                   .arg(argument, QString::number(images::MinBarColours),
                                       QString::number(images::MaxBarColours))
                            << Qt::endl;
            return 2;
        }
    }
    if (!ConvertToLogo(files[0], files[1], options))
        return failure(images::conversionProblem(files[0], files[1]));
    return 0;
}

QString animationText(int firstAnimated)
{
    if (firstAnimated == 0)
        return QStringLiteral("none");
    return QStringLiteral("palette %1-255, %2 colours")
        .arg(firstAnimated)
        .arg(images::animationPeriod(firstAnimated));
}

int previewCommand(const QStringList& args)
{
    const QString file = hostArgument(args[0]), target = hostArgument(args[1]);
    if (const QString problem = images::pictureProblem(file); !problem.isEmpty())
        return failure(problem);
    images::IndexedScreen screen = images::readIndexedScreen(file);
    if (screen.isNull())
        return failure(
            QCoreApplication::translate("bootcanvas-cli", "%1: not an 8-bit BMP screen").arg(file));
    if (images::shownStillAtBoot(file))
        screen.firstAnimated = 0;
    QFile out(target);
    const QByteArray gif = images::bootPreviewGif(screen);
    if (!out.open(QIODevice::WriteOnly) || out.write(gif) != gif.size() || !out.flush())
        return failure(QCoreApplication::translate("bootcanvas-cli", "%1: cannot be written (%2)")
                           .arg(target, out.errorString()));
    return 0;
}

int infoCommand(const QStringList& args)
{
    const QString file = hostArgument(args[0]);
    if (const QString problem = images::pictureProblem(file); !problem.isEmpty())
        return failure(problem);
    qint32 width = 0, height = 0;
    qint16 bitCount = 0;
    const images::PictureKind kind = images::kindOfHostFile(file);
    if (kind == images::PictureKind::Bmp) {
        GetBmpInfo(file, width, height, bitCount);
    } else {
        qint16 w = 0, h = 0;
        // A reduced decode is enough for the size.
        ImgDLLReadRGBFromFile(file, w, h, QSize(1, 1));
        width = w;
        height = h;
        bitCount = images::shownBitCount(file, kind);
    }
    standardOutput() << "width: " << width << "\nheight: " << height << "\nbit count: " << bitCount
                     << "\nlogo screen: " << (isLogoScreen(file) ? "yes" : "no")
                     << "\nanimation: " << animationText(images::readFirstAnimatedIndex(file)) << Qt::endl;
    return 0;
}

int importCommand(const QStringList& args)
{
    if (!loadLibrarySettings(standardError()))
        return 1;
    const QString pack = hostArgument(args[0]);
    // Nobody to ask on a terminal: a set that exists already refuses the import.
    const PackImport imported = importLogoPack(pack, settings().LogoPath, {});
    if (!imported.problem.isEmpty())
        return failure(pack + QStringLiteral(": ") + imported.problem);
    for (const QString& set : imported.sets)
        standardOutput() << "imported: " << set << '\n';
    standardOutput().flush();
    return 0;
}

int exportCommand(const QStringList& args)
{
    if (!loadLibrarySettings(standardError()))
        return 1;
    const QString pack = hostArgument(args[1]);
    if (const QString problem = exportLogoPack(args[0], settings().LogoPath, pack); !problem.isEmpty())
        return failure(pack + QStringLiteral(": ") + problem);
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
    bool onlyPictures = false; // works on picture files alone, without a machine or a windowing system
    bool takesOptions = false; // arguments starting with "--", given to `run` with the others
};

const Command commands[] = {
    { "convert", "[--animate[=COLOURS]] SRC DST", 2, convertCommand,
        "make a 320 x 400, 256-colour logo screen of a picture; --animate adds a moving bar whose\n"
        "      COLOURS (2 to 64, default 20) palette entries turn",
        true, true },
    { "info", "FILE", 1, infoCommand,
        "print a picture's width, height, bit count, whether it is a logo screen, and its animation", true },
    { "preview", "SCREEN OUT.gif", 2, previewCommand,
        "write the screen as seen at boot, 640 x 480, as a GIF of one cycle of its animation", true },
    { "list", "", 0, listCommand,
        "list the logo sets of the machine in use, marking the installed one with *" },
    { "import", "PACK.zip", 1, importCommand,
        "make logo sets of a ZIP pack: one per folder of screens, loose screens named after the pack" },
    { "export", "NAME OUT.zip", 2, exportCommand,
        "write a logo set as a ZIP pack (a single-logo set with the default wait and shutdown screens)" },
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

QString usageText()
{
    QString text;
    QTextStream out(&text);
    out << "usage: bootcanvas-cli [--image DISK-IMAGE] COMMAND [ARGUMENTS]\n"
           "       bootcanvas-cli --help | --version\n";
    for (const Command& command : commands)
        out << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary << '\n';
    out.flush();
    return text;
}

int usage()
{
    standardError() << usageText();
    standardError().flush();
    return 2;
}

// Enough heap for a conversion's big blocks (the decoded picture, the resampler's rows, libjpeg's
// buffers; a progressive JPEG's coefficients have pages of their own); only touched pages cost memory.
constexpr std::size_t PictureHeapReserve = std::size_t(256) * 1024 * 1024;

bool onlyPictures(int argc, char** argv)
{
    for (const Command& command : commands)
        if (argc > 1 && qstrcmp(argv[1], command.name) == 0)
            return command.onlyPictures;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode
        = answerInfoRequest(argc, argv, QStringLiteral("bootcanvas-cli"), usageText()))
        return *exitCode;
    // The machine commands may draw a new default machine's pictures, which needs a GUI application;
    // the picture commands do without one, as starting it costs more than a small conversion.
    // Without a command there is only the usage to print: no application to set up for it.
    if (argc < 2)
        return usage();
    prepareUnattendedProcess();
    if (onlyPictures(argc, argv))
        images::preferHugePageHeap(PictureHeapReserve);
    const std::unique_ptr<QCoreApplication> app = onlyPictures(argc, argv)
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QGuiApplication>(argc, argv);
    installTranslations(*app);
    ImgDLLStringInitDLL(QString());
    QStringList args = app->arguments().mid(1);
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
        const auto options = std::count_if(args.begin(), args.end(), isOption);
        if (args.size() - options != command.argumentCount || (options > 0 && !command.takesOptions))
            return usage();
        return command.run(args);
    }
    return usage();
}
