// The window's shell: menus, toolbar, view toggles, tabs, status bar, the
// about box, the port dialog, the string table and closing.

#include "shell/LocalizeForm.h"
#include "shell/MainStatusBar.h"
#include "MainWindowFixture.h"
#include "shell/DesktopPrompter.h"
#include "shell/DesignedPlacement.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/VfoGrid.h"
#include "edit/SettingsPage.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"
#include "edit/Twips.h"
#include "shell/PortDialog.h"
#include "shell/AboutBox.h"
#include "shell/MainWindow.h"
#include "shell/StringTable.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QHeaderView>
#include <QTextBrowser>
#include <QScreen>
#include <QInputDialog>
#include <QtTest>

using Language = StringTable::Language;
Q_DECLARE_METATYPE(StringTable::Language)

namespace {

const QStringList PlacementKeys = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

QSettings placementStore()
{
    return QSettings(QStringLiteral("Korvan QT-R70 Clone Utility"), QStringLiteral("Korvan QT-R70 Clone Utility"));
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `inside` as soon as the modal window that `open` shows is up.
void whileModal(const std::function<void()> &open, const std::function<void()> &inside)
{
    QTimer::singleShot(0, inside);
    open();
}

} // namespace

class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void viewToggles_data();
    void viewToggles();
    void printEntriesInert();
    void userGuideOnF1();
    void tabsSwitchPages();
    void smallWindowScrollsPages();
    void neverOpensLargerThanTheScreen();
    void questionsShowTheirWholeTitle();
    void statusBarShowsDateAndTime();
    void aboutOkHidesAndReopens();
    void portDialog();
    void portLetGoOfBetweenTransfers();
    void localizedTexts_data();
    void localizedTexts();
    void languageOfTheSystem_data();
    void languageOfTheSystem();
    void localizeFormWalk_data();
    void localizeFormWalk();
    void closeSavesPortAndPlacement();
    void closeMinimizedWritesNoPlacement();
    void closeClosesOtherWindows();
};

void tst_Shell::viewToggles_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("bar");
    QTest::newRow("Tool Bar") << "mnuViewToolbar" << "tbToolBar";
    QTest::newRow("Status Bar") << "mnuStatusBar" << "sbStatusBar";
}

void tst_Shell::viewToggles()
{
    QFETCH(QString, entry);
    QFETCH(QString, bar);
    for (int run = 0; run < 2; ++run) {
        // Each start shows both bars, whatever the last run did.
        MainWindowFixture f;
        MainWindow &w = f.load();
        QAction *toggle = f.action(entry);
        QWidget *widget = w.findChild<QWidget *>(bar);
        QVERIFY(toggle && widget);
        QVERIFY(toggle->isChecked());
        QVERIFY(widget->isVisible());
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        QVERIFY(!widget->isVisible());
        if (run == 1) {
            toggle->trigger();
            QVERIFY(toggle->isChecked());
            QVERIFY(widget->isVisible());
        }
    }
}

void tst_Shell::printEntriesInert()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    QTest::mouseClick(w.settingsPage()->modelOption(Vocabulary::ModelJ), Qt::LeftButton);
    const auto file = w.findChild<QMenu *>(QStringLiteral("mnuFile"));
    for (const char *name : {"mnuFilePageSetup", "mnuFilePrint"}) {
        QAction *entry = f.action(QLatin1String(name));
        QVERIFY(entry);
        QVERIFY(file->actions().contains(entry));
        QVERIFY(!entry->isEnabled());
        // Greyed, but saying where printing is.
        QVERIFY2(entry->statusTip().contains("File > Export PDF"), qPrintable(entry->statusTip()));
        entry->trigger();
    }
    QCOMPARE(f.prompter.shown.size(), 0);
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QVERIFY(w.isVisible());
}

void tst_Shell::userGuideOnF1()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    QTest::keyClick(&w, Qt::Key_F1);
    auto *guide = w.findChild<QDialog *>(QStringLiteral("frmGuide"));
    QVERIFY(guide && guide->isVisible());
    QVERIFY(!guide->isModal());  // read beside the window
    const QString text = guide->findChild<QTextBrowser *>(QStringLiteral("txtGuide"))->toPlainText();
    for (const char *part : {"Connect the radio", "Read the radio", "Write the radio", "Backups and recovery", "Communication Error"})
        QVERIFY2(text.contains(QLatin1String(part)), part);
}

