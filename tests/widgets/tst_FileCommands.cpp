// New, Open, Save and Save As in the window: dialogs, caption, the save
// prompt and its answers.

#include "codec/ChannelCodec.h"
#include "files/CloneFile.h"
#include "files/RecentFiles.h"
#include "MainWindowFixture.h"
#include "StateSnapshot.h"
#include "TestFiles.h"
#include "codec/SettingsTable.h"
#include "codec/Vocabulary.h"
#include "edit/SettingsPage.h"
#include "shell/DesktopPrompter.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSettings>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Kind = ScriptedPrompter::Shown::Kind;
using Answer = Prompter::Answer;

namespace {

const QString AppTitle = QStringLiteral("Korvan QT-R70 Clone Utility");
const QString Filter = QStringLiteral("Korvan QT-R70 Clone Files (*.R70);;All Files (*.*)");
// A channel record in use: 80h, then zeros (USB, 0 Hz, no name).
const QString UsedChannel = QStringLiteral("80") + QString(62, QLatin1Char('0'));
constexpr int SampleSlot = 7;

QList<Kind> kindsShown(const ScriptedPrompter &prompter)
{
    QList<Kind> kinds;
    for (const auto &shown : prompter.shown)
        kinds.append(shown.kind);
    return kinds;
}

// The user picks the next item of a list with the keyboard.
void chooseNext(QComboBox *list)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
}

// A clone file with a channel in row 7, the QT-R70T option and key speed 26.
bool writeSample(const QString &path)
{
    CloneImage source;
    source.modelVariant = Vocabulary::ModelT;
    source.selections[size_t(SettingsPage::settingOf(QStringLiteral("cmbWPM")))] = 20;
    return ChannelCodec::decode(UsedChannel, source.channels[SampleSlot]).ok()
        && CloneFile::write(path, source).ok();
}

// The channel row of UsedChannel, stored in the document as a read would.
bool putUsedChannel(CloneDocument &state)
{
    ChannelRow row;
    if (!ChannelCodec::decode(UsedChannel, row).ok())
        return false;
    state.setChannel(SampleSlot, row);
    return true;
}

CloneImage loaded(const QString &path)
{
    CloneImage image;
    if (!CloneFile::load(path, image).ok())
        qWarning("cannot load %s", qPrintable(path));
    return image;
}

} // namespace

class tst_FileCommands : public QObject
{
    Q_OBJECT

private slots:
    void saveNewOpenRoundTrip();
    void saveAfterOpenWritesWithoutDialog();
    void saveAfterNewAsks();
    void savePrompt_data();
    void savePrompt();
    void cancelledDialogDoesNothing_data();
    void cancelledDialogDoesNothing();
    void failedLoadChangesNothing();
    void failedSaveChangesNothing();
    void allFilesListsNamesWithoutADot();
    void recentFiles();
    void fifosNeverHoldTheWindow_data();
    void fifosNeverHoldTheWindow();
};

void tst_FileCommands::saveNewOpenRoundTrip()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const QString path = f.path(QStringLiteral("round.R70"));

    QTest::mouseClick(w.settingsPage()->modelOption(Vocabulary::ModelT), Qt::LeftButton);
    chooseNext(f.list(QStringLiteral("cmbDimmer")));
    QVERIFY(putUsedChannel(f.state));
    const QString channelText = f.memoryCell(SampleSlot, 0);
    QVERIFY(!channelText.isEmpty());
    QCOMPARE(f.state.hasUnsavedChanges(), true);

    // Save without a current file asks for a name, with the clone filter.
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(kindsShown(f.prompter), QList<Kind>{Kind::Save});
    QCOMPARE(f.prompter.shown.last().text, Filter);
    QCOMPARE(w.windowTitle(), QStringLiteral("round.R70 - ") + AppTitle);
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QVERIFY(QFileInfo::exists(path));

    // New: no prompt (nothing unsaved), defaults back, the model stays.
    f.action(QStringLiteral("mnuFileNew"))->trigger();
    QCOMPARE(f.prompter.shown.size(), 1);
    QCOMPARE(w.windowTitle(), AppTitle);
    QCOMPARE(f.memoryCell(SampleSlot, 0), QString());
    QCOMPARE(f.list(QStringLiteral("cmbDimmer"))->currentText(), QStringLiteral("32"));
    QVERIFY(w.settingsPage()->modelOption(Vocabulary::ModelT)->isChecked());

    // Open it again; the dialog starts with the name chosen last.
    QTest::mouseClick(w.settingsPage()->modelOption(Vocabulary::ModelE), Qt::LeftButton);
    f.prompter.answers.enqueue(Answer::No);
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(kindsShown(f.prompter), (QList<Kind>{Kind::Save, Kind::YesNoCancel, Kind::Open}));
    QCOMPARE(f.prompter.shown.at(1).text, QStringLiteral("Save changes to settings?"));
    QCOMPARE(f.prompter.shown.at(1).title, QStringLiteral("Save Changes"));
    QCOMPARE(f.prompter.shown.at(1).icon, Prompter::Icon::Information);
    QCOMPARE(f.prompter.shown.at(2).text, Filter);
    QCOMPARE(f.prompter.shown.at(2).title, path);
    QCOMPARE(f.prompter.messages(), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("round.R70 - ") + AppTitle);
    QCOMPARE(f.memoryCell(SampleSlot, 0), channelText);
    QCOMPARE(f.list(QStringLiteral("cmbDimmer"))->currentText(), QStringLiteral("33"));
    QVERIFY(w.settingsPage()->modelOption(Vocabulary::ModelT)->isChecked());
    QCOMPARE(f.state.hasUnsavedChanges(), false);
}

