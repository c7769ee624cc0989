// The memory grid and the VFO grid as views of the tables.

#include "ChannelLabel.h"
#include "MemoryGrid.h"
#include "Module1.h"
#include "VfoCodec.h"
#include "VfoGrid.h"

#include <QHeaderView>
#include <QtTest>

class tst_Grids : public QObject
{
    Q_OBJECT

private slots:
    void rowLabels_data();
    void rowLabels();
    void rowsNotInUseShowBlank();
    void refreshAfterResetKeepsLabels();
    void writeRowIgnoresInUse();
    void longTextsWidenTheirColumn_data();
    void longTextsWidenTheirColumn();
    void vfoGridFollowsTable();
};

void tst_Grids::rowLabels_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("10") << 10 << "10";
    QTest::newRow("A  0") << 200 << "A  0";
    QTest::newRow("A 10") << 210 << "A 10";
    QTest::newRow("A100") << 300 << "A100";
    QTest::newRow("A-P2") << 401 << "A-P2";
    QTest::newRow("B  9") << 411 << "B  9";
    QTest::newRow("B-P1") << 602 << "B-P1";
}

void tst_Grids::rowLabels()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    Module1 state;
    MemoryGrid grid(state);
    QCOMPARE(grid.verticalHeaderItem(row)->text(), label);
}

void tst_Grids::rowsNotInUseShowBlank()
{
    Module1 state;
    MemoryGrid grid(state);
    state.ChannelText[205][0] = QStringLiteral("7.050.000");
    state.ChannelText[205][9] = QStringLiteral("OLDNAME");
    state.ChannelInUse[206] = true;
    state.ChannelText[206][9] = QStringLiteral("NET");
    grid.RefreshMemoryGrid();
    QCOMPARE(grid.item(205, 9)->text(), QString());
    QCOMPARE(grid.item(205, 0)->text(), QString());
    QCOMPARE(grid.item(206, 9)->text(), QStringLiteral("NET"));

    state.ChannelInUse[206] = false;
    grid.showRow(206);
    QCOMPARE(grid.item(206, 9)->text(), QString());
}

void tst_Grids::refreshAfterResetKeepsLabels()
{
    Module1 state;
    MemoryGrid grid(state);
    for (int r : {0, 399, 603}) {
        state.ChannelInUse[size_t(r)] = true;
        state.ChannelText[size_t(r)][1] = QStringLiteral("USB");
    }
    grid.RefreshMemoryGrid();
    QCOMPARE(grid.item(603, 1)->text(), QStringLiteral("USB"));
    state.InitDataTables();
    grid.RefreshMemoryGrid();
    for (int r = 0; r < Module1::ChannelCount; ++r) {
        for (int c = 0; c < MemoryGrid::DataColumns; ++c)
            QVERIFY(grid.item(r, c)->text().isEmpty());
        QCOMPARE(grid.verticalHeaderItem(r)->text(), ChannelLabel::gridLabel(r));
    }
}

void tst_Grids::writeRowIgnoresInUse()
{
    Module1 state;
    MemoryGrid grid(state);
    state.ChannelText[3][9] = QStringLiteral("KEPT");
    grid.writeRow(3);
    QCOMPARE(grid.item(3, 9)->text(), QStringLiteral("KEPT"));
}

void tst_Grids::longTextsWidenTheirColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("frequency") << 0 << "29.999.999";
    QTest::newRow("split frequency") << 8 << "129.999.999";
    QTest::newRow("name") << 9 << "WWWWWWWW";
}

void tst_Grids::longTextsWidenTheirColumn()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    Module1 state;
    MemoryGrid grid(state);
    const int designed = grid.columnWidth(column);
    state.ChannelInUse[50] = true;
    state.ChannelText[50][size_t(column)] = text;
    grid.showRow(50);
    const int needed = grid.sizeHintForIndex(grid.model()->index(50, column)).width();
    QVERIFY(grid.columnWidth(column) >= designed);
    QVERIFY2(grid.columnWidth(column) > needed, qPrintable(QString::number(grid.columnWidth(column))));
    // A short text leaves the width alone.
    const int widened = grid.columnWidth(column);
    state.ChannelText[51][size_t(column)] = QStringLiteral("1");
    state.ChannelInUse[51] = true;
    grid.showRow(51);
    QCOMPARE(grid.columnWidth(column), widened);
}

void tst_Grids::vfoGridFollowsTable()
{
    Module1 state;
    VfoCodec::LoadDefaultVfo(state);
    VfoGrid grid(state);
    QCOMPARE(grid.objectName(), QStringLiteral("MSFlexGrid2"));
    QCOMPARE(grid.item(1, 0)->text(), QStringLiteral("7.100.000"));
    state.VfoText[1][1] = QStringLiteral("AM");
    state.VfoText[0][7] = QStringLiteral("On");
    QCOMPARE(grid.item(1, 1)->text(), QStringLiteral("LSB"));
    grid.UpdateVFOData();
    QCOMPARE(grid.item(1, 1)->text(), QStringLiteral("AM"));
    QCOMPARE(grid.item(0, 7)->text(), QStringLiteral("On"));
    QCOMPARE(grid.horizontalHeaderItem(7)->text(), QStringLiteral("NB"));
}

QTEST_MAIN(tst_Grids)
#include "tst_Grids.moc"
