// Columns printed for a terminal line up whatever script their cells hold.
#include "files/TextTable.h"

#include <QTest>

class tst_TextTable : public QObject
{
    Q_OBJECT
private slots:
    void columnsCountWideCharactersTwice_data();
    void columnsCountWideCharactersTwice();
    void japaneseCellsKeepTheColumnsAligned();
};

void tst_TextTable::columnsCountWideCharactersTwice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::newRow("ASCII") << QStringLiteral("DEVICE") << 6;
    QTest::newRow("kana and kanji") << QStringLiteral("デバイス説明") << 12;
    QTest::newRow("half-width kana") << QStringLiteral("ﾂｰﾙ") << 3;
    QTest::newRow("full-width form") << QStringLiteral("？A") << 3;
    QTest::newRow("beyond the BMP") << QString::fromUcs4(U"\U00020BB7") << 2;
    QTest::newRow("empty") << QString() << 0;
}

void tst_TextTable::columnsCountWideCharactersTwice()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    QCOMPARE(TextTable::columns(text), columns);
}

void tst_TextTable::japaneseCellsKeepTheColumnsAligned()
{
    TextTable table;
    table.addRow({QStringLiteral("ポート"), QStringLiteral("デバイス"), QStringLiteral("状態")});
    table.addRow({QStringLiteral("1"), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("present")});
    const QStringList lines = table.render().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    // The third column starts at the same terminal column on both lines.
    const auto thirdColumn = [](const QString &line, const QString &cell) {
        return TextTable::columns(line.left(line.indexOf(cell)));
    };
    QCOMPARE(thirdColumn(lines[0], QStringLiteral("状態")), thirdColumn(lines[1], QStringLiteral("present")));
    QCOMPARE(thirdColumn(lines[1], QStringLiteral("present")), 6 + 2 + 12 + 2);
}

QTEST_GUILESS_MAIN(tst_TextTable)
#include "tst_TextTable.moc"
