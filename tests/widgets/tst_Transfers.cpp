// Transfers started from the window's buttons and menus, against the
// virtual radio on a pseudo-terminal.

#include "files/CloneFile.h"
#include "MainWindowFixture.h"
#include "app/SignalWatcher.h"
#include "files/RecoveryStore.h"
#include "shell/RecoveryKeeper.h"
#include "StateSnapshot.h"
#include "codec/SettingsCodec.h"
#include "codec/SettingsTable.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/SettingsPage.h"
#include "shell/MainStatusBar.h"
#include "SimProcess.h"
#include "codec/VfoCodec.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {

const QStringList TransferButtons = {"cmbRxData", "cmbTxData", "cmbRxData1", "cmbTxData1", "cmdAuto"};
const QString MissingDevice = QStringLiteral("/nonexistent/qtr70-test-tty");

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")),
                                                     Qt::SkipEmptyParts);
}

// The virtual radio of one case: its command log and, once stopped, its
// memory as a clone file.
class Radio
{
public:
    bool start(MainWindowFixture &f, const QStringList &options = {})
    {
        m_log = f.path(QStringLiteral("radio.log"));
        m_save = f.path(QStringLiteral("radio-memory.R70"));
        if (!m_sim.start(QStringList{"--log", m_log, "--save", m_save} + options))
            return false;
        MainWindowFixture::useDevice(m_sim.devicePath());
        return true;
    }
    QStringList commands() const { return linesOf(m_log); }
    // Ends the radio and returns its memory as clone file lines.
    QStringList memory()
    {
        m_sim.stop();
        return linesOf(m_save);
    }

private:
    SimProcess m_sim;
    QString m_log;
    QString m_save;
};

// Starts a transfer the way a user does: a menu entry, or a button on its
// page. Returns when the transfer has ended.
void start(MainWindowFixture &f, const QString &trigger)
{
    if (QAction *action = f.action(trigger)) {
        action->trigger();
        QVERIFY(f.waitForTransfer());
        return;
    }
    QPushButton *button = f.button(trigger);
    QVERIFY2(button, qPrintable(trigger));
    const bool memory = trigger == QLatin1String("cmbRxData") || trigger == QLatin1String("cmbTxData");
    selectTab(f.window(), memory ? MainWindow::MemoryTab : MainWindow::SettingsTab);
    QVERIFY(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(f.waitForTransfer());
}

// After any transfer: every transfer button back, progress bar hidden,
// default pointer.
// A button's own state, apart from the page it is on (the page in the back
// is disabled as a whole).
bool enabledOnPage(const QWidget *button)
{
    const QWidget *page = button->parentWidget();
    while (page && page->objectName() != QLatin1String("Frame1"))
        page = page->parentWidget();
    return button->isEnabledTo(page);
}

void verifyIdle(MainWindowFixture &f)
{
    for (const QString &name : TransferButtons)
        QVERIFY2(enabledOnPage(f.button(name)), qPrintable(name));
    QVERIFY(!f.window().findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->isVisibleTo(f.window().memoryPage()));
    QCOMPARE(f.window().findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->value(), 0);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void verifyGridShowsTable(MainWindowFixture &f)
{
    for (int r = 0; r < CloneDocument::ChannelCount; ++r) {
        const ChannelRow &channel = f.state.channel(r);
        for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c) {
            const QString expected = channel.text(ChannelColumn(c));
            if (f.memoryCell(r, c) != expected)
                QFAIL(qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
        }
    }
}

// Commands that read ('R') or write ('W') a memory channel slot.
int channelCommands(const QStringList &commands, QChar operation)
{
    static const QRegularExpression block(QStringLiteral("^KV~F([0-9A-F]{4})([RW])"));
    constexpr int FirstChannelAddress = 0x600;
    int n = 0;
    for (const QString &command : commands) {
        const QRegularExpressionMatch m = block.match(command);
        n += m.hasMatch() && m.captured(1).toInt(nullptr, 16) >= FirstChannelAddress
                && m.captured(2) == operation
            ? 1
            : 0;
    }
    return n;
}

// A radio image with settings and a VFO A other than the factory ones.
QString writeChangedImage(MainWindowFixture &f)
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    image.selections[size_t(SettingsPage::settingOf(QStringLiteral("cmbWPM")))] = 20;
    image.vfos[0].frequency = 14000000;
    const QString path = f.path(QStringLiteral("image.R70"));
    return CloneFile::write(path, image).ok() ? path : QString();
}


// The cron line of the README's nightly backup, as cron runs it: in a
// shell, "\\%" read as "%", in the home folder `home`. Its exit status and
// its stderr.
std::pair<int, QString> runNightlyBackup(const QString &home)
{
    QFile readme(qEnvironmentVariable("QTR70_SOURCE_DIR") + QStringLiteral("/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {-1, QStringLiteral("no README")};
    static const QRegularExpression cronLine(QStringLiteral("^15 3 \\* \\* \\* (.*)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = cronLine.match(QString::fromUtf8(readme.readAll()));
    if (!m.hasMatch())
        return {-1, QStringLiteral("no cron line in the README")};
    QProcess job;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("PATH"), QFileInfo(qEnvironmentVariable("QTR70_BIN")).absolutePath() + QLatin1Char(':')
                                                   + environment.value(QStringLiteral("PATH")));
    job.setProcessEnvironment(environment);
    job.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), m.captured(1).replace(QStringLiteral("\\%"), QStringLiteral("%"))});
    if (!job.waitForFinished(60000))
        return {-1, QStringLiteral("the job did not end")};
    QFile log(home + QStringLiteral("/radio/backup.log"));
    log.open(QIODevice::ReadOnly);
    return {job.exitCode(), QString::fromUtf8(log.readAll())};
}

} // namespace

