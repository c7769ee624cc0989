// Editing in the main window: the memory grid's selection, "Up" and
// "Down", Clear and Clear All, the edit dialog opened by double-clicks and
// by Edit > Modify, the edits surviving a clone file, undo and redo, copy
// and paste, and the keys.

#include "codec/ChannelCodec.h"
#include "codec/ChannelLabel.h"
#include "codec/Frequency.h"
#include "MainWindowFixture.h"
#include "edit/FindBar.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/SettingsPage.h"
#include "SimProcess.h"
#include "StateSnapshot.h"
#include "codec/Vocabulary.h"
#include "files/CloneFile.h"
#include "edit/ChannelDialog.h"
#include "edit/VfoGrid.h"
#include "link/TransferEngine.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <tuple>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Shown::Kind;

namespace {

const QString ClearText =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to do the clear?");
const QString ClearAllText =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all memory?");
// Should a step inside the dialog go astray, its modal loop still ends.
constexpr int StuckDialogMs = 10000;

// The window on its memory page, loaded and shown.
MainWindow &memoryWindow(MainWindowFixture &f)
{
    MainWindow &w = f.load();
    selectTab(w, MainWindow::MemoryTab);
    return w;
}

// The middle of a cell, scrolled into view first.
QPoint cellPoint(QTableView *grid, int row, int column)
{
    const QModelIndex cell = grid->model()->index(row, column);
    grid->scrollTo(cell);
    return grid->visualRect(cell).center();
}

QPoint labelPoint(QTableView *grid, int row)
{
    grid->scrollTo(grid->model()->index(row, grid->columnAt(0)));
    QHeaderView *labels = grid->verticalHeader();
    return {labels->width() / 2, labels->sectionViewportPosition(row) + labels->sectionSize(row) / 2};
}

// A user's double-click on a row's cell or on its label: press, release,
// double-click, release.
void doubleClick(QTableView *grid, int row, bool onLabel = false)
{
    const QPoint at = onLabel ? labelPoint(grid, row) : cellPoint(grid, row, 2);
    QWidget *surface = onLabel ? grid->verticalHeader()->viewport() : grid->viewport();
    QTest::mouseClick(surface, Qt::LeftButton, {}, at);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, at);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
}

// The top row: the first row in view from its top edge on.
int firstWholeRow(const QTableView *grid)
{
    const int r = grid->rowAt(0);
    return grid->rowViewportPosition(r) < 0 ? r + 1 : r;
}

QList<int> selectedRows(const QTableView *grid)
{
    QList<int> rows;
    for (const QModelIndex &index : grid->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

// Every channel row in use, with a name that tells the rows apart.
void fillChannels(CloneDocument &state)
{
    ChannelRow row;
    row.inUse = true;
    row.frequency = 7050000;
    for (int r = 0; r < CloneDocument::ChannelCount; ++r) {
        row.name = QStringLiteral("CH%1").arg(r);
        state.setChannel(r, row);
    }
}

int currentRow(const QTableView *grid)
{
    return grid->currentIndex().row();
}

int currentColumn(const QTableView *grid)
{
    return grid->currentIndex().column();
}

// Runs `inside` once the dialog is up, inside its modal loop; the dialog
// is ended after StuckDialogMs should `inside` leave it open.
class WhileShown : public QObject
{
public:
    WhileShown(QDialog *dialog, std::function<void(QDialog &)> inside)
        : m_dialog(dialog), m_inside(std::move(inside))
    {
        dialog->installEventFilter(this);
        QTimer::singleShot(StuckDialogMs, this, [this] {
            if (m_dialog->isVisible())
                m_dialog->done(QDialog::Rejected);
        });
    }
    int shownCount() const { return m_shown; }
    bool wasModal() const { return m_modal; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show) {
            ++m_shown;
            QTimer::singleShot(0, this, [this] {
                m_modal = QApplication::activeModalWidget() == m_dialog;
                if (m_inside)
                    m_inside(*m_dialog);
            });
        }
        return false;
    }

private:
    QDialog *m_dialog;
    std::function<void(QDialog &)> m_inside;
    int m_shown = 0;
    bool m_modal = false;
};

template <class T>
T *control(QDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

void typeInto(QDialog &dialog, const char *name, const QString &text)
{
    auto *box = control<QLineEdit>(dialog, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void choose(QDialog &dialog, const char *name, int position)
{
    auto *list = control<QComboBox>(dialog, name);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < position; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

void press(QDialog &dialog, const char *button)
{
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

// Twenty rows as a radio would hold them, each column varied; rows 4 and
// 13 are empty.
QList<ChannelRow> variedRows()
{
    QList<ChannelRow> rows(20);
    for (int i = 0; i < 20; ++i) {
        ChannelRow row;
        for (int c = 1; c < 8; ++c) {
            const int count = int(Vocabulary::items(ChannelColumn(c)).size());
            row.setCode(ChannelColumn(c), Vocabulary::codeOfPosition(ChannelColumn(c), (i * (3 * c + 1)) % count));
        }
        row.frequency = 1800000 + i * 1234567;
        row.split = 1800000 + i * 1235567;
        row.skip = i % 3 == 0;
        row.name = QStringList{"NET80", "FT8-40", "", "A/B 1"}.at(i % 4);
        row.inUse = true;
        if (i % 9 != 4)
            ChannelCodec::decode(ChannelCodec::encode(row), rows[i]);
    }
    return rows;
}

void clickRow(MemoryGrid *grid, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cellPoint(grid, row, 2));
}

} // namespace

class tst_Editing : public QObject
{
    Q_OBJECT

private slots:
    void oneDialogLoadedHidden();
    void releaseSelectsEndRow_data();
    void releaseSelectsEndRow();
    void thirteenRowsInView();
    void upDown_data();
    void upDown();
    void clear_data();
    void clear();
    void insertDeleteDoNothing();
    void doubleClickEdits_data();
    void doubleClickEdits();
    void modifyFollowsTab_data();
    void modifyFollowsTab();
    void editsSurviveCloneFile();
    void splitFollowsTheFrequency_data();
    void splitFollowsTheFrequency();
    void nothingWhileTransferRuns();
    void undoRedo_data();
    void undoRedo();
    void undoFollowsSavedState();
    void copyPasteRoundTrip();
    void pasteSpreadsheetText();
    void keys_data();
    void keys();
    void moveRows_data();
    void moveRows();
    void goToAndRedoKeys();
    void sortBankByFrequency();
    void setModeForSelected();
    void findAndUsedOnly();
    void vfoMoveAndSet();
    void dragRowsByLabels_data();
    void dragRowsByLabels();
};

void tst_Editing::oneDialogLoadedHidden()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    ChannelDialog *loaded = w.editDialog();  // as start-up does after the splash
    const QList<ChannelDialog *> dialogs = w.findChildren<ChannelDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first(), loaded);
    QCOMPARE(w.editDialog(), loaded);
    QVERIFY(!dialogs.first()->isVisible());
    QCOMPARE(f.state.hasUnsavedChanges(), false);
}

void tst_Editing::releaseSelectsEndRow_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("onLabels");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("scrolledRight"); // columns wider than the grid, scrolled

    // Table rows: row r is labelled r in the first bank.
    QTest::newRow("drag 5 to 9 (rows 4 to 8)") << 4 << 8 << 3 << false << Qt::LeftButton << false;
    QTest::newRow("drag upwards") << 8 << 4 << 0 << false << Qt::LeftButton << false;
    QTest::newRow("click in a later column") << 7 << 7 << 6 << false << Qt::LeftButton << false;
    QTest::newRow("right button drag") << 2 << 6 << 10 << false << Qt::RightButton << false;
    QTest::newRow("drag over the labels") << 3 << 6 << 0 << true << Qt::LeftButton << false;
    QTest::newRow("click a label of bank B") << 603 << 603 << 0 << true << Qt::LeftButton << false;
    QTest::newRow("label, columns scrolled") << 20 << 20 << 0 << true << Qt::LeftButton << true;
}

void tst_Editing::releaseSelectsEndRow()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, column);
    QFETCH(bool, onLabels);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, scrolledRight);

    MainWindowFixture f;
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    if (scrolledRight) {
        // A small window scrolls the page, not the grid: a wide column does.
        grid->setColumnWidth(int(ChannelColumn::Name), grid->viewport()->width());
        QTRY_VERIFY(grid->horizontalScrollBar()->maximum() > 0);
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        QVERIFY(grid->columnAt(0) > 0);
    }
    QWidget *surface = onLabels ? grid->verticalHeader()->viewport() : grid->viewport();
    const auto at = [&](int row) { return onLabels ? labelPoint(grid, row) : cellPoint(grid, row, column); };

    const QPoint start = at(from);
    const QPoint end = at(to);
    QTest::mousePress(surface, button, {}, start);
    QTest::mouseMove(surface, end);
    QTest::mouseRelease(surface, button, {}, end);

    QCOMPARE(selectedRows(grid), QList<int>{to});
    QCOMPARE(grid->selectionModel()->selectedIndexes().size(), Vocabulary::ChannelGridColumns);
    QCOMPARE(currentRow(grid), to);
    QCOMPARE(currentColumn(grid), 0);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
}

