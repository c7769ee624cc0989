#include "codec/ChannelCodec.h"
#include "codec/CloneImage.h"
#include "codec/MemoryMap.h"
#include "RadioImage.h"
#include "codec/SettingsCodec.h"
#include "SimFault.h"
#include "SimOptions.h"
#include "SimProcess.h"
#include "codec/VfoCodec.h"
#include "VirtualRadio.h"
#include "codec/Vocabulary.h"
#include "UsbAdapter.h"
#include "WirePacer.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QEventLoop>
#include <QSerialPort>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(SimOptions::Action)
Q_DECLARE_METATYPE(SimFault::Kind)

namespace {

constexpr int ReplyTimeoutMs = 3000;
constexpr int CloseTimeoutMs = 5000;
constexpr int BaudRate = 9600;

const QByteArray CrLf = QByteArrayLiteral("\r\n");

QByteArray readCommand(int address)
{
    return "KV~F" + MemoryMap::addressText(address).toLatin1() + "R\r\n";
}

QByteArray writeCommand(int address, const QByteArray &digits)
{
    return "KV~F" + MemoryMap::addressText(address).toLatin1() + "W" + digits + CrLf;
}

QByteArray recordDigits(const RadioImage &image, int address)
{
    return RecordText::join(image.block(address)).toLatin1();
}

VirtualRadio factoryRadio(const QString &fault = QString(), const QString &model = QStringLiteral("QTR70"),
                          int variant = Vocabulary::ModelE, bool extended = false)
{
    const SimFault parsed = fault.isEmpty() ? SimFault() : SimFault::parse(fault).value();
    return VirtualRadio(RadioImage::factoryImage(variant), model, variant, extended, parsed);
}

// Sleeps in the event loop until `port` has given `count` bytes, reported
// an error, or the time is up; returns what arrived.
QByteArray receive(QSerialPort &port, int count, int timeoutMs = ReplyTimeoutMs)
{
    QByteArray got = port.readAll();
    if (got.size() >= count)
        return got;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&port, &QSerialPort::readyRead, &loop, [&] {
        got += port.readAll();
        if (got.size() >= count)
            loop.quit();
    });
    QObject::connect(&port, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError)
            loop.quit();
    });
    timeout.start(timeoutMs);
    loop.exec();
    return got;
}

// Sends a command and returns the reply of `expected` bytes (or what came).
QByteArray exchange(QSerialPort &port, const QByteArray &command, int expected)
{
    port.write(command);
    return receive(port, expected);
}

bool openPort(QSerialPort &port, const QString &path)
{
    port.setPortName(path);
    return port.open(QIODevice::ReadWrite) && port.setBaudRate(BaudRate)
        && port.setDataBits(QSerialPort::Data8) && port.setParity(QSerialPort::NoParity)
        && port.setStopBits(QSerialPort::OneStop) && port.setFlowControl(QSerialPort::NoFlowControl);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool fromCloneFile(QByteArray bytes, RadioImage &image, RadioImage::Loaded &loaded, QString &error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return RadioImage::fromCloneFile(buffer, image, loaded, error);
}

} // namespace

class tst_VirtualRadio : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void writeThenRead_data();
    void writeThenRead();
    void faults_data();
    void faults();
    void faultedWriteStores_data();
    void faultedWriteStores();
    void countedFaults_data();
    void countedFaults();
    void options_data();
    void options();
    void factoryImageDecodes_data();
    void factoryImageDecodes();
    void cloneFileRoundTrip_data();
    void cloneFileRoundTrip();
    void cloneFileChecks_data();
    void cloneFileChecks();
    void wireSplitsLines_data();
    void wireSplitsLines();
    void pacedWireKeepsOrder();
    void usbAdapterWaitsForItsTick();

    void endToEndRead_data();
    void endToEndRead();
    void endToEndImageSaveRoundTrip();
    void endToEndCloseAfter();
    void endToEndRefusesMalformedImage();

private:
    bool haveSim() const { return !qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"); }
};

// ---- the protocol, in-process ------------------------------------------