class tst_Transfers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readMemory_data();
    void readMemory();
    void gridFollowsReadInBatches();
    void writeMemory_data();
    void writeMemory();
    void readSettings_data();
    void readSettings();
    void writeSettings_data();
    void writeSettings();
    void autoSelect_data();
    void autoSelect();
    void readAll();
    void writeAll();
    void failure_data();
    void failure();
    void readAllWithFailingSettingsReadsNoMemory();
    void failedReadSaysWhatItKept();
    void signalStopsTheTransferThenCloses();
    void nightlyBackupBesideTheWindow();
    void nothingElseWhileTransferRuns();
};

void tst_Transfers::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        QSKIP("the virtual radio is not built (QTR70_SIM_BIN unset)");
}

void tst_Transfers::readMemory_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Read Memory button") << "cmbRxData";
    QTest::newRow("Tool > Read > Memory") << "mnuReMem";
}

void tst_Transfers::readMemory()
{
    QFETCH(QString, trigger);
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();

    start(f, trigger);

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.selectedTab(), int(MainWindow::MemoryTab));
    QVERIFY(w.memoryPage()->isVisible());
    QCOMPARE(w.transferSucceeded(), true);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    const QList<ChannelRow> &channels = f.state.image().channels;
    QVERIFY(std::count_if(channels.begin(), channels.end(), [](const ChannelRow &row) { return row.inUse; }) > 0);
    verifyGridShowsTable(f);
    verifyIdle(f);
    // The status bar tells what was done.
    const QString done = w.mainStatusBar()->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^Read 604 channels in \\d+\\.\\d s$")).match(done).hasMatch(),
             qPrintable(done));
    const QStringList commands = radio.commands();
    QCOMPARE(channelCommands(commands, QLatin1Char('R')), CloneDocument::ChannelCount);
    QCOMPARE(commands.size(), CloneDocument::ChannelCount + 1);
    QCOMPARE(commands.last(), QStringLiteral("KV~E"));
}

