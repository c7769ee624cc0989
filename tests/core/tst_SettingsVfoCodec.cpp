#include "codec/CloneImage.h"
#include "codec/RecordText.h"
#include "codec/SettingsCodec.h"
#include "codec/SettingsTable.h"
#include "StateSnapshot.h"
#include "codec/VfoCodec.h"
#include "codec/Vocabulary.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The two settings lines and the selections decoded from them.
struct Settings
{
    QString line1;
    QString line2;
    SettingSelections selection{};

    DecodeResult decode() { return SettingsCodec::decode(line1, line2, selection); }
    void encode()
    {
        const SettingsCodec::Lines lines = SettingsCodec::encode(selection);
        line1 = lines.line1;
        line2 = lines.line2;
    }
};

QString selected(const Settings &settings, SettingId id)
{
    return SettingsTable::of(id).items.at(settings.selection[size_t(id)]);
}

Settings defaults()
{
    Settings settings{QLatin1String(SettingsCodec::FactoryLine1), QLatin1String(SettingsCodec::FactoryLine2)};
    if (!settings.decode().ok())
        qFatal("factory settings do not decode");
    return settings;
}

QString withByte(const QString &line, int byte, const char *hex)
{
    return QString(line).replace(2 * byte, 2, QLatin1String(hex));
}

} // namespace

class tst_SettingsVfoCodec : public QObject
{
    Q_OBJECT
private slots:
    void descriptorTable();
    void generatedLists();
    void defaultSelections_data();
    void defaultSelections();
    void defaultsEncodeToFactoryTexts();
    void sharedBytes_data();
    void sharedBytes();
    void failureKeepsSelections_data();
    void failureKeepsSelections();
    void settingsRoundTripProperty();
    void defaultVfo_data();
    void defaultVfo();
    void vfoRecord_data();
    void vfoRecord();
    void vfoFailureKeepsRow();
    void vfoDecodeEncodeProperty();
};

void tst_SettingsVfoCodec::descriptorTable()
{
    const auto &table = SettingsTable::all();
    QCOMPARE(int(table.size()), SettingsTable::Count);
    QSet<QString> captions;
    QSet<int> bytes[2];
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDescriptor &d = table[i];
        QCOMPARE(SettingsTable::index(d.id), int(i));
        captions.insert(d.caption);
        QVERIFY2(d.defaultIndex < d.items.size(), qPrintable(d.caption));
        QVERIFY(d.record == 1 || d.record == 2);
        if (d.packing == SettingDescriptor::Packing::Whole || d.packing == SettingDescriptor::Packing::Low7)
            QVERIFY2(!bytes[d.record - 1].contains(d.byte), qPrintable(d.caption));
        bytes[d.record - 1].insert(d.byte);
    }
    QCOMPARE(captions.size(), 32);
    QVERIFY(SettingsTable::of(SettingId::ScanSkip).editable);
}

void tst_SettingsVfoCodec::generatedLists()
{
    const QStringList dimmer = SettingsTable::dimmerItems();
    QCOMPARE(dimmer.size(), 65);
    QCOMPARE(dimmer.first(), QString("00"));
    QCOMPARE(dimmer.at(9), QString("09"));
    QCOMPARE(dimmer.last(), QString("64"));
    const QStringList wpm = SettingsTable::wpmItems();
    QCOMPARE(wpm.size(), 35);
    QCOMPARE(wpm.first(), QString("6"));
    QCOMPARE(wpm.last(), QString("40"));
    const QStringList side = SettingsTable::sideToneItems();
    QCOMPARE(side.size(), 13);
    QCOMPARE(side.at(1), QString("450Hz"));
    QCOMPARE(side.last(), QString("1000Hz"));
    QCOMPARE(SettingsTable::breakInItems(), QStringList({"FULL", "1", "2", "3", "4", "5", "6", "7", "AUTO"}));
    QCOMPARE(SettingsTable::toneItems(), Vocabulary::toneNames());
    const auto &scanTime = SettingsTable::of(SettingId::ScanTime).items;
    QCOMPARE(scanTime.size(), 23);
    QCOMPARE(scanTime.at(3), QString("  2S"));
}