void tst_VirtualRadio::answers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("length");

    const QByteArray who = "KV~WHO\r\n";
    QTest::newRow("who J") << "QTR70" << Vocabulary::ModelJ << false << who << QByteArray("QTR70330000\r\n") << 21;
    QTest::newRow("who T") << "QTR70" << Vocabulary::ModelT << false << who << QByteArray("QTR70660000\r\n") << 21;
    QTest::newRow("who E") << "QTR70" << Vocabulary::ModelE << false << who << QByteArray("QTR70990000\r\n") << 21;
    QTest::newRow("who A") << "QTR70" << Vocabulary::ModelA << false << who << QByteArray("QTR70CC0000\r\n") << 21;
    QTest::newRow("who J ext") << "QTR70" << Vocabulary::ModelJ << true << who << QByteArray("QTR703300AA\r\n") << 21;
    QTest::newRow("who A ext") << "QTR70" << Vocabulary::ModelA << true << who << QByteArray("QTR70CC00AA\r\n") << 21;
    QTest::newRow("who QTR60 T ext") << "QTR60" << Vocabulary::ModelT << true << who << QByteArray("QTR606600AA\r\n") << 21;

    QTest::newRow("own model") << "QTR70" << 2 << false << QByteArray("QTR70\r\n") << QByteArray("OK\r\n") << 11;
    QTest::newRow("other model") << "QTR70" << 2 << false << QByteArray("QTR60\r\n") << QByteArray("NG\r\n") << 11;
    QTest::newRow("QTR60 own") << "QTR60" << 2 << false << QByteArray("QTR60\r\n") << QByteArray("OK\r\n") << 11;
    QTest::newRow("QTR60 other") << "QTR60" << 2 << false << QByteArray("QTR70\r\n") << QByteArray("NG\r\n") << 11;

    QTest::newRow("read settings 1") << "QTR70" << 2 << false << readCommand(MemoryMap::SettingsRecord1)
                                     << QByteArray(SettingsCodec::FactoryLine1) + CrLf << 77;
    QTest::newRow("read unwritten") << "QTR70" << 2 << false << QByteArray("KV~F7000R\r\n")
                                    << QByteArray(64, '0') + CrLf << 77;
    QTest::newRow("end") << "QTR70" << 2 << false << QByteArray("KV~E\r\n") << QByteArray("OK\r\n") << 10;
    QTest::newRow("LF only") << "QTR70" << 2 << false << QByteArray("KV~WHO\n") << QByteArray("QTR70990000\r\n") << 20;

    // Anything else: the echo alone.
    QTest::newRow("unknown") << "QTR70" << 2 << false << QByteArray("HELLO\r\n") << QByteArray() << 7;
    QTest::newRow("read no mark") << "QTR70" << 2 << false << QByteArray("KV~F0300\r\n") << QByteArray() << 10;
    QTest::newRow("read bad address") << "QTR70" << 2 << false << QByteArray("KV~F03G0R\r\n") << QByteArray() << 11;
    QTest::newRow("read 0x address") << "QTR70" << 2 << false << QByteArray("KV~F0x30R\r\n") << QByteArray() << 11;
    QTest::newRow("read extra") << "QTR70" << 2 << false << QByteArray("KV~F0300RR\r\n") << QByteArray() << 12;
    QTest::newRow("write 63 digits") << "QTR70" << 2 << false << writeCommand(0x0600, QByteArray(63, 'A'))
                                     << QByteArray() << 74;
    QTest::newRow("write non-hex") << "QTR70" << 2 << false << writeCommand(0x0600, QByteArray(64, 'G'))
                                   << QByteArray() << 75;
    QTest::newRow("model with blank") << "QTR70" << 2 << false << QByteArray("QTR70 \r\n") << QByteArray() << 8;
}

void tst_VirtualRadio::answers()
{
    QFETCH(QString, model);
    QFETCH(int, variant);
    QFETCH(bool, extended);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    QFETCH(int, length);

    VirtualRadio radio = factoryRadio(QString(), model, variant, extended);
    const QByteArray reply = radio.reply(command);
    QCOMPARE(reply, command + answer);
    QCOMPARE(int(reply.size()), length);
}

void tst_VirtualRadio::writeThenRead_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("digits");

    const QByteArray pattern = "0123456789ABCDEFFEDCBA98765432100011223344556677889900AABBCCDDEE";
    QTest::newRow("settings 2") << int(MemoryMap::SettingsRecord2) << pattern;
    QTest::newRow("VFO B") << int(MemoryMap::VfoB) << pattern;
    QTest::newRow("slot 0") << MemoryMap::channelAddress(0) << pattern;
    QTest::newRow("slot 603") << MemoryMap::channelAddress(603) << pattern;
    QTest::newRow("lower case") << MemoryMap::channelAddress(80) << pattern.toLower();
}

