#include "helpandversion.h"

#include <cstdio>
#include <cstring>

namespace
{

enum class InfoRequest { None, Help, Version };

InfoRequest infoRequest(int argc, char** argv)
{
    if (argc < 2)
        return InfoRequest::None;
    if (std::strcmp(argv[1], "--help") == 0)
        return InfoRequest::Help;
    if (std::strcmp(argv[1], "--version") == 0)
        return InfoRequest::Version;
    return InfoRequest::None;
}

} // namespace

std::optional<int> answerInfoRequest(int argc, char** argv, const QString& program, const QString& usage)
{
    // Plain stdio: the answer comes before any Qt application exists (the window program needs
    // none and may run where no display is).
    switch (infoRequest(argc, argv)) {
    case InfoRequest::Help:
        std::fputs(usage.toLocal8Bit().constData(), stdout);
        break;
    case InfoRequest::Version:
        std::printf("%s %s\n", program.toLocal8Bit().constData(), BOOTCANVAS_VERSION);
        break;
    case InfoRequest::None:
        return std::nullopt;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
