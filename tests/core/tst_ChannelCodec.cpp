#include "codec/ChannelCodec.h"
#include "codec/ChannelName.h"
#include "codec/ChannelRules.h"
#include "codec/RecordText.h"
#include "StateSnapshot.h"

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
    void nameRules_data();
    void nameRules();
    void frequencyVerdict_data();
    void frequencyVerdict();
    void textsFollowTheFields();
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
    ChannelRow row;
    QVERIFY(ChannelCodec::decode(text, row).ok());
    QVERIFY(row.inUse);
    QCOMPARE(row.text(ChannelColumn(column)), shown);
    if (column != 9)
        QCOMPARE(double(row.value(ChannelColumn(column))), value);
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
    ChannelRow row;
    QVERIFY(ChannelCodec::decode(record({{0, "88"}, {1, "05"}, {16, "3899D800"}, {20, "3A"}}), row).ok());
    row.csvExtras.second = "spare";
    row.csvExtras.on = true;
    const QString text = record({{0, status.toLatin1().constData()}, {1, "09"}, {7, "FF"}, {16, "3899D800"}});
    QVERIFY(ChannelCodec::decode(text, row).ok());
    QVERIFY(!row.inUse);
    for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c) {
        QVERIFY(row.text(ChannelColumn(c)).isEmpty());
        QCOMPARE(row.value(ChannelColumn(c)), 0);
    }
    // What the CSV carried beyond the radio's fields is untouched.
    QCOMPARE(row.csvExtras.second, QString("spare"));
    QVERIFY(row.csvExtras.on);
    QCOMPARE(ChannelCodec::encode(row), QString(64, QLatin1Char('0')));
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
    ChannelRow row;
    const QString before = record({{0, "88"}, {1, "02"}, {3, "01"}, {16, "10936B00"}, {20, "3C4A"}});
    QVERIFY(ChannelCodec::decode(before, row).ok());
    row.csvExtras.first = "spare";
    const ChannelRow kept = row;

    const DecodeResult result = ChannelCodec::decode(text, row);
    QVERIFY(!result.ok());
    QCOMPARE(result.field(), field);
    QCOMPARE(row, kept);
    QVERIFY(row.inUse);
    QCOMPARE(ChannelCodec::encode(row), before);
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
    ChannelRow row;
    row.inUse = true;
    row.name = name;
    QCOMPARE(ChannelCodec::encode(row).mid(40, 16), bytes);
}

void tst_ChannelCodec::nameCharCodesRoundTrip()
{
    int characters = 0;
    for (int code = 0; code < 256; ++code) {
        const QChar c = ChannelCodec::nameChar(code);
        if (c.isNull()) {
            QVERIFY(code < 0x30 || code > 0x5F);
            continue;
        }
        ++characters;
        QCOMPARE(ChannelCodec::nameCharCode(c), code);
    }
    QCOMPARE(characters, 0x30);
    QCOMPARE(ChannelCodec::nameCharCode(QLatin1Char('a')), -1);
    QCOMPARE(ChannelCodec::nameCharCode(QLatin1Char('Z')), 0x53);
}

void tst_ChannelCodec::nameRules_data()
{
    // One text through every rule: what the radio keeps of it as typed or
    // imported, whether it can store that, and what a foreign list makes
    // of it (with the reason when more than the case changed).
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("storable");
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<QString>("why");

    QTest::newRow("lower case") << "ft8 dx" << "FT8 DX" << true << "FT8 DX" << "";
    QTest::newRow("eight, the most") << "ABCDEFGH" << "ABCDEFGH" << true << "ABCDEFGH" << "";
    QTest::newRow("nine") << "ABCDEFGHI" << "ABCDEFGHI" << false << "ABCDEFGH" << "8 characters at most";
    QTest::newRow("marks") << "Café" << "CAFé" << false << "CAFE" << "";
    QTest::newRow("lacking sign") << "40m@home" << "40M@HOME" << false << "40M HOME"
                                  << "characters the radio lacks are left out";
    QTest::newRow("both") << "Ö1 Wien-Süd!" << "Ö1 WIEN-SüD!" << false << "O1 WIEN-"
                          << "characters the radio lacks are left out, 8 characters at most";
}

void tst_ChannelCodec::nameRules()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(bool, storable);
    QFETCH(QString, fitted);
    QFETCH(QString, why);

    QCOMPARE(ChannelName::kept(text), kept);
    QCOMPARE(!ChannelName::problem(kept).has_value(), storable);
    QString said;
    const QString fit = ChannelName::fitted(text, said);
    QCOMPARE(fit, fitted);
    QCOMPARE(said, why);
    QVERIFY(!ChannelName::problem(fit)); // a fitted name is always storable
    // Typed one by one, the name box keeps what the radio can store.
    QString typed;
    for (const QChar c : text) {
        const QChar accepted = ChannelName::accepted(c);
        if (!accepted.isNull() && typed.size() < ChannelName::Length)
            typed += accepted;
    }
    QVERIFY(!ChannelName::problem(typed));
}

