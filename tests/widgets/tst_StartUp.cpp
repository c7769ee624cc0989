// The main window right after start-up: default data, grids, layout, the
// port file and the command-line file.

#include "codec/ChannelCodec.h"
#include "edit/GridColumns.h"
#include "files/CloneFile.h"
#include "MainWindowFixture.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/SettingsPage.h"
#include "edit/Twips.h"
#include "edit/VfoGrid.h"
#include "link/SerialRadioPort.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void defaultSettingsSelected_data();
    void defaultSettingsSelected();
    void defaultVfoRows();
    void memoryGridBlankAndLabelled_data();
    void memoryGridBlankAndLabelled();
    void windowState();
    void layoutInTwips_data();
    void layoutInTwips();
    void columnWidthsFromTable();
    void portFile_data();
    void portFile();
    void commandLineFileWithQuotes();
    void commandLineFileThatFails();
};

void tst_StartUp::defaultSettingsSelected_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("key speed") << "cmbWPM" << "20";
    QTest::newRow("dimmer") << "cmbDimmer" << "32";
    QTest::newRow("side tone") << "cmbSideTone" << "800Hz";
    QTest::newRow("break in") << "cmbBreakIn" << "AUTO";
    QTest::newRow("tone") << "cmbTone" << "88.5Hz";
    QTest::newRow("scan time") << "cmbScanType" << "  2S";
    QTest::newRow("key ratio") << "cmbKeyRatio" << "3.0";
    QTest::newRow("scan skip") << "cmbScanSkip" << "Skip";
}

void tst_StartUp::defaultSettingsSelected()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    MainWindowFixture f;
    f.load();
    QComboBox *list = f.list(control);
    QVERIFY(list);
    QCOMPARE(list->currentText(), text);
}

void tst_StartUp::defaultVfoRows()
{
    MainWindowFixture f;
    f.load();
    const auto *grid = f.window().findChild<VfoGrid *>(QStringLiteral("MSFlexGrid2"));
    QVERIFY(grid);
    const QAbstractItemModel *model = grid->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("VFO A"));
    QCOMPARE(model->headerData(1, Qt::Vertical).toString(), QStringLiteral("VFO B"));
    const QStringList expected = {"7.100.000", "LSB", "0", "Slow", "High", "Wide", "Off", "Off"};
    for (int r = 0; r < 2; ++r) {
        QStringList row;
        for (int c = 0; c < model->columnCount(); ++c)
            row.append(f.vfoCell(r, c));
        QCOMPARE(row, expected);
    }
}

void tst_StartUp::memoryGridBlankAndLabelled_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::newRow("first") << 0 << "0";
    QTest::newRow("single digit") << 7 << "7";
    QTest::newRow("end of first bank") << 199 << "199";
    QTest::newRow("A 0") << 200 << "A  0";
    QTest::newRow("A 5") << 205 << "A  5";
    QTest::newRow("A 42") << 242 << "A 42";
    QTest::newRow("A199") << 399 << "A199";
    QTest::newRow("A-P1") << 400 << "A-P1";
    QTest::newRow("A-P2") << 401 << "A-P2";
    QTest::newRow("B 0") << 402 << "B  0";
    QTest::newRow("B199") << 601 << "B199";
    QTest::newRow("B-P1") << 602 << "B-P1";
    QTest::newRow("B-P2") << 603 << "B-P2";
}

void tst_StartUp::memoryGridBlankAndLabelled()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    MainWindowFixture f;
    f.load();
    const auto *grid = f.window().findChild<MemoryGrid *>(QStringLiteral("MSFlexGrid1"));
    QVERIFY(grid);
    const QAbstractItemModel *model = grid->model();
    QCOMPARE(model->rowCount(), 604);
    QCOMPARE(model->columnCount(), 11);
    QCOMPARE(model->headerData(row, Qt::Vertical).toString(), label);
    for (int c = 0; c < model->columnCount(); ++c)
        QCOMPARE(f.memoryCell(row, c), QString());
    QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Split Freq."));
}

void tst_StartUp::windowState()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    QCOMPARE(w.windowTitle(), QStringLiteral("Korvan QT-R70 Clone Utility"));
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QCOMPARE(f.state.fileName(), QString());

    // QT-R70E is selected, and only it.
    const auto options = w.findChildren<QRadioButton *>(QStringLiteral("opbModel"));
    QCOMPARE(options.size(), 4);
    QStringList captions;
    for (const QRadioButton *option : options) {
        captions.append(option->text());
        QCOMPARE(option->isChecked(), option->text() == QStringLiteral("QT-R70E"));
    }
    QCOMPARE(captions, QStringList({"QT-R70J", "QT-R70T", "QT-R70E", "QT-R70A"}));

    // The settings page is in front; the memory page's progress bar is hidden.
    const auto *tabs = w.findChild<QTabBar *>(QStringLiteral("TabStrip1"));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Settings"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Memory"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(w.settingsPage()->isVisible());
    QVERIFY(!w.memoryPage()->isVisible());
    QVERIFY(!w.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->isVisibleTo(w.memoryPage()));
    QVERIFY(!f.button(QStringLiteral("cmbInsert"))->isEnabled());
    QVERIFY(!f.button(QStringLiteral("cmbDelete"))->isEnabled());

    // The designed size is the outer frame's, as the placement counts it.
    QCOMPARE(w.frameGeometry().size(), QSize(Twips::toPixelsX(10200, &w), Twips::toPixelsY(7905, &w)));
    QVERIFY(f.prompter.shown.isEmpty());
}

