// The window's safe write: backups of what is read, changes marked in the
// grid, Write Changes with its question; the order of a failed transfer's
// message and reset; the channel list as PDF.
#include "files/BackupStore.h"
#include "files/CloneFile.h"
#include "MainWindowFixture.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "shell/MainStatusBar.h"
#include "SimProcess.h"
#include "shell/dlgExportPdf.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

class tst_SafeWrite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsAreBackedUpAndChangesMarked();
    void writeChangesAsksThenWritesThem();
    void failedOpenShowsMessageBeforeReset();
    void exportPdf();

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
    frmMain &w = f.load();
    f.action("mnuReAll")->trigger();
    QVERIFY(w.TransferOk);
    const QList<BackupStore::Entry> backups = w.backupStore().list();
    QCOMPARE(backups.size(), 1);
    QCOMPARE(backups.first().kind, BackupStore::Kind::All);
    CloneImage saved;
    QVERIFY(CloneFile::LoadCloneFile(backups.first().path, saved).ok());
    QCOMPARE(saved.Channels, f.state.image().Channels);

    // An edit marks its row; the others stay unmarked.
    const auto *grid = w.findChild<MemoryGrid *>("MSFlexGrid1");
    const auto mark = [grid](int row) { return !grid->model()->headerData(row, Qt::Vertical, Qt::DecorationRole).isNull(); };
    QVERIFY(!mark(4));
    f.state.clearChannel(0);  // slot 0 holds a channel on the virtual radio
    QVERIFY(mark(0));
    QVERIFY(!mark(4));
    QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QString("0"));  // the label stays
}

void tst_SafeWrite::writeChangesAsksThenWritesThem()
{
    MainWindowFixture f;
    frmMain &w = f.load();
    f.action("mnuReAll")->trigger();
    f.state.clearChannel(0);
    f.state.clearChannel(1);
    f.prompter.answers.enqueue(Prompter::Answer::Ok);
    f.action("mnuWrChanges")->trigger();
    QCOMPARE(f.prompter.shown.size(), 1);
    const QString question = f.prompter.shown.first().text;
    QVERIFY2(question.startsWith("The radio (QT-R70E) holds 2 records that writing this image will change:"),
             qPrintable(question));
    QVERIFY2(question.contains("Channel 0: will be cleared (radio now: "), qPrintable(question));
    QVERIFY(w.TransferOk);
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Wrote slots 0 and 1."));
    const auto *grid = w.findChild<MemoryGrid *>("MSFlexGrid1");
    QVERIFY(grid->model()->headerData(0, Qt::Vertical, Qt::DecorationRole).isNull());  // written: no mark

    // Again: nothing differs now, so nothing is asked or written.
    f.prompter.shown.clear();
    f.action("mnuWrChanges")->trigger();
    QCOMPARE(f.prompter.messages(),
             QStringList{"The radio already holds these settings and channels; nothing was written."});
    QCOMPARE(w.backupStore().list().first().kind, BackupStore::Kind::BeforeWrite);
}

void tst_SafeWrite::failedOpenShowsMessageBeforeReset()
{
    MainWindowFixture::useDevice("/nonexistent/tty");
    MainWindowFixture f;
    frmMain &w = f.load();
    auto *progress = w.memoryPage()->progressBar();
    bool hourglass = false;
    bool progressShown = true;
    f.prompter.onMessage = [&] {
        hourglass = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        progressShown = progress->isVisible();
    };
    f.action("mnuReMem")->trigger();
    MainWindowFixture::useDevice(m_sim.devicePath());
    QCOMPARE(f.prompter.messages(), QStringList{"COM Port Error"});
    QVERIFY(hourglass);        // the pointer is reset after the message
    QVERIFY(!progressShown);   // the port never opened: no progress bar
    QVERIFY(!QApplication::overrideCursor());
}

void tst_SafeWrite::exportPdf()
{
    MainWindowFixture f;
    frmMain &w = f.load();
    QString opened;
    w.setDocumentOpener([&opened](const QString &path) { opened = path; });
    const QString path = f.path("list.pdf");
    f.prompter.fileNames.enqueue(path);
    QTimer::singleShot(0, [&w] {
        auto *dialog = w.findChild<dlgExportPdf *>("dlgExportPdf");
        dialog->findChild<QCheckBox *>("chkOpenAfter")->setChecked(true);
        dialog->accept();
    });
    f.action("mnuExportPdf")->trigger();
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(opened, path);
    QCOMPARE(f.prompter.shown.first().text, QString("PDF Files (*.pdf);;All Files (*.*)"));
}

QTEST_MAIN(tst_SafeWrite)
#include "tst_SafeWrite.moc"