void tst_VirtualRadio::writeThenRead()
{
    QFETCH(int, address);
    QFETCH(QByteArray, digits);

    VirtualRadio radio = factoryRadio();
    const int neighbour = address + MemoryMap::RecordSize;
    const QByteArray neighbourBefore = radio.reply(readCommand(neighbour));

    const QByteArray write = writeCommand(address, digits);
    QCOMPARE(radio.reply(write), write + "OK\r\n");

    const QByteArray read = readCommand(address);
    const QByteArray reply = radio.reply(read);
    QCOMPARE(int(reply.size()), 77);
    QCOMPARE(reply, read + digits.toUpper() + CrLf);
    QCOMPARE(radio.reply(readCommand(neighbour)), neighbourBefore);
}

void tst_VirtualRadio::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("echo");

    const QByteArray read = "KV~F7000R\r\n"; // unwritten: reads as zeros
    const QByteArray write = writeCommand(0x0600, QByteArray(64, '1'));
    const QByteArray who = "KV~WHO\r\n";
    const QByteArray own = "QTR70\r\n";
    const QByteArray end = "KV~E\r\n";

    QTest::newRow("silent read") << "silent" << read << QByteArray() << false;
    QTest::newRow("silent who") << "silent" << who << QByteArray() << false;
    QTest::newRow("echo-only read") << "echo-only" << read << QByteArray() << true;
    QTest::newRow("echo-only write") << "echo-only" << write << QByteArray() << true;
    QTest::newRow("garbage read") << "garbage" << read << QByteArray(64, 'Z') + CrLf << true;
    QTest::newRow("garbage write") << "garbage" << write << QByteArray("XX\r\n") << true;
    QTest::newRow("garbage model") << "garbage" << own << QByteArray("XX\r\n") << true;
    QTest::newRow("garbage who") << "garbage" << who << QByteArray(11, 'Z') + CrLf << true;
    QTest::newRow("short read") << "short" << read << QByteArray(63, '0') + CrLf << true;
    QTest::newRow("short write") << "short" << write << QByteArray("O\r\n") << true;
    QTest::newRow("short who") << "short" << who << QByteArray("QTR7099000\r\n") << true;
    QTest::newRow("short unknown") << "short" << QByteArray("HELLO\r\n") << QByteArray() << true;
    QTest::newRow("no-ok write") << "no-ok" << write << QByteArray("NG\r\n") << true;
    QTest::newRow("no-ok model") << "no-ok" << own << QByteArray("NG\r\n") << true;
    QTest::newRow("no-ok end") << "no-ok" << end << QByteArray("NG\r\n") << true;
    QTest::newRow("no-ok read") << "no-ok" << read << QByteArray(64, '0') + CrLf << true;
    QTest::newRow("no-ok who") << "no-ok" << who << QByteArray("QTR70990000\r\n") << true;
}

void tst_VirtualRadio::faults()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    QFETCH(bool, echo);

    VirtualRadio radio = factoryRadio(fault);
    QCOMPARE(radio.reply(command), (echo ? command : QByteArray()) + answer);
}

void tst_VirtualRadio::faultedWriteStores_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("stored");

    QTest::newRow("healthy") << QString() << true;
    QTest::newRow("echo-only") << "echo-only" << true;
    QTest::newRow("garbage") << "garbage" << true;
    QTest::newRow("short") << "short" << true;
    QTest::newRow("no-ok") << "no-ok" << false;
    QTest::newRow("silent") << "silent" << false;
    QTest::newRow("hang-after=0") << "hang-after=0" << false;
}

void tst_VirtualRadio::faultedWriteStores()
{
    QFETCH(QString, fault);
    QFETCH(bool, stored);

    VirtualRadio radio = factoryRadio(fault);
    const int address = MemoryMap::channelAddress(5);
    const QByteArray before = recordDigits(radio.image(), address);
    const QByteArray digits(64, 'C');
    radio.reply(writeCommand(address, digits));
    QCOMPARE(recordDigits(radio.image(), address), stored ? digits : before);
}

