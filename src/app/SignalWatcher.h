#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal in the event loop (self-pipe:
// the handler only writes the signal number into a pipe). One instance
// per process, living until the process ends; after it is gone the three
// signals are ignored.
//
// A program whose work does not run an event loop all the time (a command
// reading a FIFO without a writer, say) takes them with EndUnlessDeferred:
// a request then ends the process at once with 128 + the signal's number,
// unless deferring is on (a stoppable job runs, whose event loop takes the
// request); a second request while deferring ends it at once too.
class SignalWatcher : public QObject
{
    Q_OBJECT
public:
    enum class Mode { EventLoop, EndUnlessDeferred };
    static constexpr int ExitBase = 128;

    explicit SignalWatcher(Mode mode = Mode::EventLoop, QObject *parent = nullptr);
    ~SignalWatcher() override;

    // False when the pipe or the handlers could not be set up.
    bool isActive() const { return m_notifier != nullptr; }

    // Turns deferring on or off (EndUnlessDeferred only); turning it on
    // forgets an earlier request.
    static void setDeferring(bool on);

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};