void tst_Shell::tabsSwitchPages()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    auto *tabs = w.findChild<QTabBar *>(QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(w.memoryPage()->isVisible() && w.memoryPage()->isEnabled());
    QVERIFY(!w.settingsPage()->isVisible() && !w.settingsPage()->isEnabled());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QVERIFY(w.settingsPage()->isVisible() && w.settingsPage()->isEnabled());
    QVERIFY(!w.memoryPage()->isEnabled());
}

void tst_Shell::smallWindowScrollsPages()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const QStringList pageButtons[] = {{"cmdAuto", "cmbRxData1", "cmbTxData1"},
                                       {"cmbClear", "cmbClAll", "Command5", "Command4", "cmbInsert", "cmbDelete", "cmbRxData", "cmbTxData"}};
    QHash<QString, QSize> designed;
    for (const QString &name : pageButtons[0] + pageButtons[1])
        designed.insert(name, f.button(name)->size());

    w.resize(480, 380);
    auto *area = w.findChild<QScrollArea *>(QStringLiteral("PageArea"));
    QVERIFY(area->horizontalScrollBar()->maximum() > 0 && area->verticalScrollBar()->maximum() > 0);
    for (int tab : {MainWindow::SettingsTab, MainWindow::MemoryTab}) {
        selectTab(w, tab);
        for (const QString &name : pageButtons[tab]) {
            // Each button keeps its size and comes whole into view when scrolled to.
            QPushButton *button = f.button(name);
            QCOMPARE(button->size(), designed.value(name));
            area->ensureWidgetVisible(button, 0, 0);
            QVERIFY2(area->viewport()->rect().contains(QRect(button->mapTo(area->viewport(), QPoint()), button->size())),
                     qPrintable(name));
        }
    }
}

void tst_Shell::neverOpensLargerThanTheScreen()
{
    // A designed size taller and wider than the screen (a scale of 200 %,
    // a large font) opens at the screen's room.
    QWidget window;
    int kept = 0;
    DesignedPlacement placement(&window, [&kept] { ++kept; }, [] {});
    const QSize room = window.screen()->availableGeometry().size();
    placement.open(room + QSize(300, 400));
    QCOMPARE(window.size(), room);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.frameGeometry().height() <= room.height());
    QCOMPARE(kept, 1);  // measured where it opened
}

void tst_Shell::questionsShowTheirWholeTitle()
{
    // "Set for Selected" was cut to "Set fo… lected" in a narrow box.
    DesktopPrompter prompter;
    int width = 0;
    QString label;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        width = dialog->width();
        label = dialog->labelText();
        dialog->reject();
    });
    QCOMPARE(prompter.askChoice(nullptr, QStringLiteral("Column to set for the 3 selected channels in use:"),
                                QStringLiteral("Set for Selected"), {"Mode", "Gain"}),
             -1);
    const QFontMetrics titleBar(QApplication::font("QMdiSubWindowTitleBar"));
    QVERIFY2(width > titleBar.horizontalAdvance(QStringLiteral("Set for Selected")) + 100, qPrintable(QString::number(width)));
    QCOMPARE(label, QStringLiteral("Column to set for the 3 selected channels in use:"));
}

void tst_Shell::statusBarShowsDateAndTime()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const MainStatusBar *bar = w.mainStatusBar();
    QCOMPARE(bar->objectName(), QStringLiteral("sbStatusBar"));
    QCOMPARE(bar->text(), QString());
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    // The clock may just have moved on since the panels were written.
    QVERIFY(bar->timeText() == locale.toString(now.time(), QLocale::ShortFormat)
            || bar->timeText() == locale.toString(now.addSecs(-1).time(), QLocale::ShortFormat));
    QVERIFY(bar->dateText() == locale.toString(now.date(), QLocale::ShortFormat)
            || bar->dateText() == locale.toString(now.addSecs(-1).date(), QLocale::ShortFormat));
    QCOMPARE(bar->findChild<QLabel *>(QStringLiteral("sbPanelTime"))->width(), Twips::toPixelsX(1440, bar));
}