void tst_FileCommands::saveAfterOpenWritesWithoutDialog()
{
    MainWindowFixture f;
    const QString path = f.path(QStringLiteral("sample.R70"));
    QVERIFY(writeSample(path));
    MainWindow &w = f.load();
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(f.list(QStringLiteral("cmbWPM"))->currentText(), QStringLiteral("26"));

    chooseNext(f.list(QStringLiteral("cmbWPM")));
    f.action(QStringLiteral("mnuFileSave"))->trigger();

    QCOMPARE(kindsShown(f.prompter), QList<Kind>{Kind::Open});
    QCOMPARE(f.state.hasUnsavedChanges(), false);
    QCOMPARE(w.windowTitle(), QStringLiteral("sample.R70 - ") + AppTitle);
    const CloneImage onDisk = loaded(path);
    QCOMPARE(onDisk.selections, f.state.image().selections);
    QCOMPARE(onDisk.channels[SampleSlot].inUse, true);
}

void tst_FileCommands::saveAfterNewAsks()
{
    MainWindowFixture f;
    const QString path = f.path(QStringLiteral("sample.R70"));
    QVERIFY(writeSample(path));
    const QByteArray before = CloneFile::toBytes(loaded(path));
    MainWindow &w = f.load();
    f.prompter.fileNames.enqueue(path);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();

    f.action(QStringLiteral("mnuFileNew"))->trigger();
    f.action(QStringLiteral("tbSave"))->trigger();

    QCOMPARE(kindsShown(f.prompter), (QList<Kind>{Kind::Open, Kind::Save}));
    QCOMPARE(f.prompter.shown.last().title, path);
    // Cancelled: the opened file is untouched.
    QCOMPARE(w.windowTitle(), AppTitle);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_FileCommands::savePrompt_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveName");
    QTest::addColumn<bool>("proceeds");
    for (const char *command : {"new", "open", "close"}) {
        QTest::addRow("%s, Cancel", command) << command << QList<Answer>{Answer::Cancel} << false << false;
        QTest::addRow("%s, No", command) << command << QList<Answer>{Answer::No} << false << true;
        QTest::addRow("%s, Yes and saved", command) << command << QList<Answer>{Answer::Yes} << true << true;
        // The changes would be lost: the command is abandoned instead.
        QTest::addRow("%s, Yes, save cancelled", command) << command << QList<Answer>{Answer::Yes} << false << false;
    }
}

void tst_FileCommands::savePrompt()
{
    QFETCH(QString, command);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveName);
    QFETCH(bool, proceeds);
    MainWindowFixture f;
    MainWindow &w = f.load();
    QVERIFY(putUsedChannel(f.state));
    QTest::mouseClick(w.settingsPage()->modelOption(Vocabulary::ModelJ), Qt::LeftButton);
    QCOMPARE(f.state.hasUnsavedChanges(), true);

    const QString savePath = f.path(QStringLiteral("saved.R70"));
    for (Answer answer : answers)
        f.prompter.answers.enqueue(answer);
    if (saveName)
        f.prompter.fileNames.enqueue(savePath);

    bool went = false;
    if (command == QLatin1String("new")) {
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        went = f.memoryCell(SampleSlot, 0).isEmpty();
    } else if (command == QLatin1String("open")) {
        f.action(QStringLiteral("mnuFileOpen"))->trigger();
        went = kindsShown(f.prompter).contains(Kind::Open);
    } else {
        went = w.close();
    }

    QCOMPARE(went, proceeds);
    QVERIFY(!f.prompter.shown.isEmpty());
    QCOMPARE(f.prompter.shown.first().kind, Kind::YesNoCancel);
    QCOMPARE(f.prompter.shown.first().text, QStringLiteral("Save changes to settings?"));
    QCOMPARE(QFileInfo::exists(savePath), saveName);
    if (saveName)
        QCOMPARE(loaded(savePath).modelVariant, int(Vocabulary::ModelJ));
    if (!proceeds) {
        QVERIFY(w.isVisible());
        QCOMPARE(f.memoryCell(SampleSlot, 0), f.state.channel(SampleSlot).text(ChannelColumn::Frequency));
    }
}