void tst_VirtualRadio::countedFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("answered");
    QTest::addColumn<bool>("closes");

    QTest::newRow("hang-after=2") << "hang-after=2" << 2 << false;
    QTest::newRow("hang-after=0") << "hang-after=0" << 0 << false;
    QTest::newRow("close-after=3") << "close-after=3" << 3 << true;
    QTest::newRow("close-after=0") << "close-after=0" << 0 << true;
}

void tst_VirtualRadio::countedFaults()
{
    QFETCH(QString, fault);
    QFETCH(int, answered);
    QFETCH(bool, closes);

    VirtualRadio radio = factoryRadio(fault);
    QCOMPARE(radio.closeRequested(), closes && answered == 0);
    // Unknown commands count like any other.
    const QList<QByteArray> commands = {"KV~WHO\r\n", "HELLO\r\n", "KV~F0300R\r\n", "KV~E\r\n", "QTR70\r\n"};
    for (int i = 0; i < commands.size(); ++i) {
        const QByteArray reply = radio.reply(commands.at(i));
        QCOMPARE(reply.startsWith(commands.at(i)), i < answered);
        QCOMPARE(reply.isEmpty(), i >= answered);
        QCOMPARE(radio.closeRequested(), closes && i + 1 >= answered);
    }
}

// ---- options ------------------------------------------------------------

void tst_VirtualRadio::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<SimOptions::Action>("action");
    QTest::addColumn<int>("variant"); // -1: not given
    QTest::addColumn<QString>("model");
    QTest::addColumn<SimFault::Kind>("fault");
    QTest::addColumn<int>("count");

    using A = SimOptions::Action;
    using K = SimFault::Kind;
    QTest::newRow("defaults") << QStringList() << A::Run << -1 << "QTR70" << K::None << 0;
    QTest::newRow("help") << QStringList{"--help"} << A::Help << -1 << "" << K::None << 0;
    QTest::newRow("variant T") << QStringList{"--variant", "T"} << A::Run << int(Vocabulary::ModelT) << "QTR70"
                               << K::None << 0;
    QTest::newRow("variant=A") << QStringList{"--variant=A"} << A::Run << int(Vocabulary::ModelA) << "QTR70"
                               << K::None << 0;
    QTest::newRow("model QTR60") << QStringList{"--model", "QTR60"} << A::Run << -1 << "QTR60" << K::None << 0;
    QTest::newRow("hang-after") << QStringList{"--fault", "hang-after=12"} << A::Run << -1 << "QTR70"
                                << K::HangAfter << 12;
    QTest::newRow("close-after") << QStringList{"--fault", "close-after=0"} << A::Run << -1 << "QTR70"
                                 << K::CloseAfter << 0;
    QTest::newRow("echo-only") << QStringList{"--fault", "echo-only"} << A::Run << -1 << "QTR70"
                               << K::EchoOnly << 0;

    const auto refused = [](const char *name, const QStringList &args) {
        QTest::newRow(name) << args << A::Refuse << -1 << "" << K::None << 0;
    };
    refused("unknown option", {"--frobnicate"});
    refused("positional", {"radio.R70"});
    refused("variant X", {"--variant", "X"});
    refused("variant twice", {"--variant", "J", "--variant", "T"});
    refused("model QTR80", {"--model", "QTR80"});
    refused("image without file", {"--image"});
    refused("unknown fault", {"--fault", "flaky"});
    refused("negative count", {"--fault", "hang-after=-1"});
    refused("missing count", {"--fault", "close-after="});
    refused("count with blank", {"--fault", "close-after= 3"});
    QTest::newRow("USB adapter at 16 ms") << QStringList{"--usb-latency", "16"} << A::Run << -1 << "QTR70" << K::None << 0;
    refused("USB latency 0", {"--usb-latency", "0"});
    refused("USB latency 256", {"--usb-latency", "256"});
    refused("USB latency a word", {"--usb-latency", "fast"});
}