void tst_Editing::thirteenRowsInView()
{
    MainWindowFixture f;
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    QCOMPARE(grid->visibleRows(), MemoryGrid::WindowRows);
    // The last row can be brought to the bottom of a 13-row window.
    grid->scrollToBottom();
    QCOMPARE(firstWholeRow(grid), CloneDocument::ChannelCount - MemoryGrid::WindowRows);
    const int lastRowBottom = grid->rowViewportPosition(CloneDocument::ChannelCount - 1) + grid->rowHeight(0);
    QVERIFY(lastRowBottom <= grid->viewport()->height());
    // The rows keep room for their text in a low window.
    w.resize(w.width(), w.height() / 2);
    QTRY_VERIFY(grid->rowHeight(0) >= grid->fontMetrics().height());
}

void tst_Editing::upDown_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");      // current table row before
    QTest::addColumn<int>("top");      // top row before
    QTest::addColumn<int>("newRow");
    QTest::addColumn<int>("newTop");

    // Table row r is grid row r + 1; the window holds 13 rows.
    QTest::newRow("Up on grid row 1") << "Command5" << 0 << 0 << 0 << 0;
    QTest::newRow("Up on grid row 300") << "Command5" << 299 << 290 << 298 << 290;
    QTest::newRow("Up above the window") << "Command5" << 100 << 150 << 99 << 99;
    QTest::newRow("Up onto the top row") << "Command5" << 151 << 150 << 150 << 150;
    QTest::newRow("Up, 13th row of the window") << "Command5" << 113 << 100 << 112 << 100;
    QTest::newRow("Up, just below the window") << "Command5" << 114 << 100 << 113 << 101;
    QTest::newRow("Up far below the window") << "Command5" << 300 << 100 << 299 << 287;
    QTest::newRow("Up from bank B's last row") << "Command5" << 603 << 591 << 602 << 591;
    QTest::newRow("Down inside bank one") << "Command4" << 10 << 0 << 11 << 0;
    QTest::newRow("Down onto the window's last row") << "Command4" << 11 << 0 << 12 << 0;
    QTest::newRow("Down just past the window") << "Command4" << 12 << 0 << 13 << 1;
    QTest::newRow("Down far below the window") << "Command4" << 50 << 0 << 51 << 39;
    QTest::newRow("Down above the window") << "Command4" << 20 << 100 << 21 << 21;
    QTest::newRow("Down on grid row 200") << "Command4" << 199 << 190 << 199 << 190;
    QTest::newRow("Down on grid row 200 out of view") << "Command4" << 199 << 0 << 199 << 187;
    QTest::newRow("Down on grid row 300") << "Command4" << 299 << 290 << 299 << 290;
    QTest::newRow("Down on grid row 300 above the window") << "Command4" << 299 << 400 << 299 << 299;
    QTest::newRow("Down on the last row, in view") << "Command4" << 603 << 591 << 603 << 591;
    QTest::newRow("Down on the last row, out of view") << "Command4" << 603 << 300 << 603 << 591;
}

void tst_Editing::upDown()
{
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(int, top);
    QFETCH(int, newRow);
    QFETCH(int, newTop);

    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPoint(grid, row, 5));
    grid->verticalScrollBar()->setValue(top);
    QCOMPARE(firstWholeRow(grid), top);
    f.state.markSaved();
    const QString before = stateSnapshot(f.state);

    QTest::mouseClick(f.button(button), Qt::LeftButton);

    QCOMPARE(currentRow(grid), newRow);
    QCOMPARE(currentColumn(grid), 0);
    QCOMPARE(selectedRows(grid), QList<int>{newRow});
    QCOMPARE(grid->selectionModel()->selectedIndexes().size(), Vocabulary::ChannelGridColumns);
    QCOMPARE(firstWholeRow(grid), newTop);
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QVERIFY(f.prompter.shown.isEmpty());
}

void tst_Editing::clear_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row"); // current row
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("cleared");
    QTest::addColumn<QKeySequence>("key"); // pressed on the grid after the click

    const QList<int> all = [] {
        QList<int> rows;
        for (int r = 0; r < CloneDocument::ChannelCount; ++r)
            rows.append(r);
        return rows;
    }();
    const QKeySequence none;
    QTest::newRow("Clear B-P2") << "cmbClear" << 603 << int(Answer::Ok) << ClearText << QList<int>{603} << none;
    QTest::newRow("Clear A-P1") << "cmbClear" << 400 << int(Answer::Ok) << ClearText << QList<int>{400} << none;
    QTest::newRow("Clear row 0") << "cmbClear" << 0 << int(Answer::Ok) << ClearText << QList<int>{0} << none;
    QTest::newRow("Clear cancelled") << "cmbClear" << 603 << int(Answer::Cancel) << ClearText << QList<int>{} << none;
    QTest::newRow("Clear All") << "cmbClAll" << 5 << int(Answer::Ok) << ClearAllText << all << none;
    QTest::newRow("Clear All cancelled") << "cmbClAll" << 5 << int(Answer::Cancel) << ClearAllText
                                         << QList<int>{} << none;
    // Keys that select all rows, or move away from the selection.
    QTest::newRow("Clear after Ctrl+A")
        << "cmbClear" << 5 << int(Answer::Ok)
        << QStringLiteral("Edit > Undo gives them back.\r\nAre you sure that you want to clear these 604 channels: "
                          "0\u2013199, A0\u2013A199, A-P1, A-P2, B0\u2013B199, B-P1, B-P2?")
        << all << QKeySequence(QKeySequence::SelectAll);
    QTest::newRow("Clear after Ctrl+End") << "cmbClear" << 5 << int(Answer::Ok) << ClearText << QList<int>{603}
                                          << QKeySequence(Qt::CTRL | Qt::Key_End);
}

