// On a Japanese desktop (LANG=ja_JP.UTF-8) every text of the program's own is
// Japanese: the windows and dialogs, their prompts and status texts, the
// accessible names, Qt's own dialogs, the PDF and the command-line tool. The
// texts the radio's program has always shown in English stay English.
#include "MainWindowFixture.h"
#include "SimProcess.h"
#include "app/InterfaceLanguage.h"
#include "codec/ChannelLabel.h"
#include "codec/SettingsTable.h"
#include "codec/Vocabulary.h"
#include "edit/ChannelDialog.h"
#include "files/BackupStore.h"
#include "files/CloneFile.h"
#include "files/TextTable.h"
#include "report/ChannelReport.h"
#include "report/ReportOptions.h"
#include "shell/AboutBox.h"
#include "shell/BackupsDialog.h"
#include "shell/GuideWindow.h"
#include "shell/ImportPreviewDialog.h"
#include "shell/LocalizeForm.h"
#include "shell/MainStatusBar.h"
#include "shell/MainWindow.h"
#include "shell/PdfExportDialog.h"
#include "shell/PortDialog.h"
#include "shell/SeveralRadiosDialog.h"
#include "FakeSerialPortList.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

bool hasJapanese(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF61 && u <= 0xFF9F))
            return true;
    }
    return false;
}

// English words a user would read: a text without Japanese that holds a
// word of three lower-case letters or more ("Not found"; not "USB", "VFO A",
// "14.074.000" or "A12").
bool readsEnglish(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[a-z]{3,}"));
    return !hasJapanese(text) && word.match(text).hasMatch();
}

// The texts the radio's program shows in English on every desktop.
QSet<QString> keptEnglish()
{
    QSet<QString> kept;
    for (const SettingDescriptor &d : SettingsTable::all()) {
        kept.insert(d.caption);
        for (const QString &item : d.items)
            kept.insert(item.trimmed());
    }
    for (const QString &header : ChannelLabel::memoryHeaders() + ChannelLabel::vfoHeaders())
        kept.insert(header);
    for (const ChannelColumn column : Vocabulary::ListedColumns) {
        for (const QString &item : Vocabulary::items(column))
            kept.insert(item.trimmed());
    }
    kept.insert(Vocabulary::appTitle());
    for (const char *text :
         {"Settings", "Memory", "Settings 1", "Memorys", "Read Settings", "Write Settings", "Auto Select", "Model",
          "Read Memory", "Write Memory", "Clear", "Clear All", "Up", "Down", "Insert", "Delete", "Version 1.00.00",
          "About Korvan Clone Utility", "COM Port Setup",
          // the edit dialog
          "Modify ", "Frequency", "Name", "Split Frequency", "RF Gain", "Power", "Noise Blanker", "Memory A",
          "Memory B", "Cancel"})
        kept.insert(QString::fromUtf8(text).trimmed());
    return kept;
}

// Every text a window shows or says: captions, labels, buttons, group
// titles, tooltips, status tips, accessible names and descriptions,
// placeholders, tabs, list items, column headers and actions.
QStringList textsOf(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : std::as_const(widgets)) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->placeholderText();
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto *list = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    for (QAction *action : root->findChildren<QAction *>())
        texts << action->text() << action->toolTip() << action->statusTip();
    return texts;
}

} // namespace

class tst_Japanese : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { m_english.clear(); }
    void windowAndDialogsSpeakJapanese();
    void transfersAndPromptsSpeakJapanese();
    void importPreviewSpeaksJapanese();
    void qtDialogsAndThePdfSpeakJapanese();
    void longstandingEnglishTextsStay();
    void commandLineToolSpeaksJapanese();

private:
    // Records each English text of `texts` that is none of the kept ones.
    void expectJapanese(const QString &where, const QStringList &texts);

    SimProcess m_sim;
    QSet<QString> m_kept;
    QStringList m_english;
};

