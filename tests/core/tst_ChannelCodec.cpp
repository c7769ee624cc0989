#include "ChannelCodec.h"
#include "Module1.h"
#include "RecordText.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A record text from "offset:hexbytes" pieces laid over 32 zero bytes.
QString record(std::initializer_list<std::pair<int, const char *>> pieces)
{
    QString text(64, QLatin1Char('0'));
    for (const auto &piece : pieces) {
        const QString bytes = QLatin1String(piece.second);
        text.replace(2 * piece.first, bytes.size(), bytes);
    }
    return text;
}

} // namespace

class tst_ChannelCodec : public QObject
{
    Q_OBJECT
private slots:
    void decodeFields_data();
    void decodeFields();
    void emptyStatusClearsRow_data();
    void emptyStatusClearsRow();
    void failureKeepsRow_data();
    void failureKeepsRow();
    void encodeName_data();
    void encodeName();
    void nameCharCodesRoundTrip();
    void rawBytesSurvive();
    void decodeEncodeProperty();
};

void tst_ChannelCodec::decodeFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");

    QTest::newRow("in use, no skip") << record({{0, "80"}}) << 10 << "" << 0.0;
    QTest::newRow("skipped") << record({{0, "88"}}) << 10 << "Skip" << 1.0;
    QTest::newRow("mode FM") << record({{0, "8005"}}) << 1 << "FM" << 5.0;
    QTest::newRow("gain -20") << record({{0, "800002"}}) << 2 << "-20" << 2.0;
    QTest::newRow("gain other is +10") << record({{0, "800007"}}) << 2 << "+10" << 7.0;
    QTest::newRow("AGC 5 is Slow") << record({{0, "80000005"}}) << 3 << "Slow" << 5.0;
    QTest::newRow("power S-Low") << record({{0, "8000000009"}}) << 4 << "S-Low" << 9.0;
    QTest::newRow("filter narrow") << record({{0, "80"}, {6, "01"}}) << 5 << "Narrow" << 1.0;
    QTest::newRow("tone 88h") << record({{0, "80"}, {7, "88"}}) << 6 << "88.5Hz" << 136.0;
    QTest::newRow("tone A6h") << record({{0, "80"}, {7, "A6"}}) << 6 << "250.3Hz" << 166.0;
    QTest::newRow("tone 7Fh is Off") << record({{0, "80"}, {7, "7F"}}) << 6 << "Off" << 127.0;
    QTest::newRow("noise blanker") << record({{0, "80"}, {9, "02"}}) << 7 << "On" << 2.0;
    QTest::newRow("frequency") << record({{0, "80"}, {16, "3899D800"}}) << 0 << "14.195.000" << 14195000.0;
    QTest::newRow("frequency above 2^31")
        << record({{0, "80"}, {16, "00000080"}}) << 0 << "2147.483.648" << 2147483648.0;
    QTest::newRow("split") << record({{0, "80"}, {28, "10936B00"}}) << 8 << "7.050.000" << 7050000.0;
    QTest::newRow("name stops at 00") << record({{0, "80"}, {20, "3A3B003C"}}) << 9 << "AB" << 0.0;
    QTest::newRow("name symbols")
        << record({{0, "80"}, {20, "545556575859"}}) << 9 << " *#+-/" << 0.0;
    QTest::newRow("name eight characters")
        << record({{0, "80"}, {20, "3A3B3C3D3E3F4041"}}) << 9 << "ABCDEFGH" << 0.0;
    QTest::newRow("name stops at 60h") << record({{0, "80"}, {20, "315F60"}}) << 9 << "1_" << 0.0;
    QTest::newRow("lower-case hex") << record({{0, "80"}, {16, "3899d800"}}) << 0 << "14.195.000"
                                    << 14195000.0;
}

void tst_ChannelCodec::decodeFields()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, shown);
    QFETCH(double, value);
    Module1 state;
    QVERIFY(ChannelCodec::DecodeChannel(state, text, 7).ok());
    QVERIFY(state.ChannelInUse[7]);
    QCOMPARE(state.ChannelText[7][column], shown);
    if (column != 9)
        QCOMPARE(state.ChannelValue[7][column], value);
}

void tst_ChannelCodec::emptyStatusClearsRow_data()
{
    QTest::addColumn<QString>("status");
    QTest::newRow("00") << "00";
    QTest::newRow("FF") << "FF";
    QTest::newRow("81") << "81";
}

void tst_ChannelCodec::emptyStatusClearsRow()
{
    QFETCH(QString, status);
    Module1 state;
    QVERIFY(ChannelCodec::DecodeChannel(state, record({{0, "88"}, {1, "05"}, {16, "3899D800"}, {20, "3A"}}), 3).ok());
    state.ChannelText[3][12] = "spare";
    const QString text = record({{0, status.toLatin1().constData()}, {1, "09"}, {7, "FF"}, {16, "3899D800"}});
    QVERIFY(ChannelCodec::DecodeChannel(state, text, 3).ok());
    QVERIFY(!state.ChannelInUse[3]);
    for (int c = 0; c <= 10; ++c) {
        QVERIFY(state.ChannelText[3][c].isEmpty());
        QCOMPARE(state.ChannelValue[3][c], 0.0);
    }
    QCOMPARE(state.ChannelText[3][12], QString("spare"));  // spare columns untouched
    QCOMPARE(ChannelCodec::EncodeChannel(state, 3), QString(64, QLatin1Char('0')));
}