void tst_SettingsVfoCodec::defaultSelections_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("item");
    QTest::newRow("keyer speed") << int(SettingId::Wpm) << "20";
    QTest::newRow("dimmer") << int(SettingId::Dimmer) << "32";
    QTest::newRow("side tone") << int(SettingId::SideTone) << "800Hz";
    QTest::newRow("break-in") << int(SettingId::BreakIn) << "AUTO";
    QTest::newRow("tone") << int(SettingId::Tone) << "88.5Hz";
    QTest::newRow("scan time") << int(SettingId::ScanTime) << "  2S";
    QTest::newRow("key ratio") << int(SettingId::KeyRatio) << "3.0";
    QTest::newRow("keyer") << int(SettingId::ElectronicKeyer) << "On";
    QTest::newRow("paddle") << int(SettingId::KeyPaddle) << "Normal";
    QTest::newRow("scan skip") << int(SettingId::ScanSkip) << "Skip";
    QTest::newRow("memory access") << int(SettingId::MemoryAccess) << "On";
}

void tst_SettingsVfoCodec::defaultSelections()
{
    QFETCH(int, setting);
    QFETCH(QString, item);
    const Settings settings = defaults();
    QCOMPARE(selected(settings, SettingId(setting)), item);
    QCOMPARE(settings.selection[size_t(setting)], SettingsTable::all()[size_t(setting)].defaultIndex);
}

void tst_SettingsVfoCodec::defaultsEncodeToFactoryTexts()
{
    const SettingsCodec::Lines lines = SettingsCodec::encode(defaults().selection);
    QCOMPARE(lines.line1, QString(SettingsCodec::FactoryLine1));
    QCOMPARE(lines.line2, QString(SettingsCodec::FactoryLine2));
    // The factory image carries the same lines and selections.
    const CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    QCOMPARE(image.settingsLine1, lines.line1);
    QCOMPARE(image.settingsLine2, lines.line2);
    QCOMPARE(image.selections, defaults().selection);
}

void tst_SettingsVfoCodec::sharedBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("rewritten");
    const int keyer = int(SettingId::ElectronicKeyer);
    const int tone = int(SettingId::Tone);
    QTest::newRow("81h keyer") << 23 << "81" << keyer << "On" << "81";
    QTest::newRow("81h paddle") << 23 << "81" << int(SettingId::KeyPaddle) << "Revers" << "81";
    QTest::newRow("80h keyer off") << 23 << "80" << keyer << "Off" << "80";
    QTest::newRow("other bits dropped") << 23 << "7F" << keyer << "On" << "01";
    QTest::newRow("tone 88h") << 26 << "88" << tone << "88.5Hz" << "08";
    QTest::newRow("constant byte 30") << 30 << "7E" << tone << "88.5Hz" << "00";
    QTest::newRow("marker rebuilt") << 0 << "00" << int(SettingId::Rit) << "Off" << "A5";
}

void tst_SettingsVfoCodec::sharedBytes()
{
    QFETCH(int, byte);
    QFETCH(QString, stored);
    QFETCH(int, setting);
    QFETCH(QString, item);
    QFETCH(QString, rewritten);
    Settings settings = defaults();
    settings.line1 = withByte(settings.line1, byte, stored.toLatin1().constData());
    QVERIFY(settings.decode().ok());
    QCOMPARE(selected(settings, SettingId(setting)), item);
    settings.encode();
    QCOMPARE(settings.line1.mid(2 * byte, 2), rewritten);
}

void tst_SettingsVfoCodec::failureKeepsSelections_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");
    // Failures name the setting by its caption.
    QTest::newRow("WPM 35") << 1 << 7 << "23" << "Key Speed(WPM)";
    QTest::newRow("tone 27h") << 1 << 26 << "A7" << "Tone";
    QTest::newRow("last list") << 2 << 18 << "02" << "D VOX";
    QTest::newRow("non-hex") << 2 << 4 << "0Q" << "second settings record";
}

void tst_SettingsVfoCodec::failureKeepsSelections()
{
    QFETCH(int, line);
    QFETCH(int, byte);
    QFETCH(QString, value);
    QFETCH(QString, field);
    Settings settings = defaults();
    // First a different valid set, so a partial update would show.
    settings.line1 = withByte(settings.line1, 6, "03");
    QVERIFY(settings.decode().ok());
    const SettingSelections before = settings.selection;
    QString &target = line == 1 ? settings.line1 : settings.line2;
    target = withByte(target, byte, value.toLatin1().constData());
    settings.line1 = withByte(settings.line1, 6, "01");
    const DecodeResult result = settings.decode();
    QVERIFY(!result.ok());
    QCOMPARE(result.field(), field);
    QCOMPARE(settings.selection, before);
}