void tst_VirtualRadio::options()
{
    QFETCH(QStringList, args);
    QFETCH(SimOptions::Action, action);
    QFETCH(int, variant);
    QFETCH(QString, model);
    QFETCH(SimFault::Kind, fault);
    QFETCH(int, count);

    const SimOptions options = SimOptions::parse(args);
    QCOMPARE(options.action(), action);
    QCOMPARE(options.error().isEmpty(), action != SimOptions::Action::Refuse);
    if (action != SimOptions::Action::Run)
        return;
    QCOMPARE(options.variant().value_or(-1), variant);
    QCOMPARE(options.model(), model);
    QCOMPARE(options.fault().kind(), fault);
    QCOMPARE(options.fault().count(), count);
    QCOMPARE(options.usbLatencyMs(), args.contains("--usb-latency") ? args.last().toInt() : 0);
}

// ---- the image and its clone file ---------------------------------------

void tst_VirtualRadio::factoryImageDecodes_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("J") << int(Vocabulary::ModelJ);
    QTest::newRow("E") << int(Vocabulary::ModelE);
}

void tst_VirtualRadio::factoryImageDecodes()
{
    QFETCH(int, variant);

    // The program reads every record of a fresh sim without a decode error.
    const RadioImage image = RadioImage::factoryImage(variant);
    const QString line1 = recordDigits(image, MemoryMap::SettingsRecord1);
    const QString line2 = recordDigits(image, MemoryMap::SettingsRecord2);
    SettingSelections selections{};
    QVERIFY(SettingsCodec::decode(line1, line2, selections).ok());
    QCOMPARE(line1, QString(SettingsCodec::FactoryLine1));
    QCOMPARE(line2, QString(SettingsCodec::FactoryLine2));

    const QString defaultVfo = VfoCodec::encode(VfoCodec::defaultVfo(variant));
    QCOMPARE(QString(recordDigits(image, MemoryMap::VfoA)), defaultVfo);
    QCOMPARE(QString(recordDigits(image, MemoryMap::VfoB)), defaultVfo);

    QSet<QString> modes;
    int skipped = 0;
    int toned = 0;
    int ownSplit = 0;
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        ChannelRow row;
        const DecodeResult decoded = ChannelCodec::decode(recordDigits(image, MemoryMap::channelAddress(n)), row);
        QVERIFY2(decoded.ok(), qPrintable(QStringLiteral("slot %1: %2").arg(n).arg(decoded.field())));
        QCOMPARE(row.inUse, RadioImage::sampleSlots().contains(n));
        if (!row.inUse)
            continue;
        modes.insert(row.text(ChannelColumn::Mode));
        skipped += row.value(ChannelColumn::Skip) != 0 ? 1 : 0;
        toned += row.text(ChannelColumn::Tone) != Vocabulary::text(ChannelColumn::Tone, 0) ? 1 : 0;
        const double split = row.value(ChannelColumn::Split);  // one the edit dialog accepts
        QVERIFY2(split >= 1600000 && split < 30000000, qPrintable(row.text(ChannelColumn::Split)));
        ownSplit += split == row.value(ChannelColumn::Frequency) ? 1 : 0;
    }
    QVERIFY(RadioImage::sampleSlots().size() >= 5 && RadioImage::sampleSlots().size() <= 8);
    QVERIFY(modes.size() >= 4);
    QCOMPARE(skipped, 1);
    QVERIFY(toned >= 1);
    // All but the repeater split on their own frequency.
    QCOMPARE(ownSplit, RadioImage::sampleSlots().size() - 1);
}

void tst_VirtualRadio::cloneFileRoundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");
    for (int v : {Vocabulary::ModelJ, Vocabulary::ModelT, Vocabulary::ModelE, Vocabulary::ModelA}) {
        for (bool extended : {false, true})
            QTest::addRow("%d%s", v, extended ? " extended" : "") << v << extended;
    }
}

void tst_VirtualRadio::cloneFileRoundTrip()
{
    QFETCH(int, variant);
    QFETCH(bool, extended);

    RadioImage image = RadioImage::factoryImage(variant);
    image.setBlock(MemoryMap::channelAddress(300), Record{0x80, 0xFF, 0x12});
    const QByteArray file = image.toCloneFile(variant, extended);

    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(int(lines.size()), 611); // 610 lines, each ended by LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(file.count("\r\n"), 610);
    QCOMPARE(lines.first(), Vocabulary::cloneHeaders().at(variant + (extended ? 5 : 0)).toLatin1() + '\r');
    QCOMPARE(lines.at(609), Vocabulary::cloneEndMark().toLatin1() + '\r');

    RadioImage loaded;
    RadioImage::Loaded header;
    QString error;
    QVERIFY2(fromCloneFile(file, loaded, header, error), qPrintable(error));
    QCOMPARE(header.variant, variant);
    QCOMPARE(header.extended, extended);
    QCOMPARE(loaded.toCloneFile(header.variant, header.extended), file);
}

