#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform
{

// SIGTERM and SIGHUP (a log-out, `kill`, a closed terminal) turned into a Qt signal on the event
// loop, so the program ends through its own exit sequence instead of losing its state. The
// handler only writes the signal's number into a socket pair; everything else runs on the loop.
// One instance a process; the signals fall back to their defaults when it is destroyed.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readPending();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
