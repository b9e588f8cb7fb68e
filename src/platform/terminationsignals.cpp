#include "terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace platform
{

namespace
{

int signalSockets[2] = { -1, -1 }; // [0] written by the handler, [1] read on the event loop
constexpr int HandledSignals[] = { SIGTERM, SIGHUP };

void writeSignalNumber(int signalNumber)
{
    // Only async-signal-safe calls here; a full socket drops the byte, the loop has one already.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void setSignalHandler(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (signalSockets[0] != -1)
        throw std::logic_error("termination signals are already handled");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        throw std::runtime_error("no socket pair for termination signals");
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    for (const int signalNumber : HandledSignals)
        setSignalHandler(signalNumber, writeSignalNumber);
}

TerminationSignals::~TerminationSignals()
{
    for (const int signalNumber : HandledSignals)
        setSignalHandler(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(signalSockets[1], &byte, 1) == 1)
        Q_EMIT terminationRequested(byte);
}

} // namespace platform