void tst_VirtualRadio::cloneFileChecks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("accepted");

    const QByteArray good = RadioImage::factoryImage(Vocabulary::ModelE).toCloneFile(Vocabulary::ModelE, false);
    QList<QByteArray> lines = good.split('\n');
    lines.removeLast();
    const auto withLine = [&](int index, const QByteArray &text) {
        QList<QByteArray> changed = lines;
        changed[index] = text + '\r';
        return changed.join('\n') + '\n';
    };
    const auto firstLines = [&](int count) { return lines.mid(0, count).join('\n') + '\n'; };

    QTest::newRow("good") << good << true;
    QTest::newRow("lines after the end") << good + "extra\r\nmore\r\n" << true;
    QTest::newRow("LF line ends") << QByteArray(good).replace("\r\n", "\n") << true;
    QTest::newRow("header lower case") << withLine(0, "korvan qt-r70e clone 0 filestart") << false;
    QTest::newRow("header one blank less") << withLine(0, "Korvan QT-R70E Clone 0FileStart") << false;
    QTest::newRow("empty header") << withLine(0, "") << false;
    QTest::newRow("data line of 63") << withLine(100, QByteArray(63, '0')) << false;
    QTest::newRow("data line not hex") << withLine(7, QByteArray(64, 'Q')) << false;
    // The radio holds records, whatever the program makes of them.
    QTest::newRow("channel the program cannot decode")
        << withLine(300, "8006000000000000000000000000000000000000000000000000000000000000") << true;
    QTest::newRow("end mark single blanks") << withLine(609, "Korvan QT-R70 Clone File End") << false;
    QTest::newRow("stops after line 300") << firstLines(300) << false;
    QTest::newRow("no end mark") << firstLines(609) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void tst_VirtualRadio::cloneFileChecks()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, accepted);

    RadioImage image;
    const Record marker{0xAB};
    image.setBlock(MemoryMap::VfoA, marker);
    RadioImage::Loaded header;
    header.variant = Vocabulary::ModelT;
    QString error;
    QCOMPARE(fromCloneFile(file, image, header, error), accepted);
    QCOMPARE(error.isEmpty(), accepted);
    if (accepted) {
        QCOMPARE(image.blockCount(), int(RadioImage::recordAddresses().size()));
        QCOMPARE(header.variant, int(Vocabulary::ModelE));
    } else {
        // A refused file leaves everything as it was.
        QCOMPARE(image.blockCount(), 1);
        QCOMPARE(image.block(MemoryMap::VfoA), marker);
        QCOMPARE(header.variant, int(Vocabulary::ModelT));
    }
}

// ---- the wire -----------------------------------------------------------

void tst_VirtualRadio::wireSplitsLines_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("lines");

    using L = QList<QByteArray>;
    QTest::newRow("one chunk") << L{"KV~WHO\r\n"} << L{"KV~WHO\r\n"};
    QTest::newRow("byte by byte") << L{"K", "V", "~", "E", "\r", "\n"} << L{"KV~E\r\n"};
    QTest::newRow("CR and LF apart") << L{"KV~E\r", "\nQTR"} << L{"KV~E\r\n"};
    QTest::newRow("two in one chunk") << L{"KV~E\r\nKV~WHO\r\n"} << L{"KV~E\r\n", "KV~WHO\r\n"};
    QTest::newRow("straddling") << L{"KV~E\r\nKV~", "WHO\r\nQT", "R70\r\n"}
                                << L{"KV~E\r\n", "KV~WHO\r\n", "QTR70\r\n"};
    QTest::newRow("no LF yet") << L{"KV~WHO\r"} << L{};
    QTest::newRow("bare LF") << L{"\n"} << L{"\n"};
}

