#include "companionprogram.h"

#include "companioncommands.h"

#include "app/consolestreams.h"
#include "app/imagemachine.h"

#include <optional>
#include <stdexcept>

namespace
{

struct ProgramText {
    const char* name;
    const char* operands; // after the options, in the usage line
    const char* summary;
};

ProgramText textOf(CompanionProgram program)
{
    switch (program) {
    case CompanionProgram::Shufflet:
        return { "shufflet", "", "installs another logo set of the machine, picked at random" };
    case CompanionProgram::Cyclette:
        return { "cyclette", "", "installs the logo set after the installed one, wrapping round at the end" };
    case CompanionProgram::Tandemist:
        break;
    }
    return { "tandemist", " /auto",
        "copies the wait and shutdown screens left pending by Bootcanvas into the Windows folder" };
}

void printUsage(QTextStream& stream, CompanionProgram program)
{
    const ProgramText text = textOf(program);
    stream
        << "usage: " << text.name << " [--image DISK-IMAGE]" << text.operands << "\n"
        << "       " << text.name << " --help | --version\n"
        << "  " << text.summary << ".\n"
        << "  --image DISK-IMAGE  work on the Windows inside that disk image instead of the default machine"
        << Qt::endl;
}

int usageError(CompanionProgram program)
{
    printUsage(standardError(), program);
    return 2;
}

bool operandsFit(CompanionProgram program, const QStringList& operands)
{
    if (program != CompanionProgram::Tandemist)
        return operands.isEmpty();
    return operands.size() == 1 && operands[0].compare(QLatin1String("/auto"), Qt::CaseInsensitive) == 0;
}

int runWork(CompanionProgram program)
{
    const QString name = QString::fromLatin1(textOf(program).name);
    switch (program) {
    case CompanionProgram::Shufflet:
        return runShufflet(name);
    case CompanionProgram::Cyclette:
        return runCyclette(name);
    case CompanionProgram::Tandemist:
        break;
    }
    return runTandemist(name);
}

} // namespace

int runCompanionProgram(CompanionProgram program, QStringList arguments)
{
    if (arguments == QStringList { QStringLiteral("--help") }) {
        printUsage(standardOutput(), program);
        return 0;
    }
    if (arguments == QStringList { QStringLiteral("--version") }) {
        standardOutput() << textOf(program).name << " (Bootcanvas) " << BOOTCANVAS_VERSION << Qt::endl;
        return 0;
    }
    std::optional<QString> image;
    try {
        image = takeImageOption(arguments);
    } catch (const std::invalid_argument&) {
        return usageError(program);
    }
    if (!operandsFit(program, arguments))
        return usageError(program);
    if (image) {
        try {
            useImageMachine(*image);
        } catch (const std::exception& error) {
            standardError() << textOf(program).name << ": " << QString::fromStdString(error.what())
                            << Qt::endl;
            return 1;
        }
    }
    return runWork(program);
}
