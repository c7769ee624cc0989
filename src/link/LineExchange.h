#pragma once

#include <QObject>
#include <QString>

class RadioPort;

// The one primitive by which every command reaches the radio, and the
// pauses between commands. It blocks the thread it runs on (a transfer's
// own): waiting sleeps until data, a port error or the bound arrives.
class LineExchange : public QObject
{
    Q_OBJECT
public:
    // How long one exchange may take before it gives up.
    static constexpr int ReplyTimeoutMs = 2000;
    // The pause after the end command.
    static constexpr int EndPauseMs = 10;
    // A reply is complete when it is longer than the command by more than
    // this many characters and ends in LF (the echo alone never is).
    static constexpr int CompletionMargin = 3;
    // A reply holds the echo of the command (never longer than the command)
    // and an answer, the longest being a record: 64 hex digits and CR LF.
    static constexpr int LongestAnswer = 66;
    // What arrives beyond the echo, the longest answer and this margin
    // cannot be a reply: the exchange stops collecting and ends without one.
    static constexpr int ReplyLimitMargin = 64;
    // Once part of a reply has come over a port with a pace of its own, the
    // exchange sleeps until all but this many of the characters still
    // missing can have come, rather than waking for each one; the last ones
    // are then read as they come, so that waking a little late costs no time.
    static constexpr int WakeMarginCharacters = 1;
    // A sleep that would pass fewer characters than this is not taken.
    static constexpr int ShortestSleepCharacters = 3;

    // Returned instead of a reply: the port failed / no complete reply came.
    static QString portFailure() { return QStringLiteral("False00"); }
    static QString noReply() { return QStringLiteral("False01"); }
    // More arrived than any reply holds (replyLimit), and no end in time.
    static QString overlongReply() { return QStringLiteral("False02"); }
    static QString endCommand() { return QStringLiteral("KV~E\r\n"); }

    explicit LineExchange(RadioPort &port, QObject *parent = nullptr);

    RadioPort &port() { return m_port; }

    // Tests may shorten the bound of one exchange and the end pause.
    void setReplyTimeoutMs(int ms) { m_replyTimeoutMs = ms; }
    int replyTimeoutMs() const { return m_replyTimeoutMs; }
    void setEndPauseMs(int ms) { m_endPauseMs = ms; }
    int endPauseMs() const { return m_endPauseMs; }

    // Discards what has arrived so far, sends the command line unchanged and
    // returns everything received after it (the echo and the answer) once
    // that is longer than the command plus 3 characters and ends in LF.
    // "False01" when no complete reply came within the bound, "False02"
    // when more arrived meanwhile than a reply can hold (see replyLimit()),
    // "False00" when
    // reading or writing the port failed. `replyLength` is the length the
    // reply normally has (0: not known, the shortest complete one assumed);
    // it only decides when to look again, never what is accepted: a reply
    // that is complete when looked at ends the exchange, shorter or not.
    QString exchange(const QString &command, int replyLength = 0);
    // Returns after `ms` milliseconds.
    void pause(int ms);
    // Sends the end command, ignores whatever comes back, pauses.
    void sendEnd();

    // True when `reply` completes the exchange of `command`.
    static bool isComplete(const QString &command, const QByteArray &reply);
    // The most a reply to `command` may hold.
    static int replyLimit(const QString &command)
    {
        return int(command.size()) + LongestAnswer + ReplyLimitMargin;
    }

private:
    // The reply as it comes in, and when to look for the rest.
    class Reply
    {
    public:
        Reply(const QString &command, int replyLength, qint64 characterUs);
        // Adds what arrived; true once the reply is complete.
        bool take(const QByteArray &arrived);
        // How long to leave the rest in the device after the reply grew:
        // until all but the last characters can have come (0: look now).
        int sleepBeforeRest(qint64 leftMs) const;
        bool overflowed() const { return m_overflowed; }
        const QByteArray &text() const { return m_text; }

    private:
        QString m_command;
        int m_limit;
        int m_expected;
        qint64 m_characterUs;
        QByteArray m_text;
        bool m_overflowed = false;
        bool m_grown = false;
    };

    RadioPort &m_port;
    int m_replyTimeoutMs = ReplyTimeoutMs;
    int m_endPauseMs = EndPauseMs;
};
