// File > Import and File > Export in the window: the file dialogs, what
// the window shows afterwards, cancelling, and files that cannot be used.

#include "codec/ChannelCodec.h"
#include "files/CsvExchange.h"
#include "shell/MainStatusBar.h"
#include "MainWindowFixture.h"
#include "codec/RecordText.h"
#include "edit/MemoryGrid.h"
#include "StateSnapshot.h"
#include "edit/VfoGrid.h"
#include "shell/ImportPreviewDialog.h"
#include "shell/MainWindow.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Shown::Kind;

namespace {

const QString AppTitle = QStringLiteral("Korvan QT-R70 Clone Utility");
const QString CsvFilter = QStringLiteral("CSV Files (*.csv);;All Files (*.*)");
const QString CloneFilter = QStringLiteral("Korvan QT-R70 Clone Files (*.R70);;All Files (*.*)");

// VFO B, channels 3 and 150, and a channel record whose mode no radio knows.
const QByteArray SampleCsv =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"STEP\",\"TONE\",\"TXTONE\",\"RXTONE\",\"DCS\",\"SHIFT\","
    "\"SHIFT FREQUENCY\",\"Power\",\"ATT\",\"BS\",\"Clock\",\"BCLO\",\"Name\",\"Skip\"\r\n"
    "\"QT-R70\",\"VFO\",\"VFO B\",\"21.074.000\",\"USB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\",\"Off\","
    "\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n"
    "\"QT-R70\",\"MEMORY\",\"3\",\"14.195.000\",\"USB\",\"-10\",\"Fast\",\"Low\",\"Narrow\",\"88.5Hz\",\"On\","
    "\"7.050.000\",\"CQ\",\"Skip\",\"\",\"\",\"\",\"Off\"\r\n"
    "\"QT-R70\",\"MEMORY\",\"150\",\"7.050.000\",\"LSB\",\"0\",\"Slow\",\"High\",\"Wide\",\"Off\",\"Off\","
    "\"7.050.000\",\"\",\"\",\"\",\"\",\"\",\"Off\"\r\n"
    "\"QT-R70\",\"MEMORY\",\"4\",\"7.050.000\",\"XSB\",\"0\",\"Slow\",\"High\",\"Wide\",\"Off\",\"Off\","
    "\"7.050.000\",\"\",\"\",\"\",\"\",\"\",\"Off\"\r\n";
const QString SampleStatus =
    QStringLiteral("Imported 2 channels and 1 VFO record; 1 record dropped; refused: line 5: Mode \"XSB\" is not understood");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QList<Kind> kindsShown(const ScriptedPrompter &prompter)
{
    QList<Kind> kinds;
    for (const auto &shown : prompter.shown)
        kinds.append(shown.kind);
    return kinds;
}

// Channel n in use, its fields varied with n, as a read from the radio
// would leave it.
void putChannel(CloneDocument &state, int n)
{
    Record b{};
    b[0] = 0x80;
    b[1] = std::uint8_t(n % 6);
    b[2] = std::uint8_t(n % 4);
    b[4] = std::uint8_t(n % 3);
    b[7] = std::uint8_t(0x80 + n % 39);
    RecordText::writeField32(b, 16, 1600000 + 100001u * n);
    RecordText::writeField32(b, 28, 29000000 - 1000u * n);
    const QString name = QStringLiteral("M%1").arg(n);
    for (int i = 0; i < name.size(); ++i)
        b[20 + i] = std::uint8_t(ChannelCodec::nameCharCode(name.at(i)));
    ChannelRow row;
    if (!ChannelCodec::decode(RecordText::join(b), row))
        qFatal("channel %d does not decode", n);
    state.setChannel(n, row);
}

// The window loaded, with a clone file saved as the current file.
MainWindow &windowWithCloneFile(MainWindowFixture &f)
{
    MainWindow &w = f.load();
    f.prompter.fileNames.enqueue(f.path(QStringLiteral("current.R70")));
    f.action(QStringLiteral("mnuFileSaveAs"))->trigger();
    if (f.state.fileName().isEmpty())
        qWarning("the clone file was not saved");
    f.prompter.shown.clear();
    return w;
}

// Which channel slots are in use.
QList<bool> slotsInUse(const CloneImage &image)
{
    QList<bool> inUse;
    for (const ChannelRow &row : image.channels)
        inUse.append(row.inUse);
    return inUse;
}

} // namespace

