#pragma once

#include "link/RadioPort.h"

#include <QByteArrayList>

#include <functional>

// An in-process radio port for tests. Each command written gets the reply
// the script gives for it, delivered in pieces, one piece per wait (a wait
// with nothing to deliver sleeps its time). Records every command written;
// can fail to open, fail a write or fail while a reply is awaited.
class ScriptedPort : public RadioPort
{
    Q_OBJECT
public:
    // The pieces to deliver after a command; empty for a silent peer.
    using Responder = std::function<QByteArrayList(const QByteArray &command)>;
    enum class Failure { Write, Read };

    explicit ScriptedPort(QObject *parent = nullptr);

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    // Command number `index` (0-based, counting every write attempt) fails
    // as given: its write is refused, or it is sent and the port then
    // reports an error instead of a reply.
    void failAt(int index, Failure how);
    // open() fails with this reason.
    void setOpenError(const QString &reason) { m_openError = reason; }
    // Bytes that arrive now, outside any exchange.
    void inject(const QByteArray &bytes);

    // Every command line sent, in order.
    QByteArrayList written() const { return m_written; }
    int openCount() const { return m_openCount; }

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray &data) override;
    bool readAll(QByteArray &received) override;
    bool waitForReadyRead(int ms) override;
    QString errorString() const override { return m_errorString; }
    QString deviceName() const override { return QStringLiteral("scripted"); }

    // The echo of `command` followed by `answer`, as one piece.
    static QByteArrayList echoAnd(const QByteArray &command, const QByteArray &answer);
    // `bytes` cut into pieces of at most `size` bytes.
    static QByteArrayList inPieces(const QByteArray &bytes, int size);

private:
    void fail(const QString &reason);

    Responder m_responder;
    QByteArrayList m_written;
    QByteArray m_inbox;
    // The pieces still to come, and whether the port fails instead.
    QByteArrayList m_pending;
    bool m_failPending = false;
    QString m_openError;
    QString m_errorString;
    int m_attempts = 0;
    int m_failIndex = -1;
    Failure m_failHow = Failure::Write;
    int m_openCount = 0;
    bool m_open = false;
    bool m_failed = false;
};