void tst_Transfers::gridFollowsReadInBatches()
{
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();
    const QAbstractItemModel *model = w.memoryGrid()->model();
    QList<bool> told(CloneDocument::ChannelCount, false);
    int announcements = 0;
    connect(model, &QAbstractItemModel::dataChanged, this, [&](const QModelIndex &from, const QModelIndex &to) {
        ++announcements;
        std::fill(told.begin() + from.row(), told.begin() + to.row() + 1, true);
    });

    start(f, QStringLiteral("mnuReMem"));

    // Far fewer announcements than rows, yet every row told of by the end,
    // and no row marked as differing from the radio just read.
    QVERIFY2(announcements < CloneDocument::ChannelCount / 4, qPrintable(QString::number(announcements)));
    QVERIFY(!told.contains(false));
    for (int r = 0; r < CloneDocument::ChannelCount; ++r)
        QVERIFY2(model->headerData(r, Qt::Vertical, Qt::DecorationRole).isNull(), qPrintable(QString::number(r)));
}

void tst_Transfers::writeMemory_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Write Memory button") << "cmbTxData";
    QTest::newRow("Tool > Write > Memory") << "mnuWrMem";
}

void tst_Transfers::writeMemory()
{
    QFETCH(QString, trigger);
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();

    start(f, trigger);

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.selectedTab(), int(MainWindow::MemoryTab));
    QCOMPARE(w.transferSucceeded(), true);
    verifyIdle(f);
    const QStringList commands = radio.commands();
    QCOMPARE(commands.first(), QStringLiteral("QTR70"));
    QCOMPARE(channelCommands(commands, QLatin1Char('W')), CloneDocument::ChannelCount);
    QCOMPARE(commands.size(), 1 + CloneDocument::ChannelCount + 1);
    // The radio now holds the program's (empty) channel table.
    const QStringList program = QString::fromLatin1(CloneFile::toBytes(f.state.image())).split(QStringLiteral("\r\n"));
    const QStringList memory = radio.memory();
    QCOMPARE(memory.size(), CloneFile::LineCount);
    QCOMPARE(memory.mid(5, CloneDocument::ChannelCount), program.mid(5, CloneDocument::ChannelCount));
}

void tst_Transfers::readSettings_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Read Settings button") << "cmbRxData1";
    QTest::newRow("Tool > Read > Settings") << "mnuReSet";
}

void tst_Transfers::readSettings()
{
    QFETCH(QString, trigger);
    MainWindowFixture f;
    const QString image = writeChangedImage(f);
    QVERIFY(!image.isEmpty());
    Radio radio;
    QVERIFY(radio.start(f, {"--image", image}));
    MainWindow &w = f.load();
    selectTab(w, MainWindow::MemoryTab);

    start(f, trigger);

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.selectedTab(), int(MainWindow::SettingsTab));
    QVERIFY(w.settingsPage()->isVisible());
    QCOMPARE(f.list(QStringLiteral("cmbWPM"))->currentText(), QStringLiteral("26"));
    QCOMPARE(f.vfoCell(0, 0), QStringLiteral("14.000.000"));
    QCOMPARE(f.vfoCell(1, 0), QStringLiteral("7.100.000"));
    QCOMPARE(w.transferSucceeded(), true);
    // Selections made by a read are no edit.
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    verifyIdle(f);
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Read settings"));
    QCOMPARE(radio.commands(), QStringList({"KV~F0300R", "KV~F0320R", "KV~F0400R", "KV~F0500R", "KV~E"}));
}

void tst_Transfers::writeSettings_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Write Settings button") << "cmbTxData1";
    QTest::newRow("Tool > Write > Settings") << "mnuWrSet";
}

void tst_Transfers::writeSettings()
{
    QFETCH(QString, trigger);
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();
    QComboBox *speed = f.list(QStringLiteral("cmbWPM"));
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Down);
    QCOMPARE(speed->currentText(), QStringLiteral("21"));
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    selectTab(w, MainWindow::MemoryTab);

    start(f, trigger);

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.selectedTab(), int(MainWindow::SettingsTab));
    QCOMPARE(w.transferSucceeded(), true);
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    verifyIdle(f);
    const QStringList memory = radio.memory();
    QCOMPARE(memory.size(), CloneFile::LineCount);
    const SettingsCodec::Lines expected = SettingsCodec::encode(f.state.image().selections);
    QCOMPARE(memory.at(1), expected.line1);
    QCOMPARE(memory.at(2), expected.line2);
    QCOMPARE(memory.at(3), VfoCodec::encode(f.state.vfo(0)));
}