void tst_FileCommands::cancelledDialogDoesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::newRow("Open") << "mnuFileOpen" << int(Kind::Open);
    QTest::newRow("toolbar Open") << "tbOpen" << int(Kind::Open);
    QTest::newRow("Save without a file") << "mnuFileSave" << int(Kind::Save);
    QTest::newRow("Save As") << "mnuFileSaveAs" << int(Kind::Save);
}

void tst_FileCommands::cancelledDialogDoesNothing()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    MainWindowFixture f;
    MainWindow &w = f.load();
    chooseNext(f.list(QStringLiteral("cmbDimmer")));
    const QString listText = f.list(QStringLiteral("cmbDimmer"))->currentText();

    f.prompter.answers.enqueue(Answer::No);
    f.action(entry)->trigger();

    QCOMPARE(f.prompter.shown.last().kind, Kind(kind));
    QCOMPARE(f.prompter.messages(), QStringList());
    QCOMPARE(w.windowTitle(), AppTitle);
    QCOMPARE(f.state.fileName(), QString());
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(f.list(QStringLiteral("cmbDimmer"))->currentText(), listText);
}

void tst_FileCommands::failedLoadChangesNothing()
{
    MainWindowFixture f;
    const QString good = f.path(QStringLiteral("good.R70"));
    QVERIFY(writeSample(good));
    const QString bad = f.path(QStringLiteral("short.R70"));
    {
        QFile file(good);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        // One data line a character short.
        bytes.replace(bytes.indexOf("\r\n", 40) - 1, 1, QByteArray());
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    MainWindow &w = f.load();
    f.prompter.fileNames.enqueue(good);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    const QString caption = w.windowTitle();

    f.prompter.fileNames.enqueue(bad);
    f.action(QStringLiteral("mnuFileOpen"))->trigger();

    QCOMPARE(f.prompter.messages(), QStringList{"Data Error"});
    // The reason under the described text.
    QCOMPARE(f.prompter.shown.last().reason, QStringLiteral("line 2 has 63 characters, not 64"));
    QCOMPARE(f.prompter.shown.last().title, QStringLiteral("ERROR"));
    QCOMPARE(f.prompter.shown.last().icon, Prompter::Icon::Critical);
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(f.state.fileName(), good);
    QCOMPARE(f.list(QStringLiteral("cmbWPM"))->currentText(), QStringLiteral("26"));
    QVERIFY(w.settingsPage()->modelOption(Vocabulary::ModelT)->isChecked());
}

void tst_FileCommands::failedSaveChangesNothing()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    chooseNext(f.list(QStringLiteral("cmbDimmer")));
    f.prompter.fileNames.enqueue(f.path(QStringLiteral("no such folder/x.R70")));

    f.action(QStringLiteral("mnuFileSaveAs"))->trigger();

    QCOMPARE(f.prompter.messages(), QStringList{"File Open Error"});
    QVERIFY2(f.prompter.shown.last().reason.endsWith(f.path(QStringLiteral("no such folder/x.R70"))),
             qPrintable(f.prompter.shown.last().reason));
    QCOMPARE(w.windowTitle(), AppTitle);
    QCOMPARE(f.state.fileName(), QString());
    QCOMPARE(f.state.hasUnsavedChanges(), true);
}

void tst_FileCommands::allFilesListsNamesWithoutADot()
{
    QTemporaryDir dir;
    for (const char *name : {"radio.R70", "radio", "notes.txt"})
        QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    const auto dialog =
        DesktopPrompter::fileDialog(nullptr, Filter, dir.filePath("radio.R70"), QFileDialog::AcceptOpen);
    dialog->show();
    auto *files = dialog->findChild<QFileSystemModel *>();
    QVERIFY(files);
    const QModelIndex folder = files->index(dir.path());
    QTRY_COMPARE(files->rowCount(folder), 1);  // the clone files
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QTest::keyClick(types, Qt::Key_Down);  // the user picks "All Files (*.*)"
    QTRY_COMPARE(files->rowCount(folder), 3);
    QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("All Files (*.*)"));
}

