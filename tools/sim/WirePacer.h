#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

// The wire between the program and the radio. Splits what arrives into
// command lines (each ends with LF), hands each line to the handler and
// transmits the handler's reply.
//
// Unpaced, everything happens at once. Paced, it models a half-duplex
// 9600-baud line with 10 bits per character: a command counts as received
// when its last character could have arrived (its length in character
// times after the wire was free and its first byte was there), and the
// reply goes out one character time per character. All times are taken
// against one monotonic clock, so the pace does not drift.
class WirePacer : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 BaudRate = 9600;
    static constexpr qint64 BitsPerCharacter = 10;
    static constexpr qint64 NanosecondsPerSecond = 1000000000;
    static constexpr qint64 CharacterTimeNs = BitsPerCharacter * NanosecondsPerSecond / BaudRate;

    using Handler = std::function<QByteArray(const QByteArray &line)>;

    explicit WirePacer(bool paced, QObject *parent = nullptr);

    bool paced() const { return m_paced; }
    void setHandler(Handler handler) { m_handler = std::move(handler); }

public slots:
    // Bytes from the program.
    void receive(const QByteArray &bytes);

signals:
    // Bytes for the program.
    void transmit(const QByteArray &bytes);
    // A command's reply has gone out completely (also when it was empty).
    void replyFinished();

private:
    struct Line {
        QByteArray text;
        qint64 firstByteNs; // arrival of its first byte
        qint64 lastByteNs;  // arrival of its LF
    };

    void service();
    void scheduleAt(qint64 dueNs, qint64 nowNs);
    qint64 now() const { return m_clock.nsecsElapsed(); }

    const bool m_paced;
    Handler m_handler;
    QElapsedTimer m_clock;
    QTimer m_timer;

    QByteArray m_partial;
    qint64 m_partialFirstByteNs = 0;
    std::deque<Line> m_lines;

    // The reply in flight: its bytes, when its first character starts and
    // how many characters are out.
    QByteArray m_reply;
    qint64 m_replyStartNs = 0;
    int m_replySent = 0;
    bool m_replyInFlight = false;
    // When the last reply's last character has gone out.
    qint64 m_wireFreeNs = 0;
};