void tst_VirtualRadio::wireSplitsLines()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, lines);

    WirePacer wire(false);
    QList<QByteArray> handled;
    QByteArray sent;
    int finished = 0;
    wire.setHandler([&](const QByteArray &line) {
        handled.append(line);
        return "<" + line + ">";
    });
    connect(&wire, &WirePacer::transmit, this, [&](const QByteArray &bytes) { sent += bytes; });
    connect(&wire, &WirePacer::replyFinished, this, [&] { ++finished; });
    for (const QByteArray &chunk : chunks)
        wire.receive(chunk);

    QCOMPARE(handled, lines);
    QByteArray expected;
    for (const QByteArray &line : lines)
        expected += "<" + line + ">";
    QCOMPARE(sent, expected);
    QCOMPARE(finished, int(lines.size()));
}

void tst_VirtualRadio::usbAdapterWaitsForItsTick()
{
    // A reply shorter than a packet waits for the latency timer: its last
    // byte reaches the host at the tick, not before. 62 bytes go at once.
    UsbAdapter adapter(16);
    QList<std::pair<qint64, QByteArray>> delivered;
    connect(&adapter, &UsbAdapter::deliver, this,
            [&](const QByteArray &packet) { delivered.append({adapter.nowNs(), packet}); });
    const QByteArray reply = "8000000100000000000000000000000060566C00000000000000000000000000\r\n";

    qint64 tick = adapter.nextTickNs();
    adapter.take(reply.left(40));
    QVERIFY(delivered.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 1, 1000);
    QVERIFY2(delivered.at(0).first >= tick, "a packet before the tick");
    QCOMPARE(delivered.at(0).second, reply.left(40));

    delivered.clear();
    tick = adapter.nextTickNs();
    adapter.take(reply);
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.at(0).second, reply.left(UsbAdapter::PacketBytes));
    QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 2, 1000);
    QVERIFY2(delivered.at(1).first >= tick, qPrintable(QString("%1 < %2").arg(delivered.at(1).first).arg(tick)));
    QCOMPARE(delivered.at(0).second + delivered.at(1).second, reply);
}

void tst_VirtualRadio::pacedWireKeepsOrder()
{
    // Two commands at once (one that gets no reply) and one more later:
    // every reply comes out whole and in order.
    WirePacer wire(true);
    VirtualRadio radio = factoryRadio(QStringLiteral("hang-after=2"));
    wire.setHandler([&](const QByteArray &line) { return radio.reply(line); });
    QByteArray sent;
    int finished = 0;
    QEventLoop loop;
    connect(&wire, &WirePacer::transmit, this, [&](const QByteArray &bytes) { sent += bytes; });
    connect(&wire, &WirePacer::replyFinished, this, [&] {
        if (++finished == 3)
            loop.quit();
    });
    QTimer::singleShot(ReplyTimeoutMs, &loop, &QEventLoop::quit);

    const QByteArray who = "KV~WHO\r\n";
    const QByteArray read = readCommand(MemoryMap::SettingsRecord1);
    wire.receive(who + read.left(4));
    wire.receive(read.mid(4) + "KV~E\r\n");
    loop.exec();

    QCOMPARE(finished, 3);
    QCOMPARE(sent, who + "QTR70990000\r\n" + read + SettingsCodec::FactoryLine1 + CrLf);
}

// ---- the real binary on a pseudo-terminal ------------------------------

void tst_VirtualRadio::endToEndRead_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("viaLink");

    QTest::newRow("unpaced") << QStringList() << false;
    QTest::newRow("paced") << QStringList{"--pace"} << false;
    QTest::newRow("link") << QStringList() << true;
}

