#include "codec/MemoryMap.h"
#include "link/BlockCommands.h"
#include "link/LineExchange.h"
#include "ScriptedPort.h"

#include <QtTest>

using Status = BlockCommands::Status;
Q_DECLARE_METATYPE(BlockCommands::Status)

namespace {

constexpr int ShortBoundMs = 50;
const QByteArray Digits = "0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF";

// A port, an exchange with a short bound, and the commands on top.
struct Peer
{
    ScriptedPort port;
    LineExchange exchange{port};
    BlockCommands commands{exchange};

    explicit Peer(ScriptedPort::Responder responder)
    {
        port.setResponder(std::move(responder));
        port.open();
        exchange.setReplyTimeoutMs(ShortBoundMs);
    }
};

// Answers every command with its echo and `answer`; "silent" answers
// nothing at all.
ScriptedPort::Responder answering(const QByteArray &answer)
{
    return [answer](const QByteArray &command) {
        return answer == "silent" ? QByteArrayList{} : ScriptedPort::echoAnd(command, answer);
    };
}

} // namespace

class tst_BlockCommands : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data();
    void commandLines();
    void readRecord_data();
    void readRecord();
    void writeRecord_data();
    void writeRecord();
    void checkModel_data();
    void checkModel();
    void identifyRadio_data();
    void identifyRadio();
    void replyToAnotherCommandRefused();
};

void tst_BlockCommands::commandLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("read slot 0") << BlockCommands::readCommand(MemoryMap::channelAddress(0)) << "KV~F0600R\r\n";
    QTest::newRow("read slot 603") << BlockCommands::readCommand(MemoryMap::channelAddress(603))
                                   << "KV~F5160R\r\n";
    QTest::newRow("read settings 1") << BlockCommands::readCommand(MemoryMap::SettingsRecord1)
                                     << "KV~F0300R\r\n";
    QTest::newRow("write settings 2")
        << BlockCommands::writeCommand(MemoryMap::SettingsRecord2, QString::fromLatin1(Digits))
        << QString::fromLatin1("KV~F0320W" + Digits + "\r\n");
    QTest::newRow("identify") << BlockCommands::identifyCommand() << "KV~WHO\r\n";
}

void tst_BlockCommands::commandLines()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
}

void tst_BlockCommands::readRecord_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("record");

    QTest::newRow("64 digits") << Digits + "\r\n" << Status::Accepted << QString::fromLatin1(Digits);
    QTest::newRow("digits not checked") << QByteArray(64, 'z') + "\r\n" << Status::Accepted << QString(64, 'z');
    QTest::newRow("76 characters") << Digits.left(63) + "\r\n" << Status::CommunicationFailure << QString();
    QTest::newRow("78 characters") << Digits + "0\r\n" << Status::CommunicationFailure << QString();
    QTest::newRow("silent") << QByteArray("silent") << Status::CommunicationFailure << QString();
}

void tst_BlockCommands::readRecord()
{
    QFETCH(QByteArray, answer);
    QFETCH(Status, status);
    QFETCH(QString, record);

    Peer peer(answering(answer));
    const BlockCommands::RecordReply reply = peer.commands.readRecord(MemoryMap::VfoA);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.recordText, record);
    QCOMPARE(peer.port.written(), QByteArrayList{"KV~F0400R\r\n"});
}

void tst_BlockCommands::writeRecord_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Status>("status");

    QTest::newRow("OK") << QByteArray("OK\r\n") << Status::Accepted;
    QTest::newRow("NG") << QByteArray("NG\r\n") << Status::CommunicationFailure;
    QTest::newRow("ok in lower case") << QByteArray("ok\r\n") << Status::CommunicationFailure;
    QTest::newRow("OK without CR") << QByteArray("OKK\n") << Status::CommunicationFailure;
    QTest::newRow("80 characters") << QByteArray("OOK\r\n") << Status::CommunicationFailure;
    QTest::newRow("silent") << QByteArray("silent") << Status::CommunicationFailure;
}

void tst_BlockCommands::writeRecord()
{
    QFETCH(QByteArray, answer);
    QFETCH(Status, status);

    Peer peer(answering(answer));
    QCOMPARE(peer.commands.writeRecord(MemoryMap::channelAddress(1), QString::fromLatin1(Digits)).status,
             status);
    QCOMPARE(peer.port.written(), QByteArrayList{"KV~F0620W" + Digits + "\r\n"});
}

