#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal in the event loop (self-pipe:
// the handler only writes the signal number into a pipe). One instance
// per process, living until the process ends; after it is gone the three
// signals are ignored.
class SignalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    // False when the pipe or the handlers could not be set up.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};
