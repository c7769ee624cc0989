#include "Module1.h"

#include <QtTest>

class tst_Module1 : public QObject
{
    Q_OBJECT
private slots:
    void freshTablesAreEmpty();
    void vocabularyTables();
    void headersAndMarks();
    void commandLineFile_data();
    void commandLineFile();
    void modelVariantForFile_data();
    void modelVariantForFile();
};

void tst_Module1::freshTablesAreEmpty()
{
    Module1 state;
    QCOMPARE(int(state.ChannelText.size()), 604);
    QCOMPARE(int(state.ChannelValue.size()), 604);
    QCOMPARE(int(state.ChannelInUse.size()), 604);
    QCOMPARE(int(state.VfoText.size()), 8);
    QCOMPARE(int(state.VfoText[0].size()), 14);
    for (int n = 0; n < 604; ++n) {
        QVERIFY(!state.ChannelInUse[n]);
        for (int c = 0; c < 15; ++c) {
            QVERIFY(state.ChannelText[n][c].isEmpty());
            QCOMPARE(state.ChannelValue[n][c], 0.0);
        }
    }
    QVERIFY(!state.DataChanged);
    QVERIFY(!state.ExtendedRange);
    QCOMPARE(state.ModelVariant, int(Module1::ModelE));
    QCOMPARE(state.WindowCaption, state.AppTitle);
}

void tst_Module1::vocabularyTables()
{
    Module1 state;
    QCOMPARE(state.ModeNames, QStringList({"USB", "LSB", "CWU", "CWL", "AM", "FM"}));
    QCOMPARE(state.StepNames.size(), 19);
    QCOMPARE(state.StepNames.at(2), QString("12.5KHz"));
    QCOMPARE(state.StepNames.at(6), QString("30KHz"));
    QVERIFY(state.StepNames.at(7).isEmpty());
    QCOMPARE(state.ToneNames.size(), 39);
    QCOMPARE(state.ToneNames.first(), QString("67.0Hz"));
    QCOMPARE(state.ToneNames.at(8), QString("88.5Hz"));
    QCOMPARE(state.ToneNames.at(31), QString("192.8Hz"));
    QCOMPARE(state.ToneNames.at(32), QString("203.5Hz"));
    QCOMPARE(state.ToneNames.last(), QString("250.3Hz"));
    QVERIFY(!state.ToneNames.contains("159.8Hz"));
    QCOMPARE(state.DcsCodes.size(), 104);
    QCOMPARE(state.DcsCodes.first(), QString("023"));
    QCOMPARE(state.DcsCodes.last(), QString("754"));
    QStringList sorted = state.DcsCodes;
    sorted.sort();
    QCOMPARE(sorted, state.DcsCodes);
    const std::array<qint16, 15> widths{650, 900, 600, 450, 600, 600, 650, 700,
                                        600, 900, 900, 600, 500, 500, 0};
    QCOMPARE(state.ColumnWidths, widths);
}

void tst_Module1::headersAndMarks()
{
    Module1 state;
    QCOMPARE(state.CloneHeaderTable.size(), 9);
    QCOMPARE(state.CloneHeaderTable.at(1), QString("Korvan QT-R70T Clone 0 FileStart"));
    QCOMPARE(state.CloneHeaderTable.at(8), QString("Korvan QT-R70A Clone A FileStart"));
    QVERIFY(state.CloneHeaderTable.at(4).isEmpty());
    for (int i : {0, 1, 2, 3, 5, 6, 7, 8})
        QCOMPARE(state.CloneHeaderTable.at(i).size(), 32);
    QCOMPARE(state.CloneEndMark, QString("Korvan  QT-R70  Clone  File  End"));
    QCOMPARE(state.CloneEndMark.size(), 32);
    QCOMPARE(state.AppTitle, QString("Korvan QT-R70 Clone Utility"));
}

void tst_Module1::commandLineFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("quoted path") << QStringList{"\"/home/me/my radio.R70\""} << "/home/me/my radio.R70";
    QTest::newRow("bare path kept whole") << QStringList{"/tmp/a.R70"} << "/tmp/a.R70";
    QTest::newRow("five characters") << QStringList{"\"a.R\""} << "\"a.R\"";
    QTest::newRow("six characters") << QStringList{"\"a.R7\""} << "a.R7";
    QTest::newRow("only one quote") << QStringList{"\"/tmp/a.R70"} << "\"/tmp/a.R70";
    QTest::newRow("split by the shell") << QStringList{"/tmp/my", "radio.R70"} << "/tmp/my radio.R70";
}

void tst_Module1::commandLineFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(Module1::CommandLineFileFrom(arguments), expected);
}

void tst_Module1::modelVariantForFile_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("written");
    QTest::newRow("J") << 0 << 0;
    QTest::newRow("T") << 1 << 1;
    QTest::newRow("E") << 2 << 2;
    QTest::newRow("A") << 3 << 3;
    QTest::newRow("none selected") << -1 << 3;
}

void tst_Module1::modelVariantForFile()
{
    QFETCH(int, selected);
    QFETCH(int, written);
    Module1 state;
    state.ModelVariant = selected;
    QCOMPARE(state.ModelVariantForFile(), written);
}

QTEST_GUILESS_MAIN(tst_Module1)
#include "tst_Module1.moc"
