#include "codec/Frequency.h"
#include "codec/MemoryMap.h"
#include "codec/RecordText.h"

#include <QtTest>

class tst_RecordText : public QObject
{
    Q_OBJECT
private slots:
    void channelAddress_data();
    void channelAddress();
    void hexByte_data();
    void hexByte();
    void field32_data();
    void field32();
    void splitRefuses_data();
    void splitRefuses();
    void lowerCaseReadsLikeUpperCase();
    void formatFrequency_data();
    void formatFrequency();
};

void tst_RecordText::channelAddress_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("address");
    QTest::newRow("0") << 0 << "0600";
    QTest::newRow("5") << 5 << "06A0";
    QTest::newRow("79") << 79 << "0FE0";
    QTest::newRow("80") << 80 << "1000";
    QTest::newRow("603") << 603 << "5160";
}

void tst_RecordText::channelAddress()
{
    QFETCH(int, slot);
    QFETCH(QString, address);
    QCOMPARE(MemoryMap::channelAddressText(slot), address);
    QCOMPARE(MemoryMap::addressText(MemoryMap::SettingsRecord2), QString("0320"));
}

void tst_RecordText::hexByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("10") << 10 << "0A";
    QTest::newRow("165") << 165 << "A5";
    QTest::newRow("255") << 255 << "FF";
}

void tst_RecordText::hexByte()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(RecordText::hexByte(value), text);
}

void tst_RecordText::field32_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("7 050 000") << quint32(7050000) << "10936B00";
    QTest::newRow("14 195 000") << quint32(14195000) << "3899D800";
    QTest::newRow("above 2^31 reads unsigned") << quint32(0xFEDCBA98) << "98BADCFE";
    QTest::newRow("all ones") << quint32(0xFFFFFFFF) << "FFFFFFFF";
}

void tst_RecordText::field32()
{
    QFETCH(quint32, value);
    QFETCH(QString, bytes);
    Record r{};
    RecordText::writeField32(r, 16, value);
    QCOMPARE(RecordText::join(r).mid(32, 8), bytes);
    QCOMPARE(RecordText::readField32(r, 16), value);
}

void tst_RecordText::splitRefuses_data()
{
    QTest::addColumn<QString>("text");
    const QString good(64, QLatin1Char('0'));
    QTest::newRow("63 characters") << good.left(63);
    QTest::newRow("65 characters") << good + "0";
    QTest::newRow("non-hex digit") << QString(good).replace(17, 1, "G");
    QTest::newRow("blank") << QString(good).replace(0, 1, " ");
    QTest::newRow("empty") << QString();
}

void tst_RecordText::splitRefuses()
{
    QFETCH(QString, text);
    Record r;
    r.fill(0x5A);
    QVERIFY(!RecordText::split(text, r));
    QCOMPARE(r[0], std::uint8_t(0x5A));  // untouched
}

void tst_RecordText::lowerCaseReadsLikeUpperCase()
{
    const QString upper = "A50000000003000E000000000000000000000320010101010808080000000000";
    Record a, b;
    QVERIFY(RecordText::split(upper, a));
    QVERIFY(RecordText::split(upper.toLower(), b));
    QCOMPARE(a, b);
    QCOMPARE(RecordText::join(b), upper);
}

void tst_RecordText::formatFrequency_data()
{
    QTest::addColumn<quint64>("hz");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << quint64(0) << "0.000.000";
    QTest::newRow("135 kHz") << quint64(135000) << "0.135.000";
    QTest::newRow("1.8 MHz") << quint64(1800000) << "1.800.000";
    QTest::newRow("7.05 MHz") << quint64(7050000) << "7.050.000";
    QTest::newRow("14.195 MHz") << quint64(14195000) << "14.195.000";
    QTest::newRow("29.7 MHz") << quint64(29700000) << "29.700.000";
    QTest::newRow("nine digits") << quint64(123456789) << "123.456.789";
    QTest::newRow("largest field") << quint64(4294967295u) << "4294.967.295";
}

void tst_RecordText::formatFrequency()
{
    QFETCH(quint64, hz);
    QFETCH(QString, text);
    QCOMPARE(Frequency::format(hz), text);
}

QTEST_GUILESS_MAIN(tst_RecordText)
#include "tst_RecordText.moc"