void tst_StartUp::layoutInTwips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("twips");
    QTest::newRow("tone at the top edge") << "cmbTone" << QPoint(5400, 0);
    QTest::newRow("first list of column 1") << "cmbSSBStep" << QPoint(1920, 1680);
    QTest::newRow("last list of column 1") << "cmbScanRange" << QPoint(1920, 1680 + 7 * 360);
    QTest::newRow("first list of column 2") << "cmbKeyLock" << QPoint(5040, 600);
    QTest::newRow("scan skip") << "cmbScanSkip" << QPoint(5040, 600 + 3 * 360);
    QTest::newRow("first list of column 3") << "cmbDialMode" << QPoint(8160, 1320);
    QTest::newRow("last list of column 3") << "cmbDVox" << QPoint(8160, 1320 + 11 * 360);
    QTest::newRow("Read Settings") << "cmbRxData1" << QPoint(7920, 240);
    QTest::newRow("Write Settings") << "cmbTxData1" << QPoint(7920, 720);
    QTest::newRow("VFO grid") << "MSFlexGrid2" << QPoint(360, 4800);
    QTest::newRow("model frame") << "fraModel" << QPoint(360, 240);
}

void tst_StartUp::layoutInTwips()
{
    QFETCH(QString, control);
    QFETCH(QPoint, twips);
    MainWindowFixture f;
    MainWindow &w = f.load();
    const QWidget *widget = w.settingsPage()->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), w.settingsPage());
    QCOMPARE(widget->pos(), QPoint(Twips::toPixelsX(twips.x(), widget), Twips::toPixelsY(twips.y(), widget)));
}

void tst_StartUp::columnWidthsFromTable()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const QTableView *grids[] = {w.memoryGrid(), w.vfoGrid()};
    for (const QTableView *grid : grids) {
        QCOMPARE(grid->verticalHeader()->width(), Twips::toPixelsX(650, grid));
        // The designed width, more only where the font needs it.
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            const int design = Twips::toPixelsX(Vocabulary::columnWidths()[size_t(c + 1)], grid);
            QVERIFY2(grid->columnWidth(c) >= design, qPrintable(QString::number(c)));
        }
        // "NB" is narrow enough for its designed width in any font.
        QCOMPARE(grid->columnWidth(7), Twips::toPixelsX(600, grid));
    }
}

void tst_StartUp::portFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("port");
    QTest::newRow("14") << "QT-R70.ini" << QByteArray("14\r\n") << 14;
    QTest::newRow("3 without line end") << "QT-R70.ini" << QByteArray("3") << 3;
    QTest::newRow("15") << "QT-R70.ini" << QByteArray("15\r\n") << 1;
    QTest::newRow("0") << "QT-R70.ini" << QByteArray("0\r\n") << 1;
    QTest::newRow("negative") << "QT-R70.ini" << QByteArray("-2\r\n") << 1;
    QTest::newRow("text") << "QT-R70.ini" << QByteArray("COM5\r\n") << 1;
    QTest::newRow("other letter case") << "qt-r70.INI" << QByteArray("5\r\n") << 1;
    QTest::newRow("no file") << QString() << QByteArray() << 1;
}

void tst_StartUp::portFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(int, port);
    MainWindowFixture f;
    if (!name.isEmpty())
        QVERIFY(f.writePortFile(contents, name));
    MainWindow &w = f.load();
    QCOMPARE(w.port().portNumber(), port);
}

void tst_StartUp::commandLineFileWithQuotes()
{
    // A clone file with one channel and the QT-R70T option.
    MainWindowFixture f;
    const QString path = f.path(QStringLiteral("with blank.R70"));
    {
        CloneImage source;
        source.modelVariant = Vocabulary::ModelT;
        QCOMPARE(ChannelCodec::decode(QStringLiteral("80%1").arg(QString(62, QLatin1Char('0'))),
                                             source.channels[5]).ok(),
                 true);
        QVERIFY(CloneFile::write(path, source).ok());
        QVERIFY(source.channels[5].inUse);
        f.state.setCommandLineFile(CloneDocument::commandLineFileFrom({QLatin1Char('"') + path + QLatin1Char('"')}));
    }
    MainWindow &w = f.load();
    QCOMPARE(f.prompter.messages(), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("with blank.R70 - Korvan QT-R70 Clone Utility"));
    QCOMPARE(f.state.fileName(), path);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QVERIFY(w.settingsPage()->modelOption(Vocabulary::ModelT)->isChecked());
    QVERIFY(!f.memoryCell(5, 0).isEmpty());
    QCOMPARE(f.memoryCell(5, 0), f.state.channel(5).text(ChannelColumn::Frequency));
}

void tst_StartUp::commandLineFileThatFails()
{
    MainWindowFixture f;
    const QString path = f.path(QStringLiteral("broken.R70"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a clone file\r\n");
    file.close();
    f.state.setCommandLineFile(path);
    MainWindow &w = f.load();
    QCOMPARE(f.prompter.messages(), QStringList({QStringLiteral("Data Error")}));
    QCOMPARE(f.prompter.shown.first().title, QStringLiteral("ERROR"));
    QCOMPARE(f.prompter.shown.first().icon, Prompter::Icon::Critical);
    QCOMPARE(w.windowTitle(), QStringLiteral("Korvan QT-R70 Clone Utility"));
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QCOMPARE(f.list(QStringLiteral("cmbWPM"))->currentText(), QStringLiteral("20"));
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
