// Recovery copies: what a window that ended without saving leaves, and the
// next start offering it; the whole way through a real kill -9.
#include "MainWindowFixture.h"
#include "StateSnapshot.h"
#include "codec/Vocabulary.h"
#include "edit/SettingsPage.h"
#include "files/CloneFile.h"
#include "files/RecoveryStore.h"
#include "shell/RecoveryKeeper.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using Answer = Prompter::Answer;

namespace {

const char *const ChildVariable = "QTR70_RECOVERY_CHILD_FILE";
const QString Kept = QStringLiteral("kept");

// The position key speed (cmbWPM) takes after the user's edit.
int editedKeySpeed(const CloneImage &image)
{
    return image.selections[size_t(SettingsPage::settingOf(QStringLiteral("cmbWPM")))];
}

// The edit a user makes: key speed one down the list.
void editKeySpeed(MainWindowFixture &f)
{
    QComboBox *speed = f.list(QStringLiteral("cmbWPM"));
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Down);
}

// A copy left behind by a window that ended, for `documentPath`.
void leaveOrphan(const CloneImage &image, const QString &documentPath)
{
    RecoveryStore store(RecoveryStore::folderForThisUser());
    QVERIFY(store.keep(image, documentPath, QDateTime::currentDateTime()).ok());
}

} // namespace

class tst_Recovery : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void onlyEndedWindowsLeaveOrphans();
    void offeredAtStart_data();
    void offeredAtStart();
    void killedWindowLosesNoEdit();
    void childEditsAndWaits();
};

void tst_Recovery::init()
{
    QStandardPaths::setTestModeEnabled(true);
    for (const RecoveryStore::Orphan &orphan : RecoveryStore(RecoveryStore::folderForThisUser()).orphans())
        RecoveryStore::remove(orphan);
}

void tst_Recovery::onlyEndedWindowsLeaveOrphans()
{
    const QString folder = RecoveryStore::folderForThisUser();
    auto running = std::make_unique<RecoveryStore>(folder);
    QVERIFY(running->keep(CloneImage(), QStringLiteral("/radio.R70"), QDateTime::currentDateTime()).ok());
    const RecoveryStore other(folder);
    QVERIFY(other.orphans().isEmpty());  // its window still runs
    running.reset();
    QCOMPARE(other.orphans().size(), 1);
    QCOMPARE(other.orphans().first().documentPath, QStringLiteral("/radio.R70"));

    // A window whose document is saved again keeps none.
    RecoveryStore saved(folder);
    QVERIFY(saved.keep(CloneImage(), QString(), QDateTime::currentDateTime()).ok());
    saved.discard();
    QVERIFY(saved.copyPath().isEmpty());
    QCOMPARE(other.orphans().size(), 1);
}

void tst_Recovery::offeredAtStart_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<int>("orphansAfter");
    QTest::newRow("Yes restores") << Answer::Yes << true << 0;
    QTest::newRow("No deletes") << Answer::No << false << 0;
    QTest::newRow("Cancel keeps it for later") << Answer::Cancel << false << 1;
}

void tst_Recovery::offeredAtStart()
{
    QFETCH(Answer, answer);
    QFETCH(bool, restored);
    QFETCH(int, orphansAfter);
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("hf-list.R70"));
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    image.selections[size_t(SettingsPage::settingOf(QStringLiteral("cmbWPM")))] = 7;
    leaveOrphan(image, document);

    MainWindowFixture f;
    f.prompter.answers.enqueue(answer);
    MainWindow &w = f.load();

    QCOMPARE(f.prompter.shown.size(), 1);
    QVERIFY2(f.prompter.shown.first().text.startsWith("Unsaved changes to hf-list.R70 were kept when the program ended"),
             qPrintable(f.prompter.shown.first().text));
    QCOMPARE(f.prompter.shown.first().title, QStringLiteral("Restore Changes"));
    QCOMPARE(editedKeySpeed(f.state.image()) == 7, restored);
    QCOMPARE(f.state.hasUnsavedChanges(), restored);
    QCOMPARE(f.state.fileName(), restored ? document : QString());
    QCOMPARE(w.windowTitle(), restored ? QStringLiteral("hf-list.R70 - Korvan QT-R70 Clone Utility") : Vocabulary::appTitle());
    // A restored document is kept again at once, by this window.
    QCOMPARE(QFile::exists(w.recovery()->copyPath()), restored);
    QCOMPARE(RecoveryStore(RecoveryStore::folderForThisUser()).orphans().size(), orphansAfter);
}

void tst_Recovery::killedWindowLosesNoEdit()
{
    // A window edits a file and is killed with SIGKILL: the next start
    // restores the edit, and Save As writes it.
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("radio.R70"));
    QVERIFY(CloneFile::write(document, CloneImage::factory(Vocabulary::ModelE, false)).ok());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(ChildVariable), document);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childEditsAndWaits")});
    QVERIFY(child.waitForStarted());
    QString said;
    while (!said.contains(Kept) && child.waitForReadyRead(30000))
        said += QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(said.contains(Kept), qPrintable(said));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    MainWindowFixture f;
    f.prompter.answers.enqueue(Answer::Yes);
    f.load();
    QCOMPARE(f.state.fileName(), document);
    const QString saved = dir.filePath(QStringLiteral("saved.R70"));
    f.prompter.fileNames.enqueue(saved);
    f.action(QStringLiteral("mnuFileSaveAs"))->trigger();
    CloneImage image;
    QVERIFY(CloneFile::load(saved, image).ok());
    QCOMPARE(editedKeySpeed(image), editedKeySpeed(CloneImage::factory(Vocabulary::ModelE, false)) + 1);
    // Saved: no copy is kept any more.
    QVERIFY(!f.state.hasUnsavedChanges());
    QVERIFY(f.window().recovery()->copyPath().isEmpty());
    QVERIFY(RecoveryStore(RecoveryStore::folderForThisUser()).orphans().isEmpty());
}

void tst_Recovery::childEditsAndWaits()
{
    // The window killedWindowLosesNoEdit kills: opens the file, changes the
    // key speed, says when the copy is kept, and waits to be killed.
    const QString document = qEnvironmentVariable(ChildVariable);
    if (document.isEmpty())
        QSKIP("runs only as the window another case kills");
    MainWindowFixture f;
    f.state.setCommandLineFile(document);
    MainWindow &w = f.load();
    editKeySpeed(f);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(w.recovery()->copyPath()), RecoveryKeeper::DelayMs * 3);
    std::printf("%s\n", qPrintable(Kept));
    std::fflush(stdout);
    QTest::qWait(60000);
    QFAIL("the window was not killed");
}

QTEST_MAIN(tst_Recovery)
#include "tst_Recovery.moc"
