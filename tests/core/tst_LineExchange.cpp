#include "link/LineExchange.h"
#include "ScriptedPort.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sys/resource.h>

namespace {

constexpr int ShortBoundMs = 50;
const QByteArray ReadCommand = "KV~F0600R\r\n"; // 11 characters

// The most this process has ever held in memory, in kilobytes.
long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class tst_LineExchange : public QObject
{
    Q_OBJECT

private slots:
    // First, while this process is still small: it measures its peak memory.
    void floodWithoutLineFeedIsNotKept();
    void completion_data();
    void completion();
    void staleInputIsDiscarded();
    void lateAnswerOfEarlierCommandIsDiscarded();
    void portFailure_data();
    void portFailure();
    void silentPeerGivesUpAfterTwoSeconds();
    void junkThenLineFeedDoesNotComplete();
    void pauseTakesItsTime();
    void txEndSendsEndCommandAndIgnoresSilence();
};

void tst_LineExchange::completion_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QString>("expected");

    const QByteArray answer = QByteArray(64, 'A') + "\r\n";
    const QString noReply = LineExchange::noReply();
    QTest::newRow("whole reply at once") << QByteArrayList{ReadCommand + answer}
                                         << QString::fromLatin1(ReadCommand + answer);
    QTest::newRow("pieces joined in order") << ScriptedPort::inPieces(ReadCommand + answer, 7)
                                            << QString::fromLatin1(ReadCommand + answer);
    QTest::newRow("one byte at a time") << ScriptedPort::inPieces(ReadCommand + answer, 1)
                                        << QString::fromLatin1(ReadCommand + answer);
    QTest::newRow("echo alone") << QByteArrayList{ReadCommand} << noReply;
    QTest::newRow("length plus 3 ending in LF") << QByteArrayList{ReadCommand + "O\r\n"} << noReply;
    QTest::newRow("length plus 4 ending in LF")
        << QByteArrayList{ReadCommand, "OK\r\n"} << QString::fromLatin1(ReadCommand + "OK\r\n");
    QTest::newRow("plus 3, then one more LF")
        << QByteArrayList{ReadCommand + "O\r\n", "\n"} << QString::fromLatin1(ReadCommand + "O\r\n\n");
    QTest::newRow("long but not ending in LF") << QByteArrayList{ReadCommand + answer + "X"} << noReply;
    // At most the command's length, the longest answer and a margin: 141
    // characters here.
    const int limit = LineExchange::replyLimit(QString::fromLatin1(ReadCommand));
    const QByteArray atLimit = ReadCommand + QByteArray(limit - ReadCommand.size() - 2, 'A') + "\r\n";
    QTest::newRow("as long as the limit") << QByteArrayList{atLimit} << QString::fromLatin1(atLimit);
    // Too much: said as such, not as silence.
    const QString overlong = LineExchange::overlongReply();
    QTest::newRow("one past the limit") << QByteArrayList{ReadCommand + "A" + atLimit.mid(11)} << overlong;
    QTest::newRow("one past the limit, in pieces")
        << ScriptedPort::inPieces(ReadCommand + "A" + atLimit.mid(11), 5) << overlong;
    QTest::newRow("past the limit, then a whole reply")
        << QByteArrayList{QByteArray(limit + 1, 'x'), ReadCommand + answer} << overlong;
    QTest::newRow("echo not compared") << QByteArrayList{"xxxxxxxxxxxOK\r\n"} << "xxxxxxxxxxxOK\r\n";
    QTest::newRow("silent") << QByteArrayList{} << noReply;
}

void tst_LineExchange::completion()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QString, expected);

    ScriptedPort port;
    port.setResponder([&](const QByteArray &) { return pieces; });
    QVERIFY(port.open());
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(ShortBoundMs);

    QCOMPARE(exchange.exchange(QString::fromLatin1(ReadCommand)), expected);
    QCOMPARE(port.written(), QByteArrayList{ReadCommand});
}

void tst_LineExchange::staleInputIsDiscarded()
{
    ScriptedPort port;
    port.setResponder([](const QByteArray &command) { return ScriptedPort::echoAnd(command, "OK\r\n"); });
    QVERIFY(port.open());
    port.inject("left over\r\n");
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(ShortBoundMs);

    QCOMPARE(exchange.exchange("QTR70\r\n"), QString("QTR70\r\nOK\r\n"));
}

void tst_LineExchange::lateAnswerOfEarlierCommandIsDiscarded()
{
    // The first command gets no answer in time; its answer turns up just
    // before the second command and must not be taken for the second reply.
    ScriptedPort port;
    int count = 0;
    port.setResponder([&](const QByteArray &command) {
        return count++ == 0 ? QByteArrayList{} : ScriptedPort::echoAnd(command, "OK\r\n");
    });
    QVERIFY(port.open());
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(ShortBoundMs);

    QCOMPARE(exchange.exchange("QTR70\r\n"), LineExchange::noReply());
    port.inject("QTR70\r\nOK\r\n");
    QCOMPARE(exchange.exchange("QTR60\r\n"), QString("QTR60\r\nOK\r\n"));
}