void tst_Transfers::autoSelect_data()
{
    QTest::addColumn<QStringList>("radioOptions");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("extended");
    QTest::newRow("QT-R70J extended") << QStringList{"--variant", "J", "--extended"} << 0 << true;
    QTest::newRow("QT-R70T") << QStringList{"--variant", "T"} << 1 << false;
    QTest::newRow("QT-R70A answering to QTR60") << QStringList{"--variant", "A", "--model", "QTR60"} << 3 << false;
}

void tst_Transfers::autoSelect()
{
    QFETCH(QStringList, radioOptions);
    QFETCH(int, option);
    QFETCH(bool, extended);
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f, radioOptions));
    MainWindow &w = f.load();

    start(f, QStringLiteral("cmdAuto"));

    QCOMPARE(f.prompter.shown.size(), 0);
    QVERIFY(w.settingsPage()->modelOption(option)->isChecked());
    QCOMPARE(f.state.image().modelVariant, option);
    QCOMPARE(f.state.image().extendedRange, extended);
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(w.transferSucceeded(), false);
    verifyIdle(f);
    QCOMPARE(radio.commands(), QStringList{"KV~WHO"});
}

void tst_Transfers::readAll()
{
    MainWindowFixture f;
    const QString image = writeChangedImage(f);
    Radio radio;
    QVERIFY(radio.start(f, {"--image", image}));
    MainWindow &w = f.load();

    start(f, QStringLiteral("mnuReAll"));

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.transferSucceeded(), true);
    QCOMPARE(w.selectedTab(), int(MainWindow::MemoryTab));
    QCOMPARE(f.list(QStringLiteral("cmbWPM"))->currentText(), QStringLiteral("26"));
    verifyGridShowsTable(f);
    verifyIdle(f);
    const QStringList commands = radio.commands();
    QCOMPARE(commands.size(), 4 + 1 + CloneDocument::ChannelCount + 1);
    QCOMPARE(commands.at(4), QStringLiteral("KV~E"));
    QCOMPARE(commands.at(5), QStringLiteral("KV~F0600R"));
}

void tst_Transfers::writeAll()
{
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();

    start(f, QStringLiteral("mnuWrAll"));

    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.transferSucceeded(), true);
    QCOMPARE(w.selectedTab(), int(MainWindow::MemoryTab));
    verifyIdle(f);
    QStringList shape;
    for (const QString &command : radio.commands())
        shape.append(command.left(9));
    QStringList expected = {"QTR70", "KV~F0300W", "KV~F0320W", "KV~F0400W", "KV~F0500W", "KV~E", "QTR70"};
    QCOMPARE(shape.mid(0, expected.size()), expected);
    QCOMPARE(shape.size(), expected.size() + CloneDocument::ChannelCount + 1);
    QCOMPARE(shape.last(), QStringLiteral("KV~E"));
}

void tst_Transfers::failure_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("radioPresent");
    QTest::addColumn<QString>("message");
    const QStringList triggers = TransferButtons + QStringList{"mnuReMem", "mnuWrSet", "mnuReAll", "mnuWrAll"};
    for (const QString &trigger : triggers) {
        QTest::addRow("%s, silent radio", qPrintable(trigger)) << trigger << true << "Communication Error";
        QTest::addRow("%s, no such port", qPrintable(trigger)) << trigger << false << "COM Port Error";
    }
}

