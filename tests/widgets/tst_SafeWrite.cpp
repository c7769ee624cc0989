// The window's safe write: backups of what is read, changes marked in the
// grid, Write Changes with its question; the order of a failed transfer's
// message and reset; the channel list as PDF.
#include "files/BackupStore.h"
#include "files/CloneFile.h"
#include "MainWindowFixture.h"
#include "codec/ChannelCodec.h"
#include "StateSnapshot.h"
#include "shell/BackupsDialog.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "shell/MainStatusBar.h"
#include "SimProcess.h"
#include "shell/PdfExportDialog.h"
#include "edit/SlotLabels.h"
#include "session/RadioSession.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>

class tst_SafeWrite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsAreBackedUpAndChangesMarked();
    void writeChangesAsksThenWritesThem();
    void stopButtonEndsWriteChanges();
    void failedOpenShowsMessageBeforeReset();
    void exportPdf();
    void exportsProposeANameAndAddTheirSuffix_data();
    void exportsProposeANameAndAddTheirSuffix();
    void openBackupListsComparesAndOpens();

private:
    SimProcess m_sim;
};

void tst_SafeWrite::initTestCase()
{
    QVERIFY(m_sim.start({}));
    MainWindowFixture::useDevice(m_sim.devicePath());
}

void tst_SafeWrite::readsAreBackedUpAndChangesMarked()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    f.action("mnuReAll")->trigger();
    QVERIFY(f.waitForTransfer());
    QVERIFY(w.transferSucceeded());
    const QList<BackupStore::Entry> backups = w.backupStore().list();
    QCOMPARE(backups.size(), 1);
    QCOMPARE(backups.first().kind, BackupStore::Kind::All);
    CloneImage saved;
    QVERIFY(CloneFile::load(backups.first().path, saved).ok());
    QCOMPARE(saved.channels, f.state.image().channels);

    // An edit marks its row; the others stay unmarked.
    auto *grid = w.findChild<MemoryGrid *>("MSFlexGrid1");
    const auto mark = [grid](int row) { return !grid->model()->headerData(row, Qt::Vertical, SlotLabels::PendingRole).isNull(); };
    QVERIFY(!mark(4));
    f.state.clearChannel(0);  // slot 0 holds a channel on the virtual radio
    QVERIFY(mark(0));
    QVERIFY(!mark(4));
    QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QString("0"));  // the label stays

    // The mark takes the room beyond the label's text: "B191" is drawn as
    // it was before the mark.
    constexpr int B191 = 593;
    grid->scrollTo(grid->model()->index(B191, 0));
    const QHeaderView *labels = grid->verticalHeader();
    const QRect section(0, labels->sectionViewportPosition(B191), labels->width(), labels->sectionSize(B191));
    const QImage plain = labels->viewport()->grab(section).toImage();
    ChannelRow changed = f.state.channel(B191);
    changed.inUse = true;
    changed.frequency = 7050000;
    f.state.setChannel(B191, changed);
    QVERIFY(mark(B191));
    const QImage marked = labels->viewport()->grab(section).toImage();
    const int text = plain.width() - 3 - SlotLabels::MarkWidth;  // where the mark begins
    QCOMPARE(plain.copy(0, 0, text, plain.height()), marked.copy(0, 0, text, marked.height()));
    // No glyph reaches that room: each of its lines is one colour.
    const QImage room = plain.copy(text, 1, plain.width() - text - 1, plain.height() - 2);
    for (int y = 0; y < room.height(); ++y) {
        for (int x = 1; x < room.width(); ++x)
            QCOMPARE(room.pixel(x, y), room.pixel(0, y));
    }
    QVERIFY(plain.copy(text, 0, plain.width() - text, plain.height())
            != marked.copy(text, 0, marked.width() - text, marked.height()));
}