class tst_CsvMenus : public QObject
{
    Q_OBJECT

private slots:
    void importThroughMenu_data();
    void importThroughMenu();
    void exportThroughMenu_data();
    void exportThroughMenu();
    void exportClearImportGivesBackTheGrid();
    void cancelledDoesNothing_data();
    void cancelledDoesNothing();
    void unusableFile_data();
    void unusableFile();
    void listImportPreview();
};

void tst_CsvMenus::importThroughMenu_data()
{
    QTest::addColumn<bool>("changedBefore");
    QTest::newRow("nothing unsaved") << false;
    QTest::newRow("unsaved edits") << true;
}

void tst_CsvMenus::importThroughMenu()
{
    QFETCH(bool, changedBefore);

    MainWindowFixture f;
    MainWindow &w = windowWithCloneFile(f);
    const QString clonePath = f.state.fileName();
    const QString csvPath = f.path(QStringLiteral("sample.csv"));
    QVERIFY(writeFile(csvPath, SampleCsv));
    w.findChild<QTabBar *>(QStringLiteral("TabStrip1"))->setCurrentIndex(MainWindow::MemoryTab);
    MemoryGrid *grid = w.memoryGrid();
    grid->selectDataRow(40);
    changedBefore ? f.state.markTouched() : f.state.markSaved();

    f.prompter.fileNames.enqueue(csvPath);
    f.action(QStringLiteral("mnuImport"))->trigger();

    // One open dialog on the CSV filter, starting at the name chosen last;
    // no save prompt, no message.
    QCOMPARE(kindsShown(f.prompter), QList<Kind>{Kind::Open});
    QCOMPARE(f.prompter.shown.first().text, CsvFilter);
    QCOMPARE(f.prompter.shown.first().title, clonePath);
    QCOMPARE(w.commonDialogFileName(), csvPath);

    QCOMPARE(f.memoryCell(3, 0), QStringLiteral("14.195.000"));
    QCOMPARE(f.memoryCell(3, 9), QStringLiteral("CQ"));
    QCOMPARE(f.memoryCell(3, 10), QStringLiteral("Skip"));
    QCOMPARE(f.memoryCell(150, 1), QStringLiteral("LSB"));
    QCOMPARE(f.memoryCell(4, 0), QString());
    QCOMPARE(f.vfoCell(1, 0), QStringLiteral("21.074.000"));
    QCOMPARE(f.vfoCell(1, 3), QStringLiteral("Fast"));
    QCOMPARE(f.vfoCell(0, 0), QStringLiteral("7.100.000"));

    // The first channel row selected across its columns.
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(grid->currentIndex().column(), 0);
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), Vocabulary::ChannelGridColumns);
    for (const QModelIndex &index : selected)
        QCOMPARE(index.row(), 0);

    QCOMPARE(w.windowTitle(), AppTitle);
    QCOMPARE(f.state.fileName(), QString());
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(w.mainStatusBar()->text(), SampleStatus);

    // With no current clone file, Save asks for one.
    f.action(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(kindsShown(f.prompter), (QList<Kind>{Kind::Open, Kind::Save}));
    QCOMPARE(f.prompter.shown.last().text, CloneFilter);
}

void tst_CsvMenus::exportThroughMenu_data()
{
    QTest::addColumn<bool>("changedBefore");
    QTest::newRow("nothing unsaved") << false;
    QTest::newRow("unsaved edits") << true;
}