void tst_Shell::aboutOkHidesAndReopens()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    AboutBox *first = nullptr;
    bool sysInfoAvailable = true;
    QStringList texts;
    whileModal([&] { f.action(QStringLiteral("mnuHelpAbout"))->trigger(); },
               [&] {
                   first = w.findChild<AboutBox *>();
                   QVERIFY(first && first->isVisible() && first->isModal());
                   texts << first->windowTitle() << first->findChild<QLabel *>("lblTitle")->text()
                         << first->findChild<QLabel *>("lblVersion")->text();
                   auto *sysInfo = first->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
                   sysInfoAvailable = sysInfo->isEnabled();
                   QTest::mouseClick(sysInfo, Qt::LeftButton);
                   QVERIFY(first->isVisible());
                   QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
               });
    QVERIFY(first);
    QVERIFY(!first->isVisible());
    QVERIFY(!sysInfoAvailable);
    QCOMPARE(texts, QStringList({"About Korvan Clone Utility", "Korvan QT-R70 Clone Utility", "Version 1.00.00"}));

    // The toolbar's Help button shows the same box again.
    AboutBox *second = nullptr;
    whileModal([&] { f.action(QStringLiteral("tbHelp"))->trigger(); },
               [&] {
                   second = w.findChild<AboutBox *>();
                   QVERIFY(second && second->isVisible());
                   QTest::mouseClick(second->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
               });
    QCOMPARE(second, first);
    QCOMPARE(w.findChildren<AboutBox *>().size(), 1);
}

void tst_Shell::portDialog()
{
    MainWindowFixture f;
    QVERIFY(f.writePortFile("3\r\n"));
    const QString present = f.path(QStringLiteral("QT-R70.ini"));
    qputenv("QTR70_COM2", present.toLocal8Bit());
    qputenv("QTR70_COM9", f.path(QStringLiteral("missing-tty")).toLocal8Bit());
    MainWindow &w = f.load();

    QStringList captions;
    QList<QPoint> cells;
    QString selected;
    QStringList tips;
    whileModal([&] { f.action(QStringLiteral("mnuToolsOptions"))->trigger(); },
               [&] {
                   auto *dialog = w.findChild<PortDialog *>(QStringLiteral("dlgCOM"));
                   QVERIFY(dialog && dialog->isVisible());
                   QCOMPARE(dialog->windowTitle(), QStringLiteral("COM Port Setup"));
                   QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("CancelButton")));
                   for (int i = 0; i < 14; ++i) {
                       QRadioButton *option = dialog->option(i);
                       QCOMPARE(option->objectName(), QStringLiteral("opbCom"));
                       captions.append(option->text());
                       cells.append(option->pos());
                       if (option->isChecked())
                           selected = option->text();
                   }
                   tips << dialog->option(1)->toolTip() << dialog->option(8)->toolTip();
                   QTest::mouseClick(dialog->option(10), Qt::LeftButton);
                   QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
               });
    QCOMPARE(captions, QStringList({"COM  1", "COM  2", "COM  3", "COM  4", "COM  5", "COM  6", "COM  7",
                                    "COM  8", "COM  9", "COM 10", "COM 11", "COM 12", "COM 13", "COM 14"}));
    // Two columns of seven.
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(cells[i + 7].y(), cells[i].y());
        QVERIFY(cells[i + 7].x() > cells[i].x());
        if (i > 0)
            QVERIFY(cells[i].y() > cells[i - 1].y());
    }
    QCOMPARE(selected, QStringLiteral("COM  3"));
    QCOMPARE(tips, QStringList({present + " (present)", f.path("missing-tty") + " (not present)"}));
    QCOMPARE(w.port().portNumber(), 11);

    // Closed without OK: nothing changes.
    whileModal([&] { f.action(QStringLiteral("mnuToolsOptions"))->trigger(); },
               [&] {
                   auto *dialog = w.findChild<PortDialog *>(QStringLiteral("dlgCOM"));
                   QVERIFY(dialog->option(10)->isChecked());
                   QTest::mouseClick(dialog->option(0), Qt::LeftButton);
                   dialog->close();
               });
    QCOMPARE(w.port().portNumber(), 11);
    qunsetenv("QTR70_COM2");
    qunsetenv("QTR70_COM9");
}