void tst_Transfers::failure()
{
    QFETCH(QString, trigger);
    QFETCH(bool, radioPresent);
    QFETCH(QString, message);
    MainWindowFixture f;
    Radio radio;
    if (radioPresent)
        QVERIFY(radio.start(f, {"--fault", "silent"}));
    else
        MainWindowFixture::useDevice(MissingDevice);
    MainWindow &w = f.load();
    const bool modelBefore = w.settingsPage()->modelOption(Vocabulary::ModelE)->isChecked();

    start(f, trigger);

    // One message box, captioned "ERROR", with the stop icon.
    QCOMPARE(f.prompter.messages(), QStringList{message});
    QCOMPARE(f.prompter.shown.first().title, QStringLiteral("ERROR"));
    QCOMPARE(f.prompter.shown.first().icon, Prompter::Icon::Critical);
    QCOMPARE(w.transferSucceeded(), false);
    QCOMPARE(w.settingsPage()->modelOption(Vocabulary::ModelE)->isChecked(), modelBefore);
    verifyIdle(f);
    // The status bar names the reason, and the box shows it whole.
    const QString reason = w.mainStatusBar()->text();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(f.prompter.shown.first().reason, reason);
    if (!radioPresent)
        QVERIFY2(reason.contains(MissingDevice), qPrintable(reason));
}

void tst_Transfers::readAllWithFailingSettingsReadsNoMemory()
{
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f, {"--fault", "hang-after=1"}));
    MainWindow &w = f.load();
    selectTab(w, MainWindow::MemoryTab);

    start(f, QStringLiteral("mnuReAll"));

    QCOMPARE(f.prompter.messages(), QStringList{"Communication Error"});
    QCOMPARE(radio.commands(), QStringList({"KV~F0300R", "KV~F0320R"}));
    QCOMPARE(w.transferSucceeded(), false);
    QCOMPARE(w.selectedTab(), int(MainWindow::SettingsTab));
    verifyIdle(f);
}

void tst_Transfers::failedReadSaysWhatItKept()
{
    // The settings, both VFOs and five slots arrive, then the radio falls
    // silent: the box says what the document now holds and how to go back.
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f, {"--fault", "hang-after=10"}));
    f.load();
    const QString before = imageSnapshot(f.state.image());

    start(f, QStringLiteral("mnuReAll"));

    QCOMPARE(f.prompter.messages(), QStringList{"Communication Error"});
    QCOMPARE(f.prompter.shown.first().reason.section('\n', 1),
             QStringLiteral("The settings, the VFOs and slots 0–4 now hold what the radio sent; "
                            "Edit > Undo gives back the document as it was."));
    QVERIFY(imageSnapshot(f.state.image()) != before);
    f.action(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(imageSnapshot(f.state.image()), before);
    verifyIdle(f);
}

void tst_Transfers::signalStopsTheTransferThenCloses()
{
    // A logout's SIGTERM while Write Memory runs: the radio gets its end
    // command, no box waits for an answer, the edit is kept as a recovery
    // copy and the window closes.
    QString kept;
    {
        MainWindowFixture f;
        Radio radio;
        QVERIFY(radio.start(f));
        MainWindow &w = f.load();
        SignalWatcher watcher;
        QObject::connect(&watcher, &SignalWatcher::terminationRequested, &w, &MainWindow::endBySignal);
        QComboBox *dimmer = f.list(QStringLiteral("cmbDimmer"));
        dimmer->setFocus();
        QTest::keyClick(dimmer, Qt::Key_Down);
        QObject::connect(&w.session(), &RadioSession::slotChanged, &w, [](int slot) {
            if (slot == 33)
                ::raise(SIGTERM);
        });

        start(f, QStringLiteral("cmbTxData"));

        QTRY_VERIFY(!w.isVisible());
        QCOMPARE(w.endingSignal(), SIGTERM);
        QCOMPARE(f.prompter.shown.size(), 0);
        const QStringList commands = radio.commands();
        QCOMPARE(commands.last(), QStringLiteral("KV~E"));
        // The window hears of slot 33 while the transfer goes on on its own
        // thread: it stops at the record after the request reached it.
        QVERIFY2(channelCommands(commands, 'W') >= 34 && channelCommands(commands, 'W') < CloneDocument::ChannelCount,
                 qPrintable(QString::number(channelCommands(commands, 'W'))));
        kept = w.recovery()->copyPath();
        QVERIFY(QFile::exists(kept));
    }
    // Left for the next start, which offers it.
    const RecoveryStore store(RecoveryStore::folderForThisUser());
    const QList<RecoveryStore::Orphan> orphans = store.orphans();
    QCOMPARE(orphans.size(), 1);
    QCOMPARE(orphans.first().path, kept);
    RecoveryStore::remove(orphans.first());
}