void tst_Editing::clear()
{
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(QList<int>, cleared);
    QFETCH(QKeySequence, key);

    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPoint(grid, row, 2));
    if (!key.isEmpty())
        QTest::keySequence(grid, key);
    const int top = firstWholeRow(grid);
    const int current = currentRow(grid);
    const QList<int> selected = selectedRows(grid);
    f.state.markSaved();
    const CloneImage before = f.state.image();
    const QStringList vfoRow = gridRow(w.vfoGrid(), 1);

    f.prompter.answers.enqueue(Answer(answer));
    QTest::mouseClick(f.button(button), Qt::LeftButton);

    QCOMPARE(f.prompter.shown.size(), 1);
    const auto &asked = f.prompter.shown.first();
    QCOMPARE(asked.kind, Kind::OkCancel);
    QCOMPARE(asked.title, QStringLiteral("CLEAR OK"));
    QCOMPARE(asked.text, text);
    QCOMPARE(asked.icon, Prompter::Icon::Exclamation);
    QCOMPARE(asked.defaultButton, Answer::Cancel);

    QCOMPARE(f.state.hasUnsavedChanges(), !cleared.isEmpty());
    for (int r = 0; r < CloneDocument::ChannelCount; ++r) {
        const bool gone = cleared.contains(r);
        const ChannelRow &now = f.state.channel(r);
        if (now.inUse == gone)
            QFAIL(qPrintable(QStringLiteral("row %1 in use: %2").arg(r).arg(!gone)));
        const QString name = gone ? QString() : before.channels.at(r).text(ChannelColumn::Name);
        if (now.text(ChannelColumn::Name) != name || f.memoryCell(r, 9) != name || f.memoryCell(r, 0) != (gone ? QString() : QStringLiteral("7.050.000")))
            QFAIL(qPrintable(QStringLiteral("row %1").arg(r)));
        if (gone && (now.value(ChannelColumn::Frequency) != 0 || !now.text(ChannelColumn::Frequency).isEmpty()))
            QFAIL(qPrintable(QStringLiteral("row %1 not emptied").arg(r)));
        if (grid->model()->headerData(r, Qt::Vertical).toString() != ChannelLabel::gridLabel(r))
            QFAIL(qPrintable(QStringLiteral("label of row %1").arg(r)));
    }
    // The VFOs and the settings stay; so do the current row and the view.
    QCOMPARE(f.state.vfo(0), before.vfos[0]);
    QCOMPARE(f.state.vfo(1), before.vfos[1]);
    QCOMPARE(f.state.image().settingsLine1, before.settingsLine1);
    QCOMPARE(f.state.image().selections, before.selections);
    QCOMPARE(gridRow(w.vfoGrid(), 1), vfoRow);
    QCOMPARE(currentRow(grid), current);
    QCOMPARE(selectedRows(grid), selected);
    QCOMPARE(firstWholeRow(grid), top);
}

void tst_Editing::insertDeleteDoNothing()
{
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    QTest::mouseClick(w.memoryGrid()->viewport(), Qt::LeftButton, {}, cellPoint(w.memoryGrid(), 3, 0));
    f.state.markSaved();
    const QString before = stateSnapshot(f.state);
    for (const char *name : {"cmbInsert", "cmbDelete"}) {
        QPushButton *b = f.button(QLatin1String(name));
        QVERIFY(b->isVisible());
        QVERIFY(!b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(f.memoryCell(3, 9), QStringLiteral("CH3"));
    QCOMPARE(f.memoryCell(4, 9), QStringLiteral("CH4"));
    QVERIFY(f.prompter.shown.isEmpty());
}

void tst_Editing::doubleClickEdits_data()
{
    QTest::addColumn<bool>("vfo");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<bool>("refused"); // 31 MHz typed instead of 21 MHz

    QTest::newRow("channel 5") << false << 5 << "Memory" << "5CH" << false << false;
    QTest::newRow("bank A row 12") << false << 212 << "Memory A" << "12CH" << false << false;
    QTest::newRow("B-P2") << false << 603 << "Memory B" << "P2" << false << false;
    QTest::newRow("label A-P1") << false << 400 << "Memory A" << "P1" << true << false;
    QTest::newRow("VFO A") << true << 0 << "VFO A" << "" << false << false;
    QTest::newRow("VFO B") << true << 1 << "VFO B" << "" << false << false;
    QTest::newRow("label VFO B") << true << 1 << "VFO B" << "" << true << false;
    QTest::newRow("channel 5, refused") << false << 5 << "Memory" << "5CH" << false << true;
    QTest::newRow("VFO B, refused") << true << 1 << "VFO B" << "" << false << true;
}

void tst_Editing::doubleClickEdits()
{
    QFETCH(bool, vfo);
    QFETCH(int, row);
    QFETCH(QString, heading);
    QFETCH(QString, channel);
    QFETCH(bool, onLabel);
    QFETCH(bool, refused);

    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, vfo ? MainWindow::SettingsTab : MainWindow::MemoryTab);
    QTableView *grid = vfo ? static_cast<QTableView *>(w.vfoGrid()) : w.memoryGrid();
    const int other = row == 0 ? 1 : row - 1;
    const QStringList otherRow = gridRow(grid, other);
    const QStringList editedRowBefore = gridRow(grid, row);
    const QString imageBefore = imageSnapshot(f.state.image());
    const QString caption = w.windowTitle();

    QString shownHeading;
    QString shownChannel;
    bool splitVisible = !vfo;
    bool stayedOpen = false;
    WhileShown visit(w.editDialog(), [&](QDialog &d) {
        shownHeading = control<QLabel>(d, "lblMode")->text();
        shownChannel = control<QLabel>(d, "lblCH")->isVisible() ? control<QLabel>(d, "lblCH")->text() : QString();
        splitVisible = control<QLineEdit>(d, "txtSP1")->isVisible();
        typeInto(d, "txtFreq", refused ? QStringLiteral("31") : QStringLiteral("21"));
        typeInto(d, "txtFreq2", QStringLiteral("345"));
        typeInto(d, "txtFreq3", QStringLiteral("670"));
        choose(d, "cmbMode", 4);
        if (!vfo)
            typeInto(d, "txtName", QStringLiteral("WWWWWWWW"));
        press(d, "OKButton");
        // A refused frequency leaves the dialog open for a correction.
        stayedOpen = d.isVisible();
        if (stayedOpen)
            press(d, "CancelButton");
    });
    doubleClick(grid, row, onLabel);

    QCOMPARE(visit.shownCount(), 1);
    QVERIFY(visit.wasModal());
    QVERIFY(!w.editDialog()->isVisible());
    QCOMPARE(stayedOpen, refused);
    QCOMPARE(shownHeading, heading);
    QCOMPARE(shownChannel, channel);
    QCOMPARE(splitVisible, !vfo);
    QCOMPARE(gridRow(grid, other), otherRow);
    // Every OK press counts as a change, also a refused one.
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(w.windowTitle(), caption);
    if (refused) {
        QCOMPARE(f.prompter.messages(),
                 QStringList{QStringLiteral("The frequency is outside the range. \r\n\t(1.6MHz - 30MHz)")});
        QCOMPARE(gridRow(grid, row), editedRowBefore);
        QCOMPARE(imageSnapshot(f.state.image()), imageBefore);
        return;
    }
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(gridRow(grid, row).at(0), QStringLiteral("21.345.670"));
    QCOMPARE(gridRow(grid, row).at(1), QStringLiteral("AM"));
    if (vfo) {
        QCOMPARE(f.state.vfo(row).value(ChannelColumn::Frequency), 21345670.0);
        QCOMPARE(f.state.vfo(row).text(ChannelColumn::Mode), QStringLiteral("AM"));
    } else {
        QVERIFY(f.state.channel(row).inUse);
        QCOMPARE(f.state.channel(row).value(ChannelColumn::Frequency), 21345670.0);
        QCOMPARE(f.state.channel(row).text(ChannelColumn::Mode), QStringLiteral("AM"));
        // The name column has grown to show the whole name.
        QCOMPARE(gridRow(grid, row).at(9), QStringLiteral("WWWWWWWW"));
        QVERIFY(grid->columnWidth(9) >= grid->sizeHintForIndex(grid->model()->index(row, 9)).width());
    }
}

void tst_Editing::modifyFollowsTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row"); // clicked beforehand; -1 for none
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("editRow");
    QTest::addColumn<QString>("heading");

    QTest::newRow("settings tab, VFO B") << int(MainWindow::SettingsTab) << 1 << int(ChannelDialog::EditSource::Vfo)
                                         << 1 << "VFO B";
    QTest::newRow("settings tab, nothing clicked") << int(MainWindow::SettingsTab) << -1
                                                   << int(ChannelDialog::EditSource::Vfo) << 0 << "VFO A";
    QTest::newRow("memory tab, A-P2") << int(MainWindow::MemoryTab) << 401 << int(ChannelDialog::EditSource::Memory)
                                      << 401 << "Memory A";
    QTest::newRow("memory tab, nothing clicked") << int(MainWindow::MemoryTab) << -1
                                                 << int(ChannelDialog::EditSource::Memory) << 0 << "Memory";
}