void tst_ChannelCodec::frequencyVerdict_data()
{
    QTest::addColumn<qint64>("frequency");
    QTest::addColumn<qint64>("split"); // -1: a VFO, which has none
    QTest::addColumn<int>("fault");    // -1: none
    const int frequency = int(ChannelColumn::Frequency);
    const int split = int(ChannelColumn::Split);
    QTest::newRow("both inside") << qint64(7050000) << qint64(7150000) << -1;
    QTest::newRow("lowest inside, split on it") << qint64(1600000) << qint64(1600000) << -1;
    QTest::newRow("frequency below") << qint64(1599999) << qint64(7150000) << frequency;
    QTest::newRow("frequency at the top") << qint64(30000000) << qint64(7150000) << frequency;
    QTest::newRow("both outside: the frequency first") << qint64(0) << qint64(0) << frequency;
    QTest::newRow("split outside") << qint64(7050000) << qint64(45000000) << split;
    // The dialog always shows a split, so 0 is a typed frequency there.
    QTest::newRow("split 0") << qint64(7050000) << qint64(0) << split;
    QTest::newRow("VFO inside") << qint64(14074000) << qint64(-1) << -1;
    QTest::newRow("VFO outside") << qint64(31000000) << qint64(-1) << frequency;
}

void tst_ChannelCodec::frequencyVerdict()
{
    QFETCH(qint64, frequency);
    QFETCH(qint64, split);
    QFETCH(int, fault);
    const ChannelRules rules(Vocabulary::ModelE, false);
    const auto verdict = rules.frequencyAtFault(frequency, split < 0 ? std::nullopt : std::optional<qint64>(split));
    QCOMPARE(verdict ? int(*verdict) : -1, fault);
}

void tst_ChannelCodec::textsFollowTheFields()
{
    ChannelRow row;
    row.frequency = 14074000;
    row.mode = 0;
    row.tone = 0x88;
    row.name = QStringLiteral("FT8");
    row.skip = true;
    // An empty slot shows nothing, whatever its fields hold.
    QCOMPARE(row.texts(), QStringList(Vocabulary::ChannelGridColumns));
    row.inUse = true;
    QCOMPARE(row.texts(), (QStringList{"14.074.000", "USB", "0", "Fast", "High", "Wide", "88.5Hz", "Off", "0.000.000",
                                       "FT8", "Skip"}));
    // A negative split (from a list's offset) shows as none but is refused.
    row.split = -5000;
    QCOMPARE(row.text(ChannelColumn::Split), QStringLiteral("0.000.000"));
    const auto problem = ChannelRules(Vocabulary::ModelE, false).check(row);
    QVERIFY(problem);
    QCOMPARE(problem->column, ChannelColumn::Split);

    // A VFO nothing was read into shows nothing; its default shows its fields.
    VfoRow vfo;
    QCOMPARE(vfo.texts(), QStringList(Vocabulary::VfoGridColumns));
    vfo.known = true;
    QCOMPARE(vfo.text(ChannelColumn::Frequency), QStringLiteral("0.000.000"));
    QVERIFY(vfo.text(ChannelColumn::Name).isEmpty());
}

void tst_ChannelCodec::rawBytesSurvive()
{
    // Values the texts show only approximately are written back unchanged.
    ChannelRow row;
    const QString text = record({{0, "88"}, {1, "03"}, {2, "09"}, {3, "05"}, {4, "07"},
                                 {6, "03"}, {7, "7F"}, {9, "04"}, {16, "3899D800"},
                                 {20, "3C4A39543D51"}, {28, "10936B00"}});
    QVERIFY(ChannelCodec::decode(text, row).ok());
    QCOMPARE(ChannelCodec::encode(row), text);
}

void tst_ChannelCodec::decodeEncodeProperty()
{
    QRandomGenerator rng(20261207);
    // Rows carried from one record to the next, so a failed decode shows
    // against a row with content.
    std::array<ChannelRow, 8> rows;
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
        ChannelRow &row = rows[rng.bounded(quint32(rows.size()))];
        const ChannelRow before = row;
        const DecodeResult result = ChannelCodec::decode(text, row);
        if (!result.ok()) {
            QCOMPARE(row, before);
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
                ended = ended || ChannelCodec::nameChar(in[k]).isNull();
                if (ended)
                    expected[k] = 0;
            }
        }
        Record out;
        QVERIFY(RecordText::split(ChannelCodec::encode(row), out));
        QCOMPARE(RecordText::join(out), RecordText::join(expected));
    }
    QVERIFY(decoded > 2000);
}

QTEST_GUILESS_MAIN(tst_ChannelCodec)
#include "tst_ChannelCodec.moc"