void tst_SafeWrite::writeChangesAsksThenWritesThem()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    f.action("mnuReAll")->trigger();
    QVERIFY(f.waitForTransfer());
    f.state.clearChannel(0);
    f.state.clearChannel(1);
    f.prompter.answers.enqueue(Prompter::Answer::Ok);
    f.action("mnuWrChanges")->trigger();
    QVERIFY(f.waitForTransfer());
    QCOMPARE(f.prompter.shown.size(), 1);
    const QString question = f.prompter.shown.first().text;
    QVERIFY2(question.startsWith("The radio (QT-R70E) holds 2 records that writing this image will change:"),
             qPrintable(question));
    QVERIFY2(question.contains("Channel 0: will be cleared (radio now: "), qPrintable(question));
    QVERIFY(w.transferSucceeded());
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Wrote slots 0 and 1."));
    auto *grid = w.findChild<MemoryGrid *>("MSFlexGrid1");
    QVERIFY(grid->model()->headerData(0, Qt::Vertical, SlotLabels::PendingRole).isNull());  // written: no mark

    // Again: nothing differs now, so nothing is asked or written.
    f.prompter.shown.clear();
    f.action("mnuWrChanges")->trigger();
    QVERIFY(f.waitForTransfer());
    QCOMPARE(f.prompter.messages(),
             QStringList{"The radio already holds these settings and channels; nothing was written."});
    // No step of the read outlives it.
    QCOMPARE(w.mainStatusBar()->text(), f.prompter.messages().first());
    QCOMPARE(w.backupStore().list().first().kind, BackupStore::Kind::BeforeWrite);
}

void tst_SafeWrite::stopButtonEndsWriteChanges()
{
    // The window goes on while Write Changes writes: its Stop button is
    // clicked part way and the write ends at the next record, saying what
    // reached the radio.
    MainWindowFixture f;
    MainWindow &w = f.load();
    f.action("mnuReAll")->trigger();
    QVERIFY(f.waitForTransfer());
    const auto &channels = f.state.image().channels;
    const auto used = std::find_if(channels.cbegin(), channels.cend(), [](const ChannelRow &row) { return row.inUse; });
    QVERIFY(used != channels.cend());
    constexpr int Changed = 40;
    for (int n = 0; n < Changed; ++n) {
        ChannelRow row = *used;
        row.frequency = 7001000 + 1000 * n;
        f.state.setChannel(100 + n, row);
    }
    f.prompter.answers.enqueue(Prompter::Answer::Ok);
    // The radio's own pause between records: the click has 38 of them to land.
    w.session().setPauseMs(TransferEngine::DefaultPauseMs);
    QPushButton *stop = w.memoryPage()->stopButton();
    bool clicked = false;
    QObject::connect(&w.session(), &RadioSession::slotChanged, &w, [&](int slot) {
        // Once the question is answered: the channels being written.
        if (clicked || f.prompter.shown.size() != 1 || slot < 101)
            return;
        clicked = stop->isVisible() && stop->isEnabled();
        QTest::mouseClick(stop, Qt::LeftButton);
    });

    f.action("mnuWrChanges")->trigger();
    QVERIFY(w.transferRunning());
    QVERIFY(f.waitForTransfer());

    QVERIFY(clicked);
    const QString said = w.mainStatusBar()->text();
    QVERIFY2(said.startsWith(QStringLiteral("Stopped; wrote slots 100")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral(" 139")), qPrintable(said));
    QVERIFY(!stop->isVisible());
}

void tst_SafeWrite::failedOpenShowsMessageBeforeReset()
{
    MainWindowFixture::useDevice("/nonexistent/tty");
    MainWindowFixture f;
    MainWindow &w = f.load();
    auto *progress = w.memoryPage()->progressBar();
    bool hourglass = false;
    bool progressShown = true;
    f.prompter.onMessage = [&] {
        hourglass = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        progressShown = progress->isVisible();
    };
    f.action("mnuReMem")->trigger();
    QVERIFY(f.waitForTransfer());
    MainWindowFixture::useDevice(m_sim.devicePath());
    QCOMPARE(f.prompter.messages(), QStringList{"COM Port Error"});
    QVERIFY(hourglass);        // the pointer is reset after the message
    QVERIFY(!progressShown);   // the port never opened: no progress bar
    QVERIFY(!QApplication::overrideCursor());
}