void tst_Editing::modifyFollowsTab()
{
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, source);
    QFETCH(int, editRow);
    QFETCH(QString, heading);

    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, tab);
    QTableView *grid = tab == MainWindow::SettingsTab ? static_cast<QTableView *>(w.vfoGrid()) : w.memoryGrid();
    if (row >= 0)
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPoint(grid, row, 1));
    const QString before = stateSnapshot(f.state);

    QString shownHeading;
    WhileShown visit(w.editDialog(), [&](QDialog &d) {
        shownHeading = control<QLabel>(d, "lblMode")->text();
        typeInto(d, "txtFreq", QStringLiteral("9"));
        press(d, "CancelButton");
    });
    f.action(QStringLiteral("mnuEditUndo"))->trigger();

    QCOMPARE(visit.shownCount(), 1);
    QVERIFY(visit.wasModal());
    QCOMPARE(int(w.editDialog()->editSource()), source);
    QCOMPARE(w.editDialog()->editRow(), editRow);
    QCOMPARE(shownHeading, heading);
    // Cancel stores nothing.
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
}

void tst_Editing::editsSurviveCloneFile()
{
    MainWindowFixture f;
    MainWindow &w = memoryWindow(f);
    const QString path = f.path(QStringLiteral("edited.R70"));
    constexpr int row = 212;

    {
        WhileShown visit(w.editDialog(), [&](QDialog &d) {
            typeInto(d, "txtFreq", QStringLiteral("14"));
            typeInto(d, "txtFreq2", QStringLiteral("195"));
            typeInto(d, "txtFreq3", QStringLiteral("500"));
            typeInto(d, "txtSP1", QStringLiteral("14"));
            typeInto(d, "txtSP2", QStringLiteral("200"));
            typeInto(d, "txtSP3", QStringLiteral("000"));
            typeInto(d, "txtName", QStringLiteral("cq dx"));
            choose(d, "cmbMode", 5);
            choose(d, "cmbGain", 3);
            choose(d, "cmbAGC", 0);
            choose(d, "cmbPower", 2);
            choose(d, "cmbFilter", 1);
            choose(d, "cmbTone", 9);
            choose(d, "cmbNB", 1);
            auto *skip = control<QCheckBox>(d, "chkSkip");
            if (!skip->isChecked())
                QTest::keyClick(skip, Qt::Key_Space);
            press(d, "OKButton");
        });
        doubleClick(w.memoryGrid(), row);
        QCOMPARE(visit.shownCount(), 1);
    }
    selectTab(w, MainWindow::SettingsTab);
    {
        WhileShown visit(w.editDialog(), [&](QDialog &d) {
            typeInto(d, "txtFreq", QStringLiteral("21"));
            typeInto(d, "txtFreq2", QStringLiteral("074"));
            typeInto(d, "txtFreq3", QStringLiteral("000"));
            choose(d, "cmbMode", 0);
            press(d, "OKButton");
        });
        doubleClick(w.vfoGrid(), 1);
        QCOMPARE(visit.shownCount(), 1);
    }
    QCOMPARE(f.state.channel(row).text(ChannelColumn::Name), QStringLiteral("CQ DX"));
    const ChannelRow edited = f.state.channel(row);
    const VfoRow editedVfo = f.state.vfo(1);
    const QStringList shownRow = gridRow(w.memoryGrid(), row);

    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    f.action(QStringLiteral("mnuFileNew"))->trigger();
    QCOMPARE(f.memoryCell(row, 0), QString());
    QVERIFY(!f.state.channel(row).inUse);
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(f.prompter.messages(), QStringList());

    const ChannelRow &loaded = f.state.channel(row);
    QVERIFY(loaded.inUse);
    QCOMPARE(loaded, edited);
    QCOMPARE(gridRow(w.memoryGrid(), row), shownRow);
    QCOMPARE(f.state.vfo(1).texts(), editedVfo.texts());
    QCOMPARE(f.vfoCell(1, 0), QStringLiteral("21.074.000"));
}