void tst_Transfers::nightlyBackupBesideTheWindow()
{
    // The README's cron job reads the radio while the window is open and
    // idle; during the window's own transfer the radio is busy.
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();
    start(f, QStringLiteral("mnuReAll"));
    QCOMPARE(f.prompter.shown.size(), 0);

    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("radio")));
    const auto [status, log] = runNightlyBackup(home.path());
    QCOMPARE(status, 0);
    QCOMPARE(log, QString());
    const QString backup = home.filePath(QStringLiteral("radio/radio-%1.R70").arg(QDate::currentDate().toString(Qt::ISODate)));
    CloneImage image;
    QVERIFY2(CloneFile::load(backup, image).ok(), qPrintable(backup));
    QCOMPARE(imageSnapshot(image), imageSnapshot(f.state.image()));

    std::pair<int, QString> during{-1, QString()};
    QObject::connect(&w.session(), &RadioSession::slotChanged, &w, [&](int slot) {
        if (slot == 10)
            during = runNightlyBackup(home.path());
    });
    start(f, QStringLiteral("cmbRxData"));
    QCOMPARE(during.first, 1);
    QVERIFY2(during.second.startsWith(QStringLiteral("COM Port Error: Device busy")), qPrintable(during.second));
    QCOMPARE(f.prompter.shown.size(), 0);  // the window's read went on
}

void tst_Transfers::nothingElseWhileTransferRuns()
{
    MainWindowFixture f;
    Radio radio;
    QVERIFY(radio.start(f));
    MainWindow &w = f.load();
    selectTab(w, MainWindow::MemoryTab);

    // Part way through a Read Memory, try every other way in.
    bool tried = false;
    bool busyLooks = false;
    bool closed = true;
    int tabAfterClick = -1;
    QObject::connect(&w.session(), &RadioSession::slotChanged, &w, [&](int slot) {
        if (slot != 10 || tried)
            return;
        tried = true;
        QTimer::singleShot(0, &w, [&] {
            busyLooks = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor
                && !enabledOnPage(f.button(QStringLiteral("cmbRxData")))
                && !enabledOnPage(f.button(QStringLiteral("cmbTxData")))
                && w.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->isVisible()
                && w.mainStatusBar()->text().startsWith(QStringLiteral("Reading channel "));
            selectTab(w, MainWindow::SettingsTab);
            tabAfterClick = w.selectedTab();
            for (const char *entry : {"mnuReSet", "mnuWrSet", "mnuReMem", "mnuWrMem", "mnuReAll", "mnuWrAll",
                                      "mnuFileNew", "mnuFileOpen", "mnuToolsOptions"})
                f.action(QLatin1String(entry))->trigger();
            closed = w.close();
        });
    });

    start(f, QStringLiteral("cmbRxData"));

    QVERIFY(tried);
    QVERIFY(busyLooks);
    QCOMPARE(tabAfterClick, int(MainWindow::MemoryTab));
    QVERIFY(!closed);
    QVERIFY(w.isVisible());
    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(w.selectedTab(), int(MainWindow::MemoryTab));
    QVERIFY(w.memoryPage()->isVisible());
    const QStringList commands = radio.commands();
    QCOMPARE(commands.size(), CloneDocument::ChannelCount + 1);
    QCOMPARE(channelCommands(commands, QLatin1Char('R')), CloneDocument::ChannelCount);
    verifyIdle(f);
    // Afterwards the window closes as usual.
    QVERIFY(w.close());
}

QTEST_MAIN(tst_Transfers)
#include "tst_Transfers.moc"
