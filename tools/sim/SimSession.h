#pragma once

#include "CommandLog.h"
#include "PtyEndpoint.h"
#include "SimOptions.h"
#include "UsbAdapter.h"
#include "VirtualRadio.h"
#include "WirePacer.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

// One run of the virtual radio: the terminal, the wire, the radio, the
// log, and the clone file written at the end.
class SimSession : public QObject
{
    Q_OBJECT
public:
    // Before closing the terminal after its last reply, the radio waits
    // until the program has read that reply (the terminal drops unread
    // bytes on close), checking this often and at most this long.
    static constexpr int DrainCheckMs = 5;
    static constexpr int DrainLimitMs = 2000;

    SimSession(const SimOptions &options, const VirtualRadio &radio, QObject *parent = nullptr);

    // Opens the terminal, its link and the log. False with `error` set.
    bool start(QString &error);
    QString devicePath() const { return m_pty.devicePath(); }
    const VirtualRadio &radio() const { return m_radio; }

public slots:
    // Writes the clone file (--save), closes the terminal and reports
    // finished(). Runs once.
    void finish();

signals:
    // 0, or 1 when the clone file could not be written.
    void finished(int exitCode);

private:
    QByteArray handleLine(const QByteArray &line);
    void onReplyFinished();
    void startClosing();
    void checkDrained();

    SimOptions m_options;
    VirtualRadio m_radio;
    PtyEndpoint m_pty;
    WirePacer m_pacer;
    // Between the wire and the terminal when --usb-latency is given.
    UsbAdapter *m_adapter = nullptr;
    CommandLog m_log;
    QTimer m_drainTimer;
    QDeadlineTimer m_drainDeadline;
    bool m_closing = false;
    bool m_finished = false;
};