void tst_SafeWrite::exportPdf()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    QString opened;
    w.setDocumentOpener([&opened](const QString &path) { opened = path; });
    const QString path = f.path("list.pdf");
    f.prompter.fileNames.enqueue(path);
    QTimer::singleShot(0, [&w] {
        auto *dialog = w.findChild<PdfExportDialog *>("dlgExportPdf");
        dialog->findChild<QCheckBox *>("chkOpenAfter")->setChecked(true);
        dialog->accept();
    });
    f.action("mnuExportPdf")->trigger();
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(opened, path);
    QCOMPARE(f.prompter.shown.first().text, QString("PDF Files (*.pdf);;All Files (*.*)"));
    // Said until the next action says something else.
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Wrote list.pdf"));
}

void tst_SafeWrite::exportsProposeANameAndAddTheirSuffix_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("Export PDF") << "mnuExportPdf" << "pdf";
    QTest::newRow("Export List") << "mnuExportList" << "csv";
}

void tst_SafeWrite::exportsProposeANameAndAddTheirSuffix()
{
    // The clone file's name is proposed; a name typed without a suffix
    // gets the export's.
    QFETCH(QString, entry);
    QFETCH(QString, suffix);
    MainWindowFixture f;
    f.load();
    const QString clone = f.path("hf-list.R70");
    f.prompter.fileNames.enqueue(clone);
    f.action("mnuFileSaveAs")->trigger();
    f.prompter.shown.clear();
    f.prompter.fileNames.enqueue(f.path("typed"));
    QTimer::singleShot(0, [] {
        if (auto *options = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            options->accept();
    });
    f.action(entry)->trigger();
    QCOMPARE(f.prompter.shown.size(), 1);
    QCOMPARE(f.prompter.shown.first().title, f.path("hf-list." + suffix));
    QVERIFY(QFile::exists(f.path("typed." + suffix)));
    QVERIFY(!QFile::exists(f.path("typed")));
}

void tst_SafeWrite::openBackupListsComparesAndOpens()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    CloneImage older = CloneImage::factory(Vocabulary::ModelE, false);
    for (int n : {0, 1}) {
        older.channels[n].inUse = true;
        older.channels[n].frequency = 7050000 + n;
        ChannelCodec::decode(ChannelCodec::encode(older.channels[n]), older.channels[n]);
    }
    CloneImage newer = older;
    newer.modelVariant = Vocabulary::ModelA;
    newer.channels[2] = newer.channels[1];
    const QDateTime now = QDateTime::currentDateTime();
    QString olderPath;
    QVERIFY(w.backupStore().save(older, BackupStore::Kind::All, now.addDays(-1), &olderPath).ok());
    QVERIFY(w.backupStore().save(newer, BackupStore::Kind::BeforeWrite, now).ok());

    QStringList rows;
    QString differences;
    QTimer::singleShot(0, [&] {
        auto *dialog = w.findChild<QDialog *>("dlgBackups");
        auto *list = dialog->findChild<QTableWidget *>("lstBackups");
        for (int r = 0; r < list->rowCount(); ++r)
            rows.append(list->item(r, BackupsDialog::HoldsColumn)->text() + " | " + list->item(r, BackupsDialog::ModelColumn)->text()
                        + " | " + list->item(r, BackupsDialog::ChannelsColumn)->text());
        list->selectRow(1);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdCompare"), Qt::LeftButton);
        differences = dialog->findChild<QPlainTextEdit *>("txtDifferences")->toPlainText();
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOpen"), Qt::LeftButton);
    });
    f.action("mnuFileOpenBackup")->trigger();

    QCOMPARE(rows, QStringList({"the whole radio before a write | QT-R70A | 3",
                                "settings, VFOs and channels read from the radio | QT-R70E | 2"}));
    QVERIFY2(differences.startsWith("Channel 0: only in the first (7.050.000 USB)\n"), qPrintable(differences));
    QCOMPARE(f.state.fileName(), olderPath);
    QCOMPARE(imageSnapshot(f.state.image()), imageSnapshot(older));
}

QTEST_MAIN(tst_SafeWrite)
#include "tst_SafeWrite.moc"
