#include "codec/ChannelLabel.h"

#include <QtTest>

class tst_ChannelLabel : public QObject
{
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void headers();
    void ranges_data();
    void ranges();
    void typedLabels_data();
    void typedLabels();
};

void tst_ChannelLabel::labels_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("channel");
    QTest::newRow("0") << 0 << "0" << "Memory" << "0CH";
    QTest::newRow("7") << 7 << "7" << "Memory" << "7CH";
    QTest::newRow("12") << 12 << "12" << "Memory" << "12CH";
    QTest::newRow("199") << 199 << "199" << "Memory" << "199CH";
    QTest::newRow("200") << 200 << "A  0" << "Memory A" << "0CH";
    QTest::newRow("205") << 205 << "A  5" << "Memory A" << "5CH";
    QTest::newRow("250") << 250 << "A 50" << "Memory A" << "50CH";
    QTest::newRow("399") << 399 << "A199" << "Memory A" << "199CH";
    QTest::newRow("400") << 400 << "A-P1" << "Memory A" << "P1";
    QTest::newRow("401") << 401 << "A-P2" << "Memory A" << "P2";
    QTest::newRow("402") << 402 << "B  0" << "Memory B" << "0CH";
    QTest::newRow("601") << 601 << "B199" << "Memory B" << "199CH";
    QTest::newRow("602") << 602 << "B-P1" << "Memory B" << "P1";
    QTest::newRow("603") << 603 << "B-P2" << "Memory B" << "P2";
}

void tst_ChannelLabel::labels()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(QString, heading);
    QFETCH(QString, channel);
    QCOMPARE(ChannelLabel::gridLabel(row), label);
    QCOMPARE(ChannelLabel::bankHeading(row), heading);
    QCOMPARE(ChannelLabel::channelText(row), channel);
}

void tst_ChannelLabel::headers()
{
    QCOMPARE(ChannelLabel::memoryHeaders().join('|'),
             QString("Frequency|Mode|Gain|AGC|Pwr|Filter|Tone|NB|Split Freq.|Name|Skip"));
    QCOMPARE(ChannelLabel::vfoHeaders().join('|'), QString("Frequency|Mode|Gain|AGC|Pwr|Filter|Tone|NB"));
    QCOMPARE(ChannelLabel::vfoLabel(1), QString("VFO B"));
}

void tst_ChannelLabel::ranges_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("runs");
    QTest::newRow("one") << QList<int>{12} << "12" << 8;
    QTest::newRow("a run and a single") << QList<int>{3, 4, 5, 212} << "3\u20135, A12" << 8;
    QTest::newRow("a run ends with its bank") << QList<int>{198, 199, 200, 201} << "198\u2013199, A0\u2013A1" << 8;
    QTest::newRow("P channels one by one") << QList<int>{399, 400, 401, 402} << "A199, A-P1, A-P2, B0" << 8;
    QTest::newRow("beyond the runs shown") << QList<int>{1, 3, 5, 6} << "1, 3, and 2 more" << 2;
}

void tst_ChannelLabel::ranges()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, text);
    QFETCH(int, runs);
    QCOMPARE(ChannelLabel::rangesText(rows, runs), text);
}

void tst_ChannelLabel::typedLabels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    for (const char *typed : {"155", " 155 "})
        QTest::newRow(typed) << typed << 155;
    for (const char *typed : {"a12", "A 12", "A-12", "A12"})
        QTest::newRow(typed) << typed << 212;
    for (const char *typed : {"B-P2", "bp2", "b - p2"})
        QTest::newRow(typed) << typed << 603;
    // What is no label names no slot.
    for (const char *typed : {"-1", "1-", "--5", "A--5", "5A", "P1", "", "1 2", "200", "A200", "B-P3"})
        QTest::newRow(typed) << typed << -1;
}

void tst_ChannelLabel::typedLabels()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QCOMPARE(ChannelLabel::rowOf(typed), row);
}

QTEST_GUILESS_MAIN(tst_ChannelLabel)
#include "tst_ChannelLabel.moc"