void tst_Editing::splitFollowsTheFrequency_data()
{
    // The channel in slot 5 ("frequency/split" in Hz, empty for none), a
    // split typed before the frequency, and the split stored.
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QStringList>("typedSplit");
    QTest::addColumn<QString>("split");
    QTest::newRow("new channel") << "" << QStringList{} << "14.074.000";
    QTest::newRow("split on the frequency") << "14230000/14230000" << QStringList{} << "14.074.000";
    QTest::newRow("no split") << "14230000/0" << QStringList{} << "14.074.000";
    QTest::newRow("a split of its own") << "14230000/14330000" << QStringList{} << "14.330.000";
    QTest::newRow("a typed split stays") << "" << QStringList{"7", "050", "000"} << "7.050.000";
}

void tst_Editing::splitFollowsTheFrequency()
{
    // By keys: Enter on slot 5, a new frequency typed over the selected
    // one, Enter for OK; then File > Save As.
    QFETCH(QString, channel);
    QFETCH(QStringList, typedSplit);
    QFETCH(QString, split);
    MainWindowFixture f;
    if (!channel.isEmpty()) {
        ChannelRow row = variedRows().at(0);
        row.frequency = channel.section('/', 0, 0).toLongLong();
        row.split = channel.section('/', 1, 1).toLongLong();
        ChannelCodec::decode(ChannelCodec::encode(row), row);
        f.state.setChannel(5, row);
    }
    MainWindow &w = memoryWindow(f);
    clickRow(w.memoryGrid(), 5);
    WhileShown visit(w.editDialog(), [&](QDialog &d) {
        if (!typedSplit.isEmpty()) {
            typeInto(d, "txtSP1", typedSplit.at(0));
            typeInto(d, "txtSP2", typedSplit.at(1));
            typeInto(d, "txtSP3", typedSplit.at(2));
        }
        typeInto(d, "txtFreq", QStringLiteral("14"));
        typeInto(d, "txtFreq2", QStringLiteral("074"));
        typeInto(d, "txtFreq3", QStringLiteral("000"));
        QTest::keyClick(control<QLineEdit>(d, "txtFreq3"), Qt::Key_Return);
    });
    QTest::keyClick(w.memoryGrid(), Qt::Key_Return);
    QCOMPARE(visit.shownCount(), 1);
    const QString saved = f.path(QStringLiteral("split.R70"));
    f.prompter.fileNames.enqueue(saved);
    f.action(QStringLiteral("mnuFileSaveAs"))->trigger();

    CloneImage image;
    QVERIFY(CloneFile::load(saved, image).ok());
    QCOMPARE(image.channels.at(5).text(ChannelColumn::Frequency), QStringLiteral("14.074.000"));
    QCOMPARE(image.channels.at(5).text(ChannelColumn::Split), split);
}

void tst_Editing::nothingWhileTransferRuns()
{
    MainWindowFixture f;
    SimProcess radio;
    QVERIFY2(radio.start({}), "the virtual radio did not start");
    MainWindowFixture::useDevice(radio.devicePath());
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPoint(grid, 2, 0));

    WhileShown visit(w.editDialog(), [](QDialog &d) { d.reject(); });
    bool tried = false;
    QString during;
    QObject::connect(&w.session(), &RadioSession::slotChanged, &w, [&](int slot) {
        if (slot != 10 || tried)
            return;
        tried = true;
        QTimer::singleShot(0, &w, [&] {
            f.prompter.answers.append({Answer::Ok, Answer::Ok});
            f.prompter.fileNames.append({f.path(QStringLiteral("a.csv")), f.path(QStringLiteral("b.csv"))});
            doubleClick(grid, 2);
            for (const char *entry : {"mnuEditUndo", "mnuImport", "mnuExport"})
                f.action(QLatin1String(entry))->trigger();
            for (const char *button : {"cmbClear", "cmbClAll"})
                QTest::mouseClick(f.button(QLatin1String(button)), Qt::LeftButton);
            during = stateSnapshot(f.state);
        });
    });
    QTest::mouseClick(f.button(QStringLiteral("cmbRxData")), Qt::LeftButton);
    QVERIFY(f.waitForTransfer());

    QVERIFY(tried);
    QVERIFY(!during.isEmpty());
    QCOMPARE(visit.shownCount(), 0);
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(f.prompter.fileNames.size(), 2);
    QVERIFY(!QFile::exists(f.path(QStringLiteral("b.csv"))));
    // Afterwards the same ways in work again.
    f.action(QStringLiteral("mnuEditUndo"))->trigger();
    QCOMPARE(visit.shownCount(), 1);
}

void tst_Editing::undoRedo_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("channel edit") << "Edit channel A-P1";
    QTest::newRow("VFO edit") << "Edit VFO B";
    QTest::newRow("Clear of two rows") << "Clear 2 channels";
    QTest::newRow("Clear All") << "Clear All";
    QTest::newRow("settings list") << "Scan Time: 2S \u2192 5S";
    QTest::newRow("model option") << "Model: QT-R70E \u2192 QT-R70T";
    QTest::newRow("CSV import") << "Import channels.csv";
    QTest::newRow("cut") << "Cut channel 7";
    QTest::newRow("paste") << "Paste 1 channel at 7";
    QTest::newRow("read from the radio") << "Read Memory from the radio";
}