void tst_Shell::portLetGoOfBetweenTransfers()
{
    // The window holds the port only while a transfer runs.
    if (qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        QSKIP("the virtual radio is not built (QTR70_SIM_BIN unset)");
    MainWindowFixture f;
    SimProcess sim;
    QVERIFY(sim.start({}));
    MainWindowFixture::useDevice(sim.devicePath());
    MainWindow &w = f.load();
    bool openWhileReading = false;
    QObject::connect(&w.session(), &RadioSession::partRead, &w, [&] { openWhileReading = w.port().isOpen(); });
    f.action(QStringLiteral("mnuReSet"))->trigger();
    QVERIFY(f.waitForTransfer());
    QCOMPARE(f.prompter.shown.size(), 0);
    QVERIFY(openWhileReading);
    QVERIFY(!w.port().isOpen());
}

void tst_Shell::localizedTexts_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    const struct
    {
        const char *object;
        const char *english;
        const char *japanese;
    } rows[] = {
        {"mnuFile", "File(&F)", "ﾌｧｲﾙ(&F)"},
        {"mnuFileOpen", "Open(&O)...", "開く(&O)..."},
        {"mnuFileExit", "Exit(&X)...", "終了(&X)"},
        {"mnuViewToolbar", "Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"},
        {"mnuStatusBar", "Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"},
        {"mnuRe", "Read(&R)", "読み出し(&R)"},
        {"mnuWrMem", "Memory(&M)", "メモリー(&M)"},
        {"mnuReAll", "ALL(&A)", "すべて(&A)"},
        {"mnuToolsOptions", "COM Port Setup(&C)", "COM ポートセットアップ(&C)"},
        {"mnuHelpAbout", "About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
        {"tbNew", "New", "新規作成"},
        {"tbSave", "Save", "上書き保存"},
        {"tbHelp", "Help", "ﾍﾙﾌﾟ"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s English", row.object) << Language::English << row.object << QString::fromUtf8(row.english);
        QTest::addRow("%s Japanese", row.object) << Language::Japanese << row.object << QString::fromUtf8(row.japanese);
    }
}

void tst_Shell::localizedTexts()
{
    QFETCH(Language, language);
    QFETCH(QString, object);
    QFETCH(QString, text);
    MainWindowFixture f(language);
    MainWindow &w = f.load();
    QAction *action = f.action(object);
    QVERIFY(action);
    // Toolbar buttons carry their text as tooltip, menu entries as caption.
    const bool toolButton = w.findChild<QToolBar *>(QStringLiteral("tbToolBar"))->actions().contains(action);
    QCOMPARE(toolButton ? action->toolTip() : action->text(), text);
    // Texts outside the string table stay as designed.
    QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("cmbRxData1"))->text(), QStringLiteral("Read Settings"));
    // The Japanese window has a proportional font for Latin and Japanese.
    QCOMPARE(w.font().family(),
             language == Language::Japanese ? QStringLiteral("IPAPGothic") : QApplication::font().family());
    QCOMPARE(w.font().pointSize(), QApplication::font().pointSize());
    // The grids' headers and labels too.
    for (const QHeaderView *header : {w.memoryGrid()->horizontalHeader(), w.memoryGrid()->verticalHeader(),
                                      w.vfoGrid()->horizontalHeader()})
        QCOMPARE(QFontInfo(header->font()).family(), QFontInfo(w.font()).family());
}

void tst_Shell::languageOfTheSystem_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("language");
    QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << Language::Japanese;
    QTest::newRow("plain ja") << QStringList{"ja"} << Language::Japanese;
    QTest::newRow("English") << QStringList{"en-US"} << Language::English;
    QTest::newRow("Japanese second") << QStringList{"de-DE", "ja-JP"} << Language::English;
    QTest::newRow("Javanese") << QStringList{"jv-ID"} << Language::English;
    QTest::newRow("none") << QStringList{} << Language::English;
}

