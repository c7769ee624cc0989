#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the virtual radio (qtr70-sim, found through $QTR70_SIM_BIN) for a
// test: starts it, reads the terminal path it prints, and ends it with
// SIGTERM. The sim's stderr goes to the test's stderr.
class SimProcess
{
public:
    static constexpr int StartTimeoutMs = 5000;
    static constexpr int StopTimeoutMs = 5000;

    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // Starts the sim with `args` and waits for its terminal path. False
    // when $QTR70_SIM_BIN is unset, or the sim did not start or ended
    // without printing a path (a refused option or image).
    bool start(const QStringList &args);
    // The terminal to open as the serial port; empty before start().
    QString devicePath() const { return m_devicePath; }
    // Sends SIGTERM and waits until the sim has ended (it writes --save
    // first); kills it if it does not end in time. Nothing when not running.
    void stop();

    // After the sim ended: its exit status, -1 when it crashed or runs.
    int exitCode() const;

private:
    // Runs the event loop until the process ends or the time is up.
    bool waitForEnd(int timeoutMs);

    QProcess m_process;
    QString m_devicePath;
};