void tst_ChannelCodec::failureKeepsRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("mode 6") << record({{0, "80"}, {1, "06"}}) << "mode";
    QTest::newRow("tone A7h") << record({{0, "80"}, {7, "A7"}}) << "tone";
    QTest::newRow("non-hex digit") << record({{0, "80"}}).replace(40, 1, "x") << "record text";
    QTest::newRow("63 characters") << record({{0, "80"}}).left(63) << "record text";
}

void tst_ChannelCodec::failureKeepsRow()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    Module1 state;
    const QString before = record({{0, "88"}, {1, "02"}, {3, "01"}, {16, "10936B00"}, {20, "3C4A"}});
    QVERIFY(ChannelCodec::DecodeChannel(state, before, 100).ok());
    const auto text0 = state.ChannelText[100];
    const auto value0 = state.ChannelValue[100];

    const DecodeResult result = ChannelCodec::DecodeChannel(state, text, 100);
    QVERIFY(!result.ok());
    QCOMPARE(result.field(), field);
    QCOMPARE(state.ChannelText[100], text0);
    QCOMPARE(state.ChannelValue[100], value0);
    QVERIFY(state.ChannelInUse[100]);
    QCOMPARE(ChannelCodec::EncodeChannel(state, 100), before);
}

void tst_ChannelCodec::encodeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("CQ9 DX") << "CQ9 DX" << "3C4A39543D510000";
    QTest::newRow("Ab stops at b") << "Ab" << "3A00000000000000";
    QTest::newRow("nine characters keep eight") << "ABCDEFGHI" << "3A3B3C3D3E3F4041";
    QTest::newRow("symbols") << "\\=()$_" << "5A5B5C5D5E5F0000";
    QTest::newRow("full stop ends") << "A.B" << "3A00000000000000";
    QTest::newRow("empty") << "" << "0000000000000000";
}

void tst_ChannelCodec::encodeName()
{
    QFETCH(QString, name);
    QFETCH(QString, bytes);
    Module1 state;
    state.ChannelInUse[0] = true;
    state.ChannelText[0][9] = name;
    QCOMPARE(ChannelCodec::EncodeChannel(state, 0).mid(40, 16), bytes);
}

void tst_ChannelCodec::nameCharCodesRoundTrip()
{
    int characters = 0;
    for (int code = 0; code < 256; ++code) {
        const QChar c = ChannelCodec::NameChar(code);
        if (c.isNull()) {
            QVERIFY(code < 0x30 || code > 0x5F);
            continue;
        }
        ++characters;
        QCOMPARE(ChannelCodec::NameCharCode(c), code);
    }
    QCOMPARE(characters, 0x30);
    QCOMPARE(ChannelCodec::NameCharCode(QLatin1Char('a')), -1);
    QCOMPARE(ChannelCodec::NameCharCode(QLatin1Char('Z')), 0x53);
}

void tst_ChannelCodec::rawBytesSurvive()
{
    // Values the texts show only approximately are written back unchanged.
    Module1 state;
    const QString text = record({{0, "88"}, {1, "03"}, {2, "09"}, {3, "05"}, {4, "07"},
                                 {6, "03"}, {7, "7F"}, {9, "04"}, {16, "3899D800"},
                                 {20, "3C4A39543D51"}, {28, "10936B00"}});
    QVERIFY(ChannelCodec::DecodeChannel(state, text, 603).ok());
    QCOMPARE(ChannelCodec::EncodeChannel(state, 603), text);
}

void tst_ChannelCodec::decodeEncodeProperty()
{
    QRandomGenerator rng(20261207);
    Module1 state;
    int decoded = 0;
    for (int i = 0; i < 4000; ++i) {
        Record in;
        for (auto &b : in)
            b = std::uint8_t(rng.bounded(256));
        // Bias towards records that decode: status, mode and tone in range.
        if (i % 2 == 0) {
            in[0] = rng.bounded(2) ? 0x80 : 0x88;
            in[1] = std::uint8_t(rng.bounded(6));
            in[7] = std::uint8_t(rng.bounded(0xA7));
        }
        const QString text = RecordText::join(in);
        const int n = int(rng.bounded(604));
        const auto before = std::make_tuple(state.ChannelText[n], state.ChannelValue[n],
                                            bool(state.ChannelInUse[n]));
        const DecodeResult result = ChannelCodec::DecodeChannel(state, text, n);
        if (!result.ok()) {
            QCOMPARE(std::make_tuple(state.ChannelText[n], state.ChannelValue[n],
                                     bool(state.ChannelInUse[n])),
                     before);
            continue;
        }
        ++decoded;
        Record expected{};
        if (in[0] == 0x80 || in[0] == 0x88) {
            expected = in;
            for (int k : {5, 8, 10, 11, 12, 13, 14, 15})
                expected[k] = 0;
            bool ended = false;
            for (int k = 20; k < 28; ++k) {
                ended = ended || ChannelCodec::NameChar(in[k]).isNull();
                if (ended)
                    expected[k] = 0;
            }
        }
        Record out;
        QVERIFY(RecordText::split(ChannelCodec::EncodeChannel(state, n), out));
        QCOMPARE(RecordText::join(out), RecordText::join(expected));
    }
    QVERIFY(decoded > 2000);
}

QTEST_GUILESS_MAIN(tst_ChannelCodec)
#include "tst_ChannelCodec.moc"