void tst_Editing::undoRedo()
{
    QFETCH(QString, step);
    MainWindowFixture f;
    SimProcess radio;
    if (step.startsWith(QLatin1String("Read"))) {
        QVERIFY(radio.start({}));
        MainWindowFixture::useDevice(radio.devicePath());
    }
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    QAction *undo = f.action(QStringLiteral("mnuUndo"));
    QAction *redo = f.action(QStringLiteral("mnuRedo"));
    f.list(QStringLiteral("cmbScanType"))->setCurrentIndex(3);  // "  2S"
    f.state.startHistory();
    f.state.markSaved();
    QVERIFY(!undo->isEnabled());
    const QString before = stateSnapshot(f.state);
    const QString imageBefore = imageSnapshot(f.state.image());
    const QStringList gridBefore = gridRow(grid, 7);

    WhileShown visit(w.editDialog(), [](QDialog &d) {
        for (const char *box : {"txtFreq", "txtSP1"}) {
            if (control<QLineEdit>(d, box)->isVisible())
                typeInto(d, box, QStringLiteral("21"));
        }
        press(d, "OKButton");
    });
    QFile csv(f.path(QStringLiteral("channels.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write("QT-R70,MEMORY,5,7.100.000,LSB,0,Fast,High,Wide,Off,Off,7.100.000,CSV,,,,,Off"));
    csv.close();
    QGuiApplication::clipboard()->setText(QStringLiteral("7100000\tAM\t0\tFast\tHigh\tWide\tOff\tOff\t7100000"));
    const QString kind = QTest::currentDataTag();
    if (kind.startsWith(QLatin1String("channel"))) {
        clickRow(grid, 400);
        QTest::keyClick(grid, Qt::Key_Return);
    } else if (kind.startsWith(QLatin1String("VFO"))) {
        selectTab(w, MainWindow::SettingsTab);
        doubleClick(w.vfoGrid(), 1);
    } else if (kind.startsWith(QLatin1String("Clear"))) {
        clickRow(grid, 3);
        clickRow(grid, 9, Qt::ControlModifier);
        f.prompter.answers.enqueue(Answer::Ok);
        if (kind == QLatin1String("Clear All"))
            QTest::mouseClick(f.button(QStringLiteral("cmbClAll")), Qt::LeftButton);
        else
            QTest::keyClick(grid, Qt::Key_Delete);
    } else if (kind.startsWith(QLatin1String("settings"))) {
        f.list(QStringLiteral("cmbScanType"))->setCurrentIndex(5);
    } else if (kind.startsWith(QLatin1String("model"))) {
        selectTab(w, MainWindow::SettingsTab);
        QTest::mouseClick(w.settingsPage()->modelOption(Vocabulary::ModelT), Qt::LeftButton);
    } else if (kind.startsWith(QLatin1String("CSV"))) {
        f.prompter.fileNames.enqueue(csv.fileName());
        f.action(QStringLiteral("mnuImport"))->trigger();
    } else if (kind == QLatin1String("cut") || kind == QLatin1String("paste")) {
        clickRow(grid, 7);
        QTest::keyClick(grid, kind == QLatin1String("cut") ? Qt::Key_X : Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::mouseClick(f.button(QStringLiteral("cmbRxData")), Qt::LeftButton);
        QVERIFY(f.waitForTransfer());
    }
    const QString after = imageSnapshot(f.state.image());
    QVERIFY(after != imageBefore);
    QCOMPARE(undo->text(), QStringLiteral("Undo(&U): ") + step);
    QVERIFY(!redo->isEnabled());

    // Ctrl+Z goes back to the state the window was in: unchanged again.
    // (Offscreen, the edit dialog stays the active window once hidden.)
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(gridRow(grid, 7), gridBefore);
    QCOMPARE(redo->text(), QStringLiteral("Redo(&R): ") + step);
    QTest::keySequence(&w, QKeySequence::Redo);
    QCOMPARE(imageSnapshot(f.state.image()), after);
    // A read from the radio is no edit, done or redone.
    QCOMPARE(f.state.hasUnsavedChanges(), !step.startsWith(QLatin1String("Read")));
}

void tst_Editing::undoFollowsSavedState()
{
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    const auto cut = [&](int row) {
        clickRow(w.memoryGrid(), row);
        QTest::keyClick(w.memoryGrid(), Qt::Key_X, Qt::ControlModifier);
    };
    cut(1);
    f.prompter.fileNames.append({f.path(QStringLiteral("saved.R70")), f.path(QStringLiteral("saved.R70"))});
    f.action(QStringLiteral("mnuFileSave"))->trigger();
    cut(2);
    QList<bool> changed;
    for (const char *entry : {"mnuUndo", "mnuUndo", "mnuRedo"}) {
        f.action(QLatin1String(entry))->trigger();
        changed.append(f.state.hasUnsavedChanges());
    }
    // Back at the saved state, before it, at it again.
    QCOMPARE(changed, (QList<bool>{false, true, false}));
    // Opening a file starts a fresh history.
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    QVERIFY(!f.action(QStringLiteral("mnuUndo"))->isEnabled() && !f.action(QStringLiteral("mnuRedo"))->isEnabled());
}

void tst_Editing::copyPasteRoundTrip()
{
    MainWindowFixture f;
    const QList<ChannelRow> rows = variedRows();
    QCOMPARE(std::count_if(rows.begin(), rows.end(), [](const ChannelRow &r) { return r.inUse; }), 18);
    for (int i = 0; i < rows.size(); ++i)
        f.state.setChannel(i, rows.at(i));
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();

    // Rows 0-19 selected with Shift and the arrow keys, copied with Ctrl+C.
    clickRow(grid, 0);
    for (int i = 0; i < 19; ++i)
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(copied.first(), QStringLiteral("Channel\tFrequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tName\tSkip"));
    QCOMPARE(copied.at(1), (QStringList{QStringLiteral("0")} + gridRow(grid, 0)).join(QLatin1Char('\t')));

    // Without its header line the label column is known by the count.
    QGuiApplication::clipboard()->setText(copied.mid(1).join(QStringLiteral("\r\n")));
    clickRow(grid, 300);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(gridRow(grid, 300 + i), gridRow(grid, i));
        QCOMPARE(ChannelCodec::encode(f.state.channel(300 + i)), ChannelCodec::encode(rows.at(i)));
        QCOMPARE(f.state.channel(300 + i).inUse, rows.at(i).inUse);
    }
    QCOMPARE(grid->selectedDataRows().size(), 20);
    QVERIFY(f.prompter.shown.isEmpty());
}

void tst_Editing::pasteSpreadsheetText()
{
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    const ChannelRow untouched = f.state.channel(11);
    // As a spreadsheet gives it: its own column order, lower case, a quoted
    // cell, a gain of 10, a tone without its unit, a mode that does not exist.
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Name\tFrequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tSkip\n"
                       "ft8\t7.074.000\tUSB\t0\tFast\tHigh\tWide\tOff\tOff\t7074000\t\n"
                       "bad\t14074000\tUSBX\x01\t0\tFast\tHigh\tWide\tOff\tOff\t14074000\t\n"
                       "\"rpt\"\t29.620.000\tFM\t10\tSlow\tLow\tNarrow\t88.5\tOn\t29520000\tSkip\n"
                       "far\t99.000.000\tUSB\t0\tFast\tHigh\tWide\tOff\tOff\t99.000.000\t\n"
                       "low\t14.074.000\tUSB\t0\tFast\tHigh\tWide\t100\tOff\t0.150.000\t\n"));
    // The radio's range holds for pasted rows as for the edit dialog.
    const QString problem = QStringLiteral(" pasted; these rows were left as they were:\r\n\r\nLine 3: Mode \"USBX\\x01\" is not understood"
                                           "\r\nLine 5: Frequency 99.000.000 is outside the range (1.6MHz - 30MHz)"
                                           "\r\nLine 6: Split Frequency 0.150.000 is outside the range (1.6MHz - 30MHz)");
    const ChannelRow belowPaste = f.state.channel(13);
    clickRow(w.memoryGrid(), 10);
    f.action(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(gridRow(w.memoryGrid(), 10), QStringList({"7.074.000", "USB", "0", "Fast", "High", "Wide", "Off", "Off", "7.074.000", "FT8", ""}));
    QCOMPARE(f.state.channel(11), untouched);
    QCOMPARE(gridRow(w.memoryGrid(), 12), QStringList({"29.620.000", "FM", "+10", "Slow", "Low", "Narrow", "88.5Hz", "On", "29.520.000", "RPT", "Skip"}));
    QCOMPARE(f.state.channel(13), belowPaste);
    QCOMPARE(f.prompter.messages(), QStringList{QStringLiteral("2 of 5 rows") + problem});

    // Near the end, what does not fit is said, not stored elsewhere.
    clickRow(w.memoryGrid(), 602);
    f.action(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(f.prompter.messages().last(), QStringLiteral("1 of 5 rows") + problem + "\r\n3 rows did not fit below B-P2");

    // Beyond 16 MB nothing is pasted: no part of it, no wrong row count.
    const QString before = stateSnapshot(f.state);
    QGuiApplication::clipboard()->setText(QStringLiteral("ft8\t7.074.000\tUSB\n").repeated(1000000));
    clickRow(w.memoryGrid(), 10);
    f.action(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(f.prompter.messages().last(), QStringLiteral("Data Error"));
    QCOMPARE(f.prompter.shown.last().reason, QStringLiteral("the clipboard holds more than 16 MB, more than any channel list"));
    QCOMPARE(stateSnapshot(f.state), before);
}

void tst_Editing::keys_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("outcome");
    const int memory = MainWindow::MemoryTab, settings = MainWindow::SettingsTab;
    QTest::newRow("Enter on a channel") << memory << QKeySequence(Qt::Key_Return) << "edit dialog";
    QTest::newRow("F2 on a channel") << memory << QKeySequence(Qt::Key_F2) << "edit dialog";
    QTest::newRow("Enter on a VFO") << settings << QKeySequence(Qt::Key_Enter) << "edit dialog";
    QTest::newRow("Delete") << memory << QKeySequence(Qt::Key_Delete) << "clear asked";
    QTest::newRow("Open") << memory << QKeySequence(QKeySequence::Open) << "open dialog";
    QTest::newRow("Save") << memory << QKeySequence(QKeySequence::Save) << "save dialog";
    QTest::newRow("Save As") << memory << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "save dialog";
    QTest::newRow("Quit") << memory << QKeySequence(Qt::CTRL | Qt::Key_Q) << "closed";
    QTest::newRow("Ctrl+Tab") << memory << QKeySequence(Qt::CTRL | Qt::Key_Tab) << "other tab";
    QTest::newRow("Ctrl+PgUp") << memory << QKeySequence(Qt::CTRL | Qt::Key_PageUp) << "other tab";
    QTest::newRow("Ctrl+PgDn") << settings << QKeySequence(Qt::CTRL | Qt::Key_PageDown) << "other tab";
    QTest::newRow("Tab leaves the grid") << memory << QKeySequence(Qt::Key_Tab) << "focus left";
}

void tst_Editing::keys()
{
    QFETCH(int, tab);
    QFETCH(QKeySequence, key);
    QFETCH(QString, outcome);
    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, tab);
    QTableView *grid = tab == MainWindow::MemoryTab ? static_cast<QTableView *>(w.memoryGrid()) : w.vfoGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellPoint(grid, 1, 2));
    grid->setFocus();
    WhileShown visit(w.editDialog(), [](QDialog &d) { d.reject(); });

    QTest::keySequence(grid, key);

    const QHash<QString, Kind> asked{{"clear asked", Kind::OkCancel}, {"open dialog", Kind::Open}, {"save dialog", Kind::Save}};
    QCOMPARE(f.prompter.shown.size(), asked.contains(outcome) ? 1 : 0);
    if (asked.contains(outcome))
        QCOMPARE(f.prompter.shown.first().kind, asked.value(outcome));
    QCOMPARE(visit.shownCount(), outcome == QLatin1String("edit dialog") ? 1 : 0);
    QCOMPARE(w.isVisible(), outcome != QLatin1String("closed"));
    QCOMPARE(w.selectedTab(), outcome == QLatin1String("other tab") ? 1 - tab : tab);
    if (outcome == QLatin1String("clear asked"))
        QCOMPARE(f.prompter.shown.first().text, ClearText);
    if (outcome == QLatin1String("focus left"))
        QVERIFY(!grid->hasFocus());
}

void tst_Editing::moveRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("presses");
    // From the first slot touched on, the slot each saved record was in before.
    QTest::addColumn<QList<int>>("slotsAfter");
    const QKeySequence down(Qt::ALT | Qt::Key_Down);
    const QKeySequence up(Qt::ALT | Qt::Key_Up);
    QTest::newRow("3-4 down by two") << 3 << 4 << down << 2 << QList<int>{5, 6, 3, 4};
    QTest::newRow("A0 up into the first bank") << 200 << 200 << up << 1 << QList<int>{200, 199};
    QTest::newRow("stops at slot 0") << 0 << 1 << up << 1 << QList<int>{0, 1};
    QTest::newRow("11-12 down past the view") << 11 << 12 << down << 4 << QList<int>{13, 14, 15, 16, 11, 12};
}