void tst_VirtualRadio::endToEndRead()
{
    QFETCH(QStringList, args);
    QFETCH(bool, viaLink);
    if (!haveSim())
        QSKIP("QTR70_SIM_BIN is not set");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("radio"));
    if (viaLink)
        args << QStringLiteral("--link") << link;

    SimProcess sim;
    QVERIFY(sim.start(args));
    QVERIFY(sim.devicePath().startsWith(QLatin1String("/dev/")));
    if (viaLink)
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.devicePath());

    const RadioImage factory = RadioImage::factoryImage(VirtualRadio::DefaultVariant);
    const int address = MemoryMap::channelAddress(RadioImage::sampleSlots().last());
    const QByteArray command = readCommand(address);
    const QByteArray expected = command + recordDigits(factory, address) + CrLf;
    {
        QSerialPort port;
        QVERIFY2(openPort(port, viaLink ? link : sim.devicePath()), qPrintable(port.errorString()));
        QCOMPARE(exchange(port, command, 77), expected);
    }
    // The program may close the port and open it again.
    QSerialPort again;
    QVERIFY2(openPort(again, sim.devicePath()), qPrintable(again.errorString()));
    QCOMPARE(exchange(again, command, 77), expected);
    again.close();

    sim.stop();
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void tst_VirtualRadio::endToEndImageSaveRoundTrip()
{
    if (!haveSim())
        QSKIP("QTR70_SIM_BIN is not set");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("first.R70"));
    const QString second = dir.filePath(QStringLiteral("second.R70"));
    const QString log = dir.filePath(QStringLiteral("commands.log"));

    const int address = MemoryMap::channelAddress(1);
    const QByteArray digits = "80050001000000880000000000000000A0A1A2A3303132333435363700000000";
    const QByteArray write = writeCommand(address, digits);
    {
        SimProcess sim;
        QVERIFY(sim.start({"--variant", "T", "--extended", "--save", first, "--log", log}));
        QSerialPort port;
        QVERIFY2(openPort(port, sim.devicePath()), qPrintable(port.errorString()));
        QCOMPARE(exchange(port, write, 79), write + "OK\r\n");
        QCOMPARE(exchange(port, "KV~E\r\n", 10), QByteArray("KV~E\r\nOK\r\n"));
        sim.stop();
        QCOMPARE(sim.exitCode(), 0);
    }
    QCOMPARE(readFile(log), write.chopped(2) + "\nKV~E\n");
    const QByteArray saved = readFile(first);
    QCOMPARE(saved.count("\r\n"), 610);
    QVERIFY(saved.contains("\r\n" + digits + "\r\n"));

    SimProcess sim;
    QVERIFY(sim.start({"--image", first, "--save", second}));
    {
        // The header gave the variant and the range.
        QSerialPort port;
        QVERIFY2(openPort(port, sim.devicePath()), qPrintable(port.errorString()));
        QCOMPARE(exchange(port, "KV~WHO\r\n", 21), QByteArray("KV~WHO\r\nQTR706600AA\r\n"));
        const QByteArray read = readCommand(address);
        QCOMPARE(exchange(port, read, 77), read + digits + CrLf);
    }
    sim.stop();
    QCOMPARE(sim.exitCode(), 0);
    QCOMPARE(readFile(second), saved);
}

void tst_VirtualRadio::endToEndCloseAfter()
{
    if (!haveSim())
        QSKIP("QTR70_SIM_BIN is not set");
    SimProcess sim;
    QVERIFY(sim.start({"--fault", "close-after=2"}));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.devicePath()), qPrintable(port.errorString()));

    QCOMPARE(exchange(port, "KV~E\r\n", 10), QByteArray("KV~E\r\nOK\r\n"));
    // The second answer still arrives whole before the terminal closes.
    QCOMPARE(exchange(port, "QTR70\r\n", 11), QByteArray("QTR70\r\nOK\r\n"));

    QEventLoop loop;
    QSerialPort::SerialPortError error = QSerialPort::NoError;
    connect(&port, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError) {
            error = e;
            loop.quit();
        }
    });
    QTimer::singleShot(CloseTimeoutMs, &loop, &QEventLoop::quit);
    port.write("KV~E\r\n");
    if (error == QSerialPort::NoError)
        loop.exec();
    // The terminal hung up: reading (or writing) it fails.
    const QSet<QSerialPort::SerialPortError> hangUp = {QSerialPort::ReadError, QSerialPort::WriteError,
                                                       QSerialPort::ResourceError};
    QVERIFY2(hangUp.contains(error), qPrintable(QString::number(int(error))));
    QVERIFY(port.readAll().isEmpty());

    sim.stop();
    QCOMPARE(sim.exitCode(), 0);
}

void tst_VirtualRadio::endToEndRefusesMalformedImage()
{
    if (!haveSim())
        QSKIP("QTR70_SIM_BIN is not set");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("short.R70"));
    const QByteArray good = RadioImage::factoryImage(Vocabulary::ModelE).toCloneFile(Vocabulary::ModelE, false);
    QVERIFY(writeFile(path, good.left(good.size() / 2)));

    SimProcess sim;
    QVERIFY(!sim.start({"--image", path}));
    QCOMPARE(sim.exitCode(), 2);
}

QTEST_GUILESS_MAIN(tst_VirtualRadio)
#include "tst_VirtualRadio.moc"