void tst_CsvMenus::exportThroughMenu()
{
    QFETCH(bool, changedBefore);

    MainWindowFixture f;
    MainWindow &w = windowWithCloneFile(f);
    const QString clonePath = f.state.fileName();
    putChannel(f.state, 7);
    putChannel(f.state, 250);
    changedBefore ? f.state.markTouched() : f.state.markSaved();
    const QString csvPath = f.path(QStringLiteral("out.csv"));
    QVERIFY(writeFile(csvPath, "older contents"));

    f.prompter.fileNames.enqueue(csvPath);
    f.action(QStringLiteral("mnuExport"))->trigger();

    QCOMPARE(kindsShown(f.prompter), QList<Kind>{Kind::Save});
    QCOMPARE(f.prompter.shown.first().text, CsvFilter);
    QCOMPARE(f.prompter.shown.first().title, clonePath);
    QCOMPARE(w.commonDialogFileName(), csvPath);
    const QByteArray written = readFile(csvPath);
    QCOMPARE(written, CsvExchange::exportBytes(f.state.image()));
    QVERIFY(written.contains("\"QT-R70\",\"MEMORY\",\"7\","));
    QVERIFY(!written.contains("\"250\""));

    QCOMPARE(w.windowTitle(), QStringLiteral("out.csv - ") + AppTitle);
    QCOMPARE(f.state.fileName(), QString());
    QCOMPARE(f.state.hasUnsavedChanges(), changedBefore);
    QCOMPARE(w.mainStatusBar()->text(), QString());

    // Save asks for a clone file name and does not touch the CSV.
    f.action(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(kindsShown(f.prompter), (QList<Kind>{Kind::Save, Kind::Save}));
    QCOMPARE(f.prompter.shown.last().text, CloneFilter);
    QCOMPARE(readFile(csvPath), written);
}

void tst_CsvMenus::exportClearImportGivesBackTheGrid()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    for (int n : {0, 1, 2, 17, 99, 150, 199})
        putChannel(f.state, n);
    QStringList shown;
    for (int r = 0; r < CsvExchange::ExportedChannels; ++r)
        shown.append(gridRow(w.memoryGrid(), r));
    const QList<bool> inUseBefore = slotsInUse(f.state.image());
    const QString csvPath = f.path(QStringLiteral("channels.csv"));

    f.prompter.fileNames.enqueue(csvPath);
    f.action(QStringLiteral("mnuExport"))->trigger();
    w.findChild<QTabBar *>(QStringLiteral("TabStrip1"))->setCurrentIndex(MainWindow::MemoryTab);
    f.prompter.answers.enqueue(Answer::Ok);
    QTest::mouseClick(f.button(QStringLiteral("cmbClAll")), Qt::LeftButton);
    QCOMPARE(f.memoryCell(17, 0), QString());
    f.prompter.fileNames.enqueue(csvPath);
    f.action(QStringLiteral("mnuImport"))->trigger();

    QCOMPARE(f.prompter.messages(), QStringList());
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Imported 7 channels and 2 VFO records; 0 records dropped"));
    QStringList back;
    for (int r = 0; r < CsvExchange::ExportedChannels; ++r)
        back.append(gridRow(w.memoryGrid(), r));
    QCOMPARE(back, shown);
    QCOMPARE(slotsInUse(f.state.image()), inUseBefore);
}

void tst_CsvMenus::cancelledDoesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("emptyName"); // confirmed with an empty name, else cancelled
    QTest::addColumn<int>("dialog");

    QTest::newRow("import cancelled") << "mnuImport" << false << int(Kind::Open);
    QTest::newRow("import, empty name") << "mnuImport" << true << int(Kind::Open);
    QTest::newRow("export cancelled") << "mnuExport" << false << int(Kind::Save);
    QTest::newRow("export, empty name") << "mnuExport" << true << int(Kind::Save);
}

void tst_CsvMenus::cancelledDoesNothing()
{
    QFETCH(QString, entry);
    QFETCH(bool, emptyName);
    QFETCH(int, dialog);

    MainWindowFixture f;
    MainWindow &w = windowWithCloneFile(f);
    putChannel(f.state, 5);
    f.state.markTouched();
    const QString before = stateSnapshot(f.state);
    const QString caption = w.windowTitle();
    const QString startName = w.commonDialogFileName();
    const QStringList files = QDir(f.programFolder()).entryList(QDir::Files);

    if (emptyName)
        f.prompter.fileNames.enqueue(QString());
    f.action(entry)->trigger();

    QCOMPARE(kindsShown(f.prompter), QList<Kind>{Kind(dialog)});
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(w.commonDialogFileName(), startName);
    QCOMPARE(QDir(f.programFolder()).entryList(QDir::Files), files);
    QCOMPARE(f.memoryCell(5, 9), QStringLiteral("M5"));
}

void tst_CsvMenus::unusableFile_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name"); // inside the scratch folder

    QTest::newRow("import of a missing file") << "mnuImport" << "missing.csv";
    QTest::newRow("import of a folder") << "mnuImport" << "folder";
    QTest::newRow("export into a missing folder") << "mnuExport" << "no/such/folder/out.csv";
    QTest::newRow("export onto a folder") << "mnuExport" << "folder";
}