void tst_Editing::moveRows()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QKeySequence, key);
    QFETCH(int, presses);
    QFETCH(QList<int>, slotsAfter);
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    const CloneImage before = f.state.image();
    const int from = key == QKeySequence(Qt::ALT | Qt::Key_Up) ? qMax(0, first - presses) : first;
    w.memoryGrid()->selectDataRows(first, last);
    w.memoryGrid()->setFocus();
    const int steps = f.state.history().count();
    for (int i = 0; i < presses; ++i)
        QTest::keySequence(w.memoryGrid(), key);
    // The moved rows stay in view.
    const QList<int> selected = w.memoryGrid()->selectedDataRows();
    for (const int row : {selected.constFirst(), selected.constLast()}) {
        const int top = w.memoryGrid()->rowViewportPosition(row);
        QVERIFY2(top >= 0 && top + w.memoryGrid()->rowHeight(row) <= w.memoryGrid()->viewport()->height(),
                 qPrintable(QString::number(row)));
    }
    bool moves = false;
    for (int k = 0; k < slotsAfter.size(); ++k)
        moves = moves || slotsAfter.at(k) != from + k;
    QCOMPARE(f.state.history().count() - steps, moves ? presses : 0);

    // As saved: exactly the records moved, one undo step a move.
    const QString path = f.path("moved.R70");
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileSaveAs"))->trigger();
    CloneImage saved;
    QVERIFY(CloneFile::load(path, saved).ok());
    for (int k = 0; k < slotsAfter.size(); ++k)  // the names tell the rows apart
        QCOMPARE(saved.channels[from + k].text(ChannelColumn::Name),
                 before.channels[slotsAfter.at(k)].text(ChannelColumn::Name));
    for (int i = 0; i < (moves ? presses : 0); ++i)
        f.action(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(f.state.image().channels, before.channels);
}