void tst_Japanese::expectJapanese(const QString &where, const QStringList &texts)
{
    static const QRegularExpression devicePath(QStringLiteral("/dev/\\S+"));
    for (QString text : texts) {
        text = text.trimmed();
        if (!m_kept.contains(text))
            text.remove(devicePath);
        if (!text.isEmpty() && !m_kept.contains(text.trimmed()) && readsEnglish(text))
            m_english << where + QStringLiteral(": ") + text;
    }
}

void tst_Japanese::initTestCase()
{
    QVERIFY(InterfaceLanguage::systemIsJapanese());
    // main() loaded both catalogs: ours and Qt's.
    QCOMPARE(QCoreApplication::translate("FindBar", "Not found") == QLatin1String("Not found"), false);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:") == QLatin1String("Look in:"), false);
    // Dialogs take the proportional Japanese font.
    QCOMPARE(QApplication::font().family(), QStringLiteral("IPAPGothic"));
    m_kept = keptEnglish();
    QVERIFY(m_sim.start({}));
    MainWindowFixture::useDevice(m_sim.devicePath());
}

void tst_Japanese::windowAndDialogsSpeakJapanese()
{
    MainWindowFixture f(StringTable::Language::Japanese);
    MainWindow &w = f.load();
    f.action(QStringLiteral("mnuFind"))->trigger();
    for (const int tab : {MainWindow::SettingsTab, MainWindow::MemoryTab}) {
        selectTab(w, tab);
        expectJapanese(QStringLiteral("window"), textsOf(&w));
    }
    ChannelDialog *edit = w.editDialog();
    expectJapanese(QStringLiteral("edit dialog"), textsOf(edit));

    PdfExportDialog pdf(&w);
    expectJapanese(QStringLiteral("Export PDF"), textsOf(&pdf));
    auto ports = std::make_shared<FakeSerialPortList>(
        QList<DetectedPort>{FakeSerialPortList::device(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"))});
    PortDialog portDialog(f.port, ports, PortAssignments(f.path(QStringLiteral("ports.ini"))), &w);
    expectJapanese(QStringLiteral("port dialog"), textsOf(&portDialog));
    SeveralRadiosDialog several(f.state.image(), ports, {}, &w);
    expectJapanese(QStringLiteral("several radios"), textsOf(&several));
    AboutBox about(&w);
    expectJapanese(QStringLiteral("about box"), textsOf(&about));
    GuideWindow guide(&w);
    const QString guideText = guide.findChild<QTextBrowser *>()->toPlainText();
    QVERIFY2(guideText.startsWith(QStringLiteral("QT-R70 クローンユーティリティ")), qPrintable(guideText.left(80)));
    QVERIFY2(m_english.isEmpty(), qPrintable(m_english.join(QLatin1Char('\n'))));
}

void tst_Japanese::transfersAndPromptsSpeakJapanese()
{
    MainWindowFixture f(StringTable::Language::Japanese);
    MainWindow &w = f.load();
    QStringList said;
    f.action(QStringLiteral("mnuReAll"))->trigger();
    QVERIFY(f.waitForTransfer());
    said << w.mainStatusBar()->text();
    QVERIFY2(said.last().startsWith(QStringLiteral("設定と 604 チャンネルを")), qPrintable(said.last()));

    // Write Changes: its question and its result.
    f.state.clearChannel(0);
    f.prompter.answers.enqueue(Prompter::Answer::Ok);
    f.action(QStringLiteral("mnuWrChanges"))->trigger();
    QVERIFY(f.waitForTransfer());
    said << w.mainStatusBar()->text();

    // Go To, Sort, Set for Selected and their results.
    f.prompter.texts << QStringLiteral("999");
    f.action(QStringLiteral("mnuGoTo"))->trigger();
    said << w.mainStatusBar()->text();
    f.action(QStringLiteral("mnuSort"))->trigger();
    f.action(QStringLiteral("mnuSetForSelected"))->trigger();
    f.action(QStringLiteral("mnuCopy"))->trigger();
    said << w.mainStatusBar()->text();
    for (const ScriptedPrompter::Shown &shown : std::as_const(f.prompter.shown))
        said << shown.text.split(QLatin1Char('\n')) << shown.title << shown.items;
    QCOMPARE(f.prompter.shown.size(), 4);  // the question, Go To, Sort, Set for Selected
    expectJapanese(QStringLiteral("said"), said);

    // The backups window, with a comparison listed.
    BackupsDialog backups(w.backupStore(), f.state.image(), &w);
    QTest::mouseClick(backups.findChild<QPushButton *>(QStringLiteral("cmdCompare")), Qt::LeftButton);
    expectJapanese(QStringLiteral("backups"), textsOf(&backups));
    const QString differences = backups.findChild<QPlainTextEdit *>()->toPlainText();
    expectJapanese(QStringLiteral("differences"), differences.split(QLatin1Char('\n')));
    QVERIFY2(m_english.isEmpty(), qPrintable(m_english.join(QLatin1Char('\n'))));
}

void tst_Japanese::importPreviewSpeaksJapanese()
{
    MainWindowFixture f(StringTable::Language::Japanese);
    f.load();
    // The file name is data: it reads as no English word.
    const QString list = f.path(QStringLiteral("20M.CSV"));
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power,Skip\n"
               "0,FT8,14.074000,,0.000000,,88.5,88.5,USB,50W,\n"
               "1,WSPR,14.095600,,0.000000,Tone,99.9,88.5,DV,5W,S\n"
               "2,BEACON,abc,,,,,,FM,,\n");
    file.close();
    QStringList shown;
    f.prompter.onPreview = [&shown](ImportPreviewDialog &preview) {
        shown << textsOf(&preview);
        const auto *rows = preview.findChild<QTableWidget *>();
        for (int r = 0; r < rows->rowCount(); ++r)
            shown << rows->item(r, rows->columnCount() - 1)->text();
    };
    f.prompter.fileNames << list;
    f.prompter.answers << Prompter::Answer::Ok;
    f.action(QStringLiteral("mnuImportList"))->trigger();
    QVERIFY(!shown.isEmpty());
    shown << f.window().mainStatusBar()->text();
    expectJapanese(QStringLiteral("import preview"), shown);
    QVERIFY2(m_english.isEmpty(), qPrintable(m_english.join(QLatin1Char('\n'))));
}

void tst_Japanese::qtDialogsAndThePdfSpeakJapanese()
{
    QFileDialog files(nullptr, QString(), QString(), QStringLiteral("*.R70"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texts;
    for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        texts << files.findChild<QLabel *>(QLatin1String(name))->text();
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    for (QAbstractButton *button : box.buttons())
        texts << button->text();
    expectJapanese(QStringLiteral("Qt's dialogs"), texts);

    CloneImage image = CloneImage::factory(Vocabulary::ModelJ, false);
    ReportOptions options;
    const ChannelReport report(image, options);
    const auto document = report.document(QSizeF(600, 800));
    QStringList printed = document->toPlainText().split(QRegularExpression(QStringLiteral("[\\n\\x{2029}:]")));
    printed << report.title() << report.footer(1, 2);
    expectJapanese(QStringLiteral("PDF"), printed);
    QVERIFY2(m_english.isEmpty(), qPrintable(m_english.join(QLatin1Char('\n'))));
}

void tst_Japanese::longstandingEnglishTextsStay()
{
    MainWindowFixture f(StringTable::Language::Japanese);
    MainWindow &w = f.load();
    QCOMPARE(f.button(QStringLiteral("cmbRxData"))->text(), QStringLiteral("Read Memory"));
    QCOMPARE(f.action(QStringLiteral("mnuFile"))->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(w.editDialog()->windowTitle(), QStringLiteral("Modify "));
    // A file that is no clone file: the box it always gave, word for word.
    const QString broken = f.path(QStringLiteral("broken.R70"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no clone file\r\n");
    file.close();
    f.prompter.fileNames << broken;
    f.action(QStringLiteral("mnuFileOpen"))->trigger();
    QVERIFY(!f.prompter.shown.isEmpty());
    QCOMPARE(f.prompter.shown.last().text, QStringLiteral("Data Error"));
    QCOMPARE(f.prompter.shown.last().title, QStringLiteral("ERROR"));
}

void tst_Japanese::commandLineToolSpeaksJapanese()
{
    const QString tool = qEnvironmentVariable("QTR70_BIN");
    QVERIFY(!tool.isEmpty());
    const auto run = [&tool](const QStringList &arguments, int &exitCode) {
        QProcess process;
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        process.start(tool, arguments);
        process.waitForFinished(30000);
        exitCode = process.exitCode();
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    };
    int exitCode = -1;
    const QString help = run({QStringLiteral("--help")}, exitCode);
    QCOMPARE(exitCode, 0);
    // Each line reads Japanese beside its command and options.
    static const QRegularExpression synopsis(QStringLiteral("^\\s+[a-z][-a-z]*(?: \\S+)*(?:\\s{2,}|$)"));
    QStringList descriptions;
    for (const QString &line : help.split(QLatin1Char('\n')))
        descriptions << QString(line).remove(synopsis);
    expectJapanese(QStringLiteral("qtr70 --help"), descriptions);
    QVERIFY2(help.contains(QStringLiteral("qtr70 COMMAND")), qPrintable(help));

    // The port table: its headings and words, the device paths aside; its
    // columns line up under Japanese headings.
    const QString ports = run({QStringLiteral("ports")}, exitCode);
    QCOMPARE(exitCode, 0);
    QStringList portLines = ports.split(QLatin1Char('\n'));
    for (QString &line : portLines)
        line.remove(QRegularExpression(QStringLiteral("/dev/\\S+|QTR70_COM<n>|qtr70")));
    expectJapanese(QStringLiteral("qtr70 ports"), portLines);
    const QStringList lines = ports.split(QLatin1Char('\n'));
    const qsizetype heading = lines.indexOf(QStringLiteral("ポート:"));
    QVERIFY2(heading >= 0 && lines.size() > heading + 2, qPrintable(ports));
    const QString titles = lines.at(heading + 1);
    const QString port1 = lines.at(heading + 2);
    QCOMPARE(TextTable::columns(titles.left(titles.indexOf(QStringLiteral("デバイス")))),
             int(port1.indexOf(QStringLiteral("/dev/"))));

    const QString readHelp = run({QStringLiteral("read"), QStringLiteral("--help")}, exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(readHelp.contains(QStringLiteral("オプション")), qPrintable(readHelp));  // Qt's own words too

    // A failure keeps the words scripts match and its exit status.
    const QString missing = run({QStringLiteral("show"), QStringLiteral("/nonexistent/x.R70")}, exitCode);
    QCOMPARE(exitCode, 3);
    QVERIFY2(missing.startsWith(QStringLiteral("File Open Error: ")), qPrintable(missing));
    const QString noCommand = run({QStringLiteral("frobnicate")}, exitCode);
    QCOMPARE(exitCode, 2);
    QVERIFY2(noCommand.startsWith(QStringLiteral("qtr70: ")) && hasJapanese(noCommand.section(QLatin1Char('\n'), 0, 0)),
             qPrintable(noCommand));
    QVERIFY2(m_english.isEmpty(), qPrintable(m_english.join(QLatin1Char('\n'))));
}

// The desktop's language is read at start-up, as the program reads it.
int main(int argc, char *argv[])
{
    qputenv("LANG", "ja_JP.UTF-8");
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    QApplication app(argc, argv);
    if (!InterfaceLanguage::install(app, InterfaceLanguage::systemIsJapanese()))
        qWarning("the Japanese catalogs could not be loaded");
    LocalizeForm::applyToProgram(StringTable::forSystem());
    tst_Japanese test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Japanese.moc"