void tst_CsvMenus::unusableFile()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);

    MainWindowFixture f;
    MainWindow &w = windowWithCloneFile(f);
    QVERIFY(QDir(f.programFolder()).mkpath(QStringLiteral("folder")));
    putChannel(f.state, 5);
    f.state.markTouched();
    const QString before = stateSnapshot(f.state);
    const QString caption = w.windowTitle();
    const QStringList vfoRow = gridRow(w.vfoGrid(), 0);

    f.prompter.fileNames.enqueue(f.path(name));
    f.action(entry)->trigger();

    QCOMPARE(f.prompter.messages(), QStringList{"File Open Error"});
    QCOMPARE(f.prompter.shown.last().title, QStringLiteral("ERROR"));
    QCOMPARE(f.prompter.shown.last().icon, Prompter::Icon::Critical);
    QCOMPARE(stateSnapshot(f.state), before);
    QVERIFY(!f.state.fileName().isEmpty());
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(f.memoryCell(5, 9), QStringLiteral("M5"));
    QCOMPARE(gridRow(w.vfoGrid(), 0), vfoRow);
    QVERIFY(!QFile::exists(f.path(QStringLiteral("no/such/folder/out.csv"))));
}


void tst_CsvMenus::listImportPreview()
{
    // Another program's list: the preview first; Cancel changes nothing,
    // OK stores from the current row on as one step; the export reads back.
    MainWindowFixture f;
    MainWindow &w = windowWithCloneFile(f);
    putChannel(f.state, 41);
    const CloneImage before = f.state.image();
    const QString list = f.path(QStringLiteral("club.csv"));
    QVERIFY(writeFile(list, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n"
                            "1,Ten FM,29.620000,-,0.100000,Tone,88.5,NFM\n"
                            "2,Two m,145.500000,,,,,FM\n"
                            "3,Net,3.7,,,,,LSB\n"));
    selectTab(w, MainWindow::MemoryTab);
    w.memoryGrid()->selectDataRow(40);
    QStringList seen;
    f.prompter.onPreview = [&seen](ImportPreviewDialog &preview) {
        const QTableWidget *table = preview.table();
        for (int r = 0; r < table->rowCount(); ++r)
            seen.append(table->item(r, 1)->text() + ' ' + table->item(r, 2)->text() + ' '
                        + table->item(r, 3)->text() + (table->item(r, 3)->data(ImportPreviewDialog::AdjustedRole).toBool() ? "!" : "")
                        + " | " + table->item(r, ImportPreviewDialog::NoteColumn)->text());
    };
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
        f.prompter.fileNames.enqueue(list);
        f.prompter.answers.enqueue(answer);
        f.action(QStringLiteral("mnuImportList"))->trigger();
    }
    QCOMPARE(seen.mid(0, 3), (QStringList{"40 29.620.000 FM! | Mode NFM is stored as FM",
                                          "- 145.500000 FM | Not stored: Frequency 145.500.000 is outside the range (1.6MHz - 30MHz)",
                                          "41 3.700.000 LSB | Replaces the channel in use"}));
    QCOMPARE(seen.mid(3), seen.mid(0, 3));
    QCOMPARE(kindsShown(f.prompter), (QList<Kind>{Kind::Open, Kind::Preview, Kind::Open, Kind::Preview}));
    QCOMPARE(f.prompter.shown.at(1).text, QString("2 rows to store in 40–41 (1 slot in use replaced); 1 row not stored"));
    QCOMPARE(f.memoryCell(40, 8), QString("29.520.000"));
    QCOMPARE(f.memoryCell(41, 9), QString("NET"));
    QCOMPARE(w.mainStatusBar()->text(), QString("Imported 2 channels from club.csv; 1 row not stored"));
    QCOMPARE(f.action(QStringLiteral("mnuUndo"))->text(), QString("Undo(&U): Import club.csv"));
    f.action(QStringLiteral("mnuUndo"))->trigger();
    QVERIFY(f.state.image() == before);

    const QString out = f.path(QStringLiteral("out.csv"));
    f.prompter.fileNames.enqueue(out);
    f.action(QStringLiteral("mnuExportList"))->trigger();
    QVERIFY(readFile(out).contains("\r\n41,M41,5.700041,"));
}

QTEST_MAIN(tst_CsvMenus)
#include "tst_CsvMenus.moc"