void tst_SettingsVfoCodec::settingsRoundTripProperty()
{
    // Any selection set survives encode then decode.
    QRandomGenerator rng(7);
    const auto &table = SettingsTable::all();
    for (int round = 0; round < 500; ++round) {
        Settings settings;
        for (size_t i = 0; i < table.size(); ++i)
            settings.selection[i] = int(rng.bounded(table[i].items.size()));
        const SettingSelections chosen = settings.selection;
        settings.encode();
        settings.selection.fill(0);
        QVERIFY(settings.decode().ok());
        QCOMPARE(settings.selection, chosen);
    }
}

void tst_SettingsVfoCodec::defaultVfo_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("record");
    QTest::newRow("QT-R70E") << 2 << "7.100.000"
                             << "8001000100000000000000000000000060566C00000000000000000000000000";
    QTest::newRow("QT-R70J") << 0 << "7.050.000"
                             << "800100010000000000000000000000001093 6B00000000000000000000000000";
    QTest::newRow("QT-R70A") << 3 << "7.100.000"
                             << "8001000100000000000000000000000060566C00000000000000000000000000";
}

void tst_SettingsVfoCodec::defaultVfo()
{
    QFETCH(int, model);
    QFETCH(QString, frequency);
    QFETCH(QString, record);
    record.remove(QLatin1Char(' '));
    const VfoRow vfo = VfoCodec::defaultVfo(model);
    const QStringList shown{frequency, "LSB", "0", "Slow", "High", "Wide", "Off", "Off"};
    QCOMPARE(vfo.texts(), shown);
    QCOMPARE(VfoCodec::encode(vfo), record);
    // The factory image has it as VFO A and B.
    const CloneImage image = CloneImage::factory(model, false);
    for (const VfoRow &row : image.vfos)
        QCOMPARE(row, vfo);
}

void tst_SettingsVfoCodec::vfoRecord_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("status 00 still decodes, written 80")
        << "0005020101000188000100000000000038 99D800000000000000000000000000"
        << "8005020101000188000100000000000038 99D800000000000000000000000000";
    QTest::newRow("name, split and reserved bytes dropped")
        << "80010001FF00001100FF1111111111116056 6C003C4A39543D51000010936B00"
        << "80010001FF00001100FF0000000000006056 6C00000000000000000000000000";
}

void tst_SettingsVfoCodec::vfoRecord()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    in.remove(QLatin1Char(' '));
    out.remove(QLatin1Char(' '));
    VfoRow row;
    QVERIFY(VfoCodec::decode(in, row).ok());
    QCOMPARE(VfoCodec::encode(row), out);
}

void tst_SettingsVfoCodec::vfoFailureKeepsRow()
{
    VfoRow row = VfoCodec::defaultVfo(Vocabulary::ModelE);
    const VfoRow before = row;
    // Mode decodes (FM) before the tone fails.
    const QString bad = "80050000000000A7000000000000000038 99D800000000000000000000000000";
    const DecodeResult result = VfoCodec::decode(QString(bad).remove(' '), row);
    QVERIFY(!result.ok());
    QCOMPARE(result.field(), QString("tone"));
    QCOMPARE(row, before);
}

void tst_SettingsVfoCodec::vfoDecodeEncodeProperty()
{
    // Decoding then encoding gives the record back with status 80h and every
    // byte outside mode .. noise blanker and the frequency cleared; a record
    // that does not decode leaves the row as it was.
    QRandomGenerator rng(1205);
    std::array<VfoRow, 2> rows;
    rows.fill(VfoCodec::defaultVfo(Vocabulary::ModelE));
    int decoded = 0;
    for (int i = 0; i < 3000; ++i) {
        Record in;
        for (auto &b : in)
            b = std::uint8_t(rng.bounded(256));
        if (i % 2 == 0) {
            in[1] = std::uint8_t(rng.bounded(6));
            in[7] = std::uint8_t(rng.bounded(0xA7));
        }
        VfoRow &row = rows[rng.bounded(2)];
        const VfoRow before = row;
        if (!VfoCodec::decode(RecordText::join(in), row)) {
            QCOMPARE(row, before);
            continue;
        }
        ++decoded;
        Record expected{};
        expected[0] = 0x80;
        for (int k : {1, 2, 3, 4, 6, 7, 9, 16, 17, 18, 19})
            expected[k] = in[k];
        QCOMPARE(VfoCodec::encode(row), RecordText::join(expected));
    }
    QVERIFY(decoded > 1500);
}

QTEST_GUILESS_MAIN(tst_SettingsVfoCodec)
#include "tst_SettingsVfoCodec.moc"