void tst_LineExchange::portFailure_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("not open") << "closed";
    QTest::newRow("write refused") << "write";
    QTest::newRow("error while waiting") << "read";
}

void tst_LineExchange::portFailure()
{
    QFETCH(QString, how);

    ScriptedPort port;
    port.setResponder([](const QByteArray &command) { return ScriptedPort::echoAnd(command, "OK\r\n"); });
    if (how != "closed")
        QVERIFY(port.open());
    if (how == "write")
        port.failAt(0, ScriptedPort::Failure::Write);
    if (how == "read")
        port.failAt(0, ScriptedPort::Failure::Read);
    LineExchange exchange(port);
    // A failure must not wait for the bound.
    exchange.setReplyTimeoutMs(60000);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(exchange.exchange("QTR70\r\n"), LineExchange::portFailure());
    QVERIFY2(clock.elapsed() < 30000, "a port failure waited for the bound");
}

void tst_LineExchange::silentPeerGivesUpAfterTwoSeconds()
{
    ScriptedPort port;
    port.setResponder([](const QByteArray &command) { return QByteArrayList{command}; }); // echo only
    QVERIFY(port.open());
    LineExchange exchange(port);
    QCOMPARE(exchange.replyTimeoutMs(), 2000);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(exchange.exchange("KV~WHO\r\n"), LineExchange::noReply());
    QVERIFY2(clock.elapsed() >= 1990, qPrintable(QString::number(clock.elapsed())));
}

void tst_LineExchange::floodWithoutLineFeedIsNotKept()
{
    // 64 MB without a line feed, within the bound: none of it is a reply,
    // and none of it may pile up.
    const QByteArray megabyte(1 << 20, 'Z');
    constexpr int Megabytes = 64;
    ScriptedPort port;
    port.setResponder([&](const QByteArray &) { return QByteArrayList(Megabytes, megabyte); });
    QVERIFY(port.open());
    int delivered = 0;
    connect(&port, &RadioPort::readyRead, this, [&] { ++delivered; });
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(1500);

    const long before = peakKilobytes();
    QCOMPARE(exchange.exchange("KV~WHO\r\n"), LineExchange::overlongReply());
    const long grown = peakKilobytes() - before;
    QCOMPARE(delivered, Megabytes);
    QVERIFY2(grown < 16 * 1024, qPrintable(QStringLiteral("peak grew by %1 kB").arg(grown)));
}

void tst_LineExchange::junkThenLineFeedDoesNotComplete()
{
    // Far more than any reply, then a line feed: no reply it takes, and
    // the exchange waits for the whole bound, then says it was too long.
    ScriptedPort port;
    port.setResponder([](const QByteArray &command) {
        return QByteArrayList{command} + ScriptedPort::inPieces(QByteArray(1 << 20, '\x1b'), 4096)
            + QByteArrayList{"OK\r\n"};
    });
    QVERIFY(port.open());
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(1000);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(exchange.exchange("KV~WHO\r\n"), LineExchange::overlongReply());
    QVERIFY2(clock.elapsed() >= 990, qPrintable(QString::number(clock.elapsed())));

    // The next exchange is not disturbed by what was thrown away.
    port.setResponder([](const QByteArray &command) { return ScriptedPort::echoAnd(command, "QTR70\r\n"); });
    exchange.setReplyTimeoutMs(ShortBoundMs);
    QCOMPARE(exchange.exchange("KV~WHO\r\n"), QString("KV~WHO\r\nQTR70\r\n"));
}

void tst_LineExchange::pauseTakesItsTime()
{
    ScriptedPort port;
    LineExchange exchange(port);

    QElapsedTimer clock;
    clock.start();
    exchange.pause(20);
    QVERIFY(clock.elapsed() >= 20);
}

void tst_LineExchange::txEndSendsEndCommandAndIgnoresSilence()
{
    ScriptedPort port;
    QVERIFY(port.open());
    LineExchange exchange(port);
    exchange.setReplyTimeoutMs(ShortBoundMs);

    QElapsedTimer clock;
    clock.start();
    exchange.sendEnd();
    QCOMPARE(port.written(), QByteArrayList{"KV~E\r\n"});
    QVERIFY(clock.elapsed() >= ShortBoundMs + LineExchange::EndPauseMs);
}

QTEST_GUILESS_MAIN(tst_LineExchange)
#include "tst_LineExchange.moc"