void tst_BlockCommands::checkModel_data()
{
    QTest::addColumn<QByteArray>("acceptedName"); // the name the radio says OK to
    QTest::addColumn<int>("failAt");              // command that fails on the port, -1 none
    QTest::addColumn<Status>("status");
    QTest::addColumn<QByteArrayList>("sent");

    const QByteArrayList both{"QTR70\r\n", "QTR60\r\n"};
    QTest::newRow("QTR70 radio") << QByteArray("QTR70") << -1 << Status::Accepted << QByteArrayList{"QTR70\r\n"};
    QTest::newRow("QTR60 radio, second try") << QByteArray("QTR60") << -1 << Status::Accepted << both;
    QTest::newRow("other radio") << QByteArray("QTR50") << -1 << Status::CommunicationFailure << both;
    QTest::newRow("port fails on first name, second not sent")
        << QByteArray("QTR60") << 0 << Status::PortFailure << QByteArrayList{"QTR70\r\n"};
    QTest::newRow("port fails on second name") << QByteArray("QTR50") << 1 << Status::CommunicationFailure
                                               << both;
}

void tst_BlockCommands::checkModel()
{
    QFETCH(QByteArray, acceptedName);
    QFETCH(int, failAt);
    QFETCH(Status, status);
    QFETCH(QByteArrayList, sent);

    Peer peer([acceptedName](const QByteArray &command) {
        return ScriptedPort::echoAnd(command, command == acceptedName + "\r\n" ? "OK\r\n" : "NG\r\n");
    });
    // The failing command is sent, then the port reports an error.
    peer.port.failAt(failAt, ScriptedPort::Failure::Read);

    QCOMPARE(peer.commands.checkModel().status, status);
    QCOMPARE(peer.port.written(), sent);
}

void tst_BlockCommands::identifyRadio_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QStringList>("fields"); // model, variant code, range code

    QTest::newRow("QTR70 J") << QByteArray("QTR7033xx00\r\n") << Status::Accepted
                             << QStringList{"QTR70", "33", "00"};
    QTest::newRow("QTR60 A extended") << QByteArray("QTR60CC--AA\r\n") << Status::Accepted
                                      << QStringList{"QTR60", "CC", "AA"};
    QTest::newRow("codes taken as they are") << QByteArray("QTR70zz00qq\r\n") << Status::Accepted
                                             << QStringList{"QTR70", "zz", "qq"};
    QTest::newRow("other model") << QByteArray("QTR8033xx00\r\n") << Status::CommunicationFailure
                                 << QStringList{"", "", ""};
    QTest::newRow("20 characters") << QByteArray("QTR7033xx0\r\n") << Status::CommunicationFailure
                                   << QStringList{"", "", ""};
    QTest::newRow("22 characters") << QByteArray("QTR7033xx000\r\n") << Status::CommunicationFailure
                                   << QStringList{"", "", ""};
    QTest::newRow("silent") << QByteArray("silent") << Status::CommunicationFailure << QStringList{"", "", ""};
}

void tst_BlockCommands::identifyRadio()
{
    QFETCH(QByteArray, answer);
    QFETCH(Status, status);
    QFETCH(QStringList, fields);

    Peer peer(answering(answer));
    const BlockCommands::Identity identity = peer.commands.identifyRadio();
    QCOMPARE(identity.status, status);
    QCOMPARE((QStringList{identity.model, identity.variantCode, identity.rangeCode}), fields);
    QCOMPARE(peer.port.written(), QByteArrayList{"KV~WHO\r\n"});
}

void tst_BlockCommands::replyToAnotherCommandRefused()
{
    // The right length, but the echo of a read of the next address: a
    // reply meant for someone else on the line.
    Peer peer([](const QByteArray &) { return QByteArrayList{"KV~F0401R\r\n" + Digits + "\r\n"}; });
    const BlockCommands::RecordReply reply = peer.commands.readRecord(MemoryMap::VfoA);
    QCOMPARE(reply.status, Status::CommunicationFailure);
    QVERIFY(reply.recordText.isEmpty());
    QCOMPARE(peer.commands.describe(reply),
             QStringLiteral("a reply to another command (its echo is not the command sent)"));

    // A radio that floods the line is said to, not to be silent.
    Peer flooding([](const QByteArray &command) { return QByteArrayList{command + QByteArray(4096, 'x')}; });
    QCOMPARE(flooding.commands.describe(flooding.commands.readRecord(MemoryMap::VfoA)),
             QStringLiteral("a reply longer than any the radio gives, without its end"));
}

QTEST_GUILESS_MAIN(tst_BlockCommands)
#include "tst_BlockCommands.moc"