void tst_Editing::goToAndRedoKeys()
{
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    w.memoryGrid()->setFocus();
    f.prompter.texts.enqueue(QStringLiteral("b-p2"));
    QTest::keySequence(w.memoryGrid(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCOMPARE(currentRow(w.memoryGrid()), 603);
    QCOMPARE(selectedRows(w.memoryGrid()), QList<int>{603});

    // Ctrl+Y redoes, beside the platform's key.
    {
        const CloneDocument::Step step(f.state, QStringLiteral("Clear channel 5"));
        f.state.clearChannel(5);
    }
    f.action(QStringLiteral("mnuUndo"))->trigger();
    QVERIFY(f.state.channel(5).inUse);
    QTest::keySequence(w.memoryGrid(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QVERIFY(!f.state.channel(5).inUse);
}

void tst_Editing::sortBankByFrequency()
{
    // Bank A: A1 at 21 MHz, A3 at 7 MHz, A5 at 14 MHz, the rest empty.
    MainWindowFixture f;
    MainWindow &w = memoryWindow(f);
    const int bankA = ChannelLabel::FirstBankA;
    for (const auto &[slot, hz] : {std::pair{1, 21000000}, {3, 7000000}, {5, 14000000}}) {
        ChannelRow row;
        row.inUse = true;
        row.frequency = hz;
        row.name = QStringLiteral("A%1").arg(slot);
        f.state.setChannel(bankA + slot, row);
    }
    const CloneImage before = f.state.image();
    clickRow(w.memoryGrid(), bankA + 3);  // one row: its bank
    f.prompter.texts.enqueue(QStringLiteral("Frequency"));
    f.action(QStringLiteral("mnuSort"))->trigger();
    QCOMPARE(f.memoryCell(bankA, 9), QStringLiteral("A3"));
    QCOMPARE(f.memoryCell(bankA + 1, 9), QStringLiteral("A5"));
    QCOMPARE(f.memoryCell(bankA + 2, 9), QStringLiteral("A1"));
    QVERIFY(!f.state.channel(bankA + 3).inUse);  // the empty slots last
    QCOMPARE(f.state.channel(bankA - 1), before.channels[bankA - 1]);  // other banks untouched
    f.action(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(f.state.image().channels, before.channels);
}

void tst_Editing::setModeForSelected()
{
    MainWindowFixture f;
    ChannelRow radioRow;  // a channel as the radio holds it
    QVERIFY(ChannelCodec::decode(QStringLiteral("8805000100000188000100000000000010936B003C4A39543D51000010936B00"),
                                        radioRow).ok());
    for (int r = 10; r <= 30; ++r)
        f.state.setChannel(r, radioRow);
    f.state.clearChannel(12);  // an empty slot among the selected stays empty
    MainWindow &w = memoryWindow(f);
    const CloneImage before = f.state.image();
    w.memoryGrid()->selectDataRows(10, 29);
    const int steps = f.state.history().count();
    f.prompter.texts << QStringLiteral("Mode") << QStringLiteral("CWU");
    f.action(QStringLiteral("mnuSetForSelected"))->trigger();
    // Each question says how many channels it changes.
    QCOMPARE(f.prompter.shown.at(0).text, QStringLiteral("Column to set for the 19 selected channels in use:"));
    QCOMPARE(f.prompter.shown.at(1).text, QStringLiteral("Mode for the 19 selected channels in use:"));
    for (int r = 10; r < 30; ++r)
        QCOMPARE(f.memoryCell(r, 1), r == 12 ? QString() : QStringLiteral("CWU"));
    QCOMPARE(f.state.channel(30), before.channels[30]);
    QCOMPARE(f.state.history().count(), steps + 1);
    f.action(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(f.state.image().channels, before.channels);
}

void tst_Editing::findAndUsedOnly()
{
    MainWindowFixture f;
    for (const auto &[slot, frequency, name] :
         {std::tuple{3, "7.074.000", "FT8-40"}, {7, "3.700.000", "NET"}, {250, "14.074.000", "DX"}}) {
        ChannelRow row;
        row.inUse = true;
        row.frequency = QString::fromLatin1(frequency).remove(QLatin1Char('.')).toLongLong();
        row.name = QLatin1String(name);
        f.state.setChannel(slot, row);
    }
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    clickRow(grid, 0);
    QTest::keySequence(grid, QKeySequence(Qt::CTRL | Qt::Key_F));
    FindBar *bar = w.memoryPage()->findBar();
    QVERIFY(bar->textBox()->hasFocus());
    const auto find = [&](const QString &text) {
        bar->textBox()->setText(text);
        QTest::keyClick(bar->textBox(), Qt::Key_Return);
        return currentRow(grid);
    };
    QCOMPARE(find("ft8"), 3);       // by name
    QCOMPARE(find("14.074"), 250);  // by MHz as typed
    QCOMPARE(find("A50"), 250);     // by label

    // Used only: the empty slots go, and Clear reaches the rows shown.
    bar->usedOnlyBox()->setChecked(true);
    QVERIFY(grid->isRowHidden(0));
    QVERIFY(!grid->isRowHidden(7));
    grid->selectDataRows(0, 300);
    QCOMPARE(grid->selectedDataRows(), (QList<int>{3, 7, 250}));
    f.prompter.answers.enqueue(Answer::Ok);
    QTest::mouseClick(f.button("cmbClear"), Qt::LeftButton);
    QVERIFY(f.prompter.shown.last().text.endsWith("these 3 channels: 3, 7, A50?"));
    QVERIFY(!f.state.channel(7).inUse);
    QTest::keyClick(bar->textBox(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
}

void tst_Editing::vfoMoveAndSet()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, MainWindow::SettingsTab);
    const VfoRow a = f.state.vfo(0);
    VfoRow b = a;
    b.frequency = 7074000;
    f.state.setVfo(1, b);
    w.vfoGrid()->selectRow(1);
    QTest::keySequence(w.vfoGrid(), QKeySequence(Qt::ALT | Qt::Key_Up));
    QCOMPARE(f.state.vfo(0), b);
    QCOMPARE(f.state.vfo(1), a);
    QCOMPARE(w.vfoGrid()->currentDataRow(), 0);
    f.prompter.texts << QStringLiteral("Mode") << QStringLiteral("CWU");
    f.action(QStringLiteral("mnuSetForSelected"))->trigger();
    QCOMPARE(w.vfoGrid()->cellText(0, 1), QStringLiteral("CWU"));
    QCOMPARE(f.state.vfo(1), a);
}

void tst_Editing::dragRowsByLabels_data()
{
    QTest::addColumn<bool>("copy");
    QTest::addColumn<QStringList>("names");
    // Rows 3-4 dragged by the label of 3 onto the label of 7; from slot 3
    // on, the names of the slots as they end up.
    QTest::newRow("move") << false << QStringList{"CH5", "CH6", "CH7", "CH8", "CH3", "CH4", "CH9"};
    QTest::newRow("Ctrl copies") << true << QStringList{"CH3", "CH4", "CH5", "CH6", "CH3", "CH4", "CH9"};
}

void tst_Editing::dragRowsByLabels()
{
    QFETCH(bool, copy);
    QFETCH(QStringList, names);
    MainWindowFixture f;
    fillChannels(f.state);
    MainWindow &w = memoryWindow(f);
    MemoryGrid *grid = w.memoryGrid();
    grid->selectDataRows(3, 4);
    QWidget *labels = grid->verticalHeader()->viewport();
    QTest::mousePress(labels, Qt::LeftButton, {}, labelPoint(grid, 3));
    QTest::mouseMove(labels, labelPoint(grid, 7));
    QTest::mouseRelease(labels, Qt::LeftButton, copy ? Qt::ControlModifier : Qt::NoModifier, labelPoint(grid, 7));
    QStringList now;
    for (int r = 3; r < 3 + names.size(); ++r)
        now.append(f.state.channel(r).text(ChannelColumn::Name));
    QCOMPARE(now, names);
    QCOMPARE(selectedRows(grid), (QList<int>{7, 8}));
    QCOMPARE(f.state.history().undoText(), QString(copy ? "Copy 2 channels to 7" : "Move 2 channels to 7"));
}

QTEST_MAIN(tst_Editing)
#include "tst_Editing.moc"