void tst_FileCommands::recentFiles()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    QStringList saved;
    for (int i = 0; i <= RecentFiles::Keep; ++i) {  // one more than are kept
        saved.prepend(f.path(QStringLiteral("radio%1.R70").arg(i)));
        f.prompter.fileNames.enqueue(saved.constFirst());
        f.action("mnuFileSaveAs")->trigger();
    }
    QCOMPARE(RecentFiles::list(), saved.mid(0, RecentFiles::Keep));
    QAction *first = w.findChild<QAction *>("mnuRecent1");
    QCOMPARE(first->text(), QStringLiteral("&1 radio8.R70"));
    QVERIFY(!w.findChild<QAction *>(QStringLiteral("mnuRecent%1").arg(RecentFiles::Keep + 1)));

    // Opening one makes it first; a file that is gone is greyed and can go.
    QVERIFY(QFile::remove(saved.at(1)));
    w.findChild<QAction *>("mnuRecent3")->trigger();
    QCOMPARE(f.state.fileName(), saved.at(2));
    QCOMPARE(w.findChild<QAction *>("mnuRecent1")->text(), QStringLiteral("&1 radio6.R70"));
    QVERIFY(!w.findChild<QAction *>("mnuRecent3")->isEnabled());  // radio7.R70, now third
    w.findChild<QAction *>("mnuRecentRemoveMissing")->trigger();
    QVERIFY(!RecentFiles::list().contains(saved.at(1)));
    QCOMPARE(RecentFiles::list().size(), RecentFiles::Keep - 1);
    QVERIFY(!w.findChild<QAction *>("mnuRecentRemoveMissing"));
    // Kept on disk for the next start.
    QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    settings.sync();
    QVERIFY(readFile(settings.fileName()).contains("radio6.R70"));
}

// Opens a FIFO from both ends if the window has not let go of it within
// a few seconds, which ends any wait in open(); rescued() then tells.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QString &path)
        : m_thread([this, path] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (m_done.wait_for(lock, std::chrono::seconds(5), [this] { return m_finished; }))
                  return;
              m_rescued = true;
              const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
              m_done.wait_for(lock, std::chrono::seconds(5), [this] { return m_finished; });
              ::close(fd);
          })
    {
    }
    ~FifoWatchdog() { finish(); }
    void finish()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    bool rescued() const { return m_rescued; }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::atomic<bool> m_rescued{false};
    std::thread m_thread;
};

void tst_FileCommands::fifosNeverHoldTheWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("reason");
    const QString notRead = "a FIFO, not a file: the window reads only files: ";
    const QString notWritten = "no program reads from it: ";
    QTest::newRow("open") << "mnuFileOpen" << notRead;
    QTest::newRow("a recent file") << "mnuRecent1" << notRead;
    QTest::newRow("import") << "mnuImport" << notRead;
    QTest::newRow("import a channel list") << "mnuImportList" << notRead;
    QTest::newRow("save as") << "mnuFileSaveAs" << notWritten;
    QTest::newRow("export") << "mnuExport" << notWritten;
    QTest::newRow("export a channel list") << "mnuExportList" << notWritten;
}

void tst_FileCommands::fifosNeverHoldTheWindow()
{
    // A name that became a FIFO, with no program at its other end: the
    // window says why at once, and nothing changes.
    QFETCH(QString, action);
    QFETCH(QString, reason);
    MainWindowFixture f;
    const QString fifo = f.path(QStringLiteral("radio.R70"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    MainWindowFixture::keepUserSettingsIn(f.path(QStringLiteral("settings")));
    RecentFiles::add(fifo);  // a file opened before, a FIFO now
    MainWindow &w = f.load();
    const QString before = stateSnapshot(f.state);
    f.prompter.fileNames.enqueue(fifo);

    FifoWatchdog watchdog(fifo);
    f.action(action)->trigger();
    watchdog.finish();

    QVERIFY2(!watchdog.rescued(), "the window waited for the FIFO");
    QCOMPARE(f.prompter.messages(), QStringList{"File Open Error"});
    QCOMPARE(f.prompter.shown.last().reason, reason + fifo);
    QCOMPARE(stateSnapshot(f.state), before);
    QCOMPARE(w.windowTitle(), AppTitle);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

QTEST_MAIN(tst_FileCommands)
#include "tst_FileCommands.moc"