void tst_Shell::languageOfTheSystem()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, language);
    QCOMPARE(StringTable::languageFor(uiLanguages), language);
}

void tst_Shell::localizeFormWalk_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::newRow("tag and tooltip ids") << "1016" << "1021" << "ﾊﾞｰｼﾞｮﾝ情報(&A)" << "ﾍﾙﾌﾟ";
    QTest::newRow("not numbers") << "About" << "a tip" << "designed" << "a tip";
    QTest::newRow("no such id") << "9999" << "22" << "designed" << "22";
    QTest::newRow("zero and negative") << "0" << "-1017" << "designed" << "-1017";
}

void tst_Shell::localizeFormWalk()
{
    QFETCH(QString, tag);
    QFETCH(QString, toolTip);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QWidget form;
    form.setWindowTitle(QStringLiteral("designed"));
    form.setProperty(LocalizeForm::TagProperty, tag);
    auto *label = new QLabel(QStringLiteral("designed"), &form);
    label->setProperty(LocalizeForm::TagProperty, tag);
    label->setToolTip(toolTip);
    auto *button = new QPushButton(QStringLiteral("designed"), &form);
    button->setProperty(LocalizeForm::TagProperty, tag);
    auto *box = new QLineEdit(QStringLiteral("typed"), &form);
    box->setProperty(LocalizeForm::TagProperty, tag);
    box->setToolTip(toolTip);

    LocalizeForm::apply(&form, StringTable(Language::Japanese));

    QCOMPARE(form.windowTitle(), text);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->toolTip(), tip);
    QCOMPARE(button->text(), text);
    // Text boxes are left alone.
    QCOMPARE(box->text(), QStringLiteral("typed"));
    QCOMPARE(box->toolTip(), toolTip);
}

void tst_Shell::closeSavesPortAndPlacement()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    whileModal([&] { f.action(QStringLiteral("mnuToolsOptions"))->trigger(); },
               [&] {
                   auto *dialog = w.findChild<PortDialog *>(QStringLiteral("dlgCOM"));
                   QTest::mouseClick(dialog->option(6), Qt::LeftButton);
                   QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
               });
    w.move(30, 45);
    const QRect frame = w.frameGeometry();

    f.action(QStringLiteral("mnuFileExit"))->trigger();

    QVERIFY(!w.isVisible());
    QCOMPARE(fileContents(f.path(QStringLiteral("QT-R70.ini"))), QByteArray("7\r\n"));
    QSettings store = placementStore();
    store.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(store.value(QStringLiteral("MainLeft")).toInt(), Twips::fromPixelsX(frame.left(), &w));
    QCOMPARE(store.value(QStringLiteral("MainTop")).toInt(), Twips::fromPixelsY(frame.top(), &w));
    QCOMPARE(store.value(QStringLiteral("MainWidth")).toInt(), Twips::fromPixelsX(frame.width(), &w));
    QCOMPARE(store.value(QStringLiteral("MainHeight")).toInt(), Twips::fromPixelsY(frame.height(), &w));
}

void tst_Shell::closeMinimizedWritesNoPlacement()
{
    MainWindowFixture f;
    QVERIFY(f.writePortFile("12\r\n"));
    MainWindow &w = f.load();
    w.showMinimized();
    QVERIFY(w.isMinimized());

    QVERIFY(w.close());

    QCOMPARE(fileContents(f.path(QStringLiteral("QT-R70.ini"))), QByteArray("12\r\n"));
    QSettings store = placementStore();
    store.beginGroup(QStringLiteral("Settings"));
    for (const QString &key : PlacementKeys)
        QVERIFY2(!store.contains(key), qPrintable(key));
}

void tst_Shell::closeClosesOtherWindows()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    bool closed = false;
    AboutBox *about = nullptr;
    // The system asks the program to close while the about box is up.
    whileModal([&] { f.action(QStringLiteral("mnuHelpAbout"))->trigger(); },
               [&] {
                   about = w.findChild<AboutBox *>();
                   closed = w.close();
               });
    QVERIFY(closed);
    QVERIFY(about && !about->isVisible());
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(tst_Shell)
#include "tst_Shell.moc"
