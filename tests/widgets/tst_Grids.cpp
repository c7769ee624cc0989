// The memory grid and the VFO grid as views of the document.

#include "codec/ChannelRules.h"
#include "codec/ChannelLabel.h"
#include "MainWindowFixture.h"
#include "app/CloneDocument.h"
#include "codec/VfoCodec.h"
#include "codec/Vocabulary.h"
#include "edit/MemoryGrid.h"
#include "edit/VfoGrid.h"
#include "shell/MainWindow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QtTest>

#include <numeric>

class tst_Grids : public QObject
{
    Q_OBJECT

private slots:
    void rowLabels_data();
    void rowLabels();
    void rowsNotInUseShowBlank();
    void refreshAfterResetKeepsLabels();
    void longTextsWidenTheirColumn_data();
    void longTextsWidenTheirColumn();
    void vfoGridFollowsTable();
    void grownWindowShowsMoreRows();
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
    CloneDocument state;
    MemoryGrid grid(state);
    QCOMPARE(grid.model()->headerData(row, Qt::Vertical).toString(), label);
}

void tst_Grids::rowsNotInUseShowBlank()
{
    CloneDocument state;
    MemoryGrid grid(state);
    ChannelRow leftover;
    leftover.frequency = 7050000;
    leftover.name = QStringLiteral("OLDNAME");
    state.setChannel(205, leftover);
    ChannelRow net;
    net.inUse = true;
    net.name = QStringLiteral("NET");
    state.setChannel(206, net);
    QCOMPARE(grid.cellText(205, 9), QString());
    QCOMPARE(grid.cellText(205, 0), QString());
    QCOMPARE(grid.cellText(206, 9), QStringLiteral("NET"));

    net.inUse = false;
    state.setChannel(206, net);
    QCOMPARE(grid.cellText(206, 9), QString());
}

void tst_Grids::refreshAfterResetKeepsLabels()
{
    CloneDocument state;
    MemoryGrid grid(state);
    ChannelRow usb;
    usb.inUse = true;
    usb.mode = *ChannelRules::codeOf(ChannelColumn::Mode, QStringLiteral("USB"));
    for (int r : {0, 399, 603})
        state.setChannel(r, usb);
    QCOMPARE(grid.cellText(603, 1), QStringLiteral("USB"));
    state.setImage(CloneImage());
    for (int r = 0; r < CloneDocument::ChannelCount; ++r) {
        for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c) {
            if (!grid.cellText(r, c).isEmpty())
                QFAIL(qPrintable(QStringLiteral("cell %1, %2: %3").arg(r).arg(c).arg(grid.cellText(r, c))));
        }
        QCOMPARE(grid.model()->headerData(r, Qt::Vertical).toString(), ChannelLabel::gridLabel(r));
    }
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
    CloneDocument state;
    MemoryGrid grid(state);
    const int designed = grid.columnWidth(column);
    ChannelRow row;
    row.inUse = true;
    const auto put = [&row, column](const QString &shown) {
        if (column == 9)
            row.name = shown;
        else
            (column == 0 ? row.frequency : row.split) = QString(shown).remove(QLatin1Char('.')).toLongLong();
    };
    put(text);
    state.setChannel(50, row);
    const int needed = grid.sizeHintForIndex(grid.model()->index(50, column)).width();
    QVERIFY(grid.columnWidth(column) >= designed);
    QVERIFY2(grid.columnWidth(column) > needed, qPrintable(QString::number(grid.columnWidth(column))));
    // A short text leaves the width alone.
    const int widened = grid.columnWidth(column);
    put(QStringLiteral("1"));
    state.setChannel(51, row);
    QCOMPARE(grid.columnWidth(column), widened);
}

void tst_Grids::vfoGridFollowsTable()
{
    CloneDocument state;
    const VfoRow defaults = VfoCodec::defaultVfo(state.image().modelVariant);
    state.setVfo(0, defaults);
    state.setVfo(1, defaults);
    VfoGrid grid(state);
    QCOMPARE(grid.objectName(), QStringLiteral("MSFlexGrid2"));
    QCOMPARE(grid.cellText(1, 0), QStringLiteral("7.100.000"));
    QCOMPARE(grid.cellText(1, 1), QStringLiteral("LSB"));
    VfoRow b = defaults;
    b.mode = *ChannelRules::codeOf(ChannelColumn::Mode, QStringLiteral("AM"));
    state.setVfo(1, b);
    VfoRow a = defaults;
    a.noiseBlanker = *ChannelRules::codeOf(ChannelColumn::NoiseBlanker, QStringLiteral("On"));
    state.setVfo(0, a);
    QCOMPARE(grid.cellText(1, 1), QStringLiteral("AM"));
    QCOMPARE(grid.cellText(0, 7), QStringLiteral("On"));
    QCOMPARE(grid.cellText(0, 1), QStringLiteral("LSB"));
    QCOMPARE(grid.model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("NB"));
}

void tst_Grids::grownWindowShowsMoreRows()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, MainWindow::MemoryTab);
    MemoryGrid *grid = w.memoryGrid();
    const auto widths = [grid] {
        QList<int> list;
        for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c)
            list.append(grid->columnWidth(c));
        return list;
    };
    QCOMPARE(grid->visibleRows(), MemoryGrid::WindowRows);
    const int rowHeight = grid->rowHeight(0);
    const QSize opened = w.size();
    const QList<int> designed = widths();

    w.resize(1280, 900);
    QCOMPARE(grid->rowHeight(0), rowHeight);
    QCOMPARE(grid->visibleRows(), grid->viewport()->height() / rowHeight);
    QVERIFY(grid->visibleRows() > MemoryGrid::WindowRows);
    // Frequency and Name share the spare width; the others keep theirs.
    QList<int> grown = widths();
    QCOMPARE(std::accumulate(grown.begin(), grown.end(), 0), grid->viewport()->width());
    for (const int wide : {int(ChannelColumn::Frequency), int(ChannelColumn::Name)})
        grown[wide] = designed[wide] + (grown[wide] > designed[wide] ? 0 : 1);
    QCOMPARE(grown, designed);

    // Down keeps the current row at the bottom of the grown window once past it.
    const int window = grid->visibleRows();
    for (int row = 1; row <= window + 2; ++row) {
        QTest::mouseClick(f.button(QStringLiteral("Command4")), Qt::LeftButton);
        QCOMPARE(grid->topRow(), qMax(0, row - (window - 1)));
    }
    w.resize(opened);
    QCOMPARE(widths(), designed);
}

QTEST_MAIN(tst_Grids)
#include "tst_Grids.moc"
