// What a screen reader finds: every control that takes the keyboard focus
// says what it is, by a name or by a label that names it.
#include "MainWindowFixture.h"
#include "RowBuilder.h"
#include "edit/FindBar.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/VfoGrid.h"
#include <QProgressBar>
#include "edit/Announcer.h"
#include "edit/ChannelDialog.h"
#include "shell/DesktopPrompter.h"
#include "shell/PortDialog.h"
#include "shell/PdfExportDialog.h"
#include "shell/ImportPreviewDialog.h"
#include "shell/MainStatusBar.h"
#include "shell/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The focusable controls shown in `root` that neither have a name nor are
// labelled by another object, by their object names.
QStringList mute(QWidget *root)
{
    QStringList found;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(root) || w->focusProxy())
            continue;
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(w);
        if (!spoken)
            continue;
        // A list or a text box is named by what it holds: only a label
        // (or a name of its own) says what it is for.
        const bool holdsText = qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w);
        const QString name = holdsText ? w->accessibleName() : spoken->text(QAccessible::Name);
        if (name.trimmed().isEmpty() && spoken->relations(QAccessible::Label).isEmpty())
            found.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    }
    return found;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyControlSaysWhatItIs();
    void messagesAnnouncedClockQuiet();
    void gridRowsSpeak();
    void tabReachesEveryControl();
    void readersHearWhatTheEyeSees();
    void keyboardFollowsTheView();
};

void tst_Accessibility::everyControlSaysWhatItIs()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    selectTab(w, MainWindow::SettingsTab);
    QCOMPARE(mute(&w).join(','), QString());
    selectTab(w, MainWindow::MemoryTab);
    w.memoryPage()->findBar()->open();
    QCOMPARE(mute(&w).join(','), QString());

    ChannelDialog *edit = w.editDialog();
    edit->show();
    QCOMPARE(mute(edit).join(','), QString());
    edit->hide();
    ChannelListImport::Plan plan;
    plan.rows.append(ChannelListImport::Row{});
    for (auto *dialog : std::initializer_list<QDialog *>{new PortDialog(w.port(), &w), new PdfExportDialog(&w),
                                                         new ImportPreviewDialog(plan, "list.csv", &w)}) {
        dialog->show();
        QCOMPARE(mute(dialog).join(','), QString());
        delete dialog;
    }
    const auto files = DesktopPrompter::fileDialog(&w, "Clone Files (*.R70);;All Files (*.*)", QString(), QFileDialog::AcceptOpen);
    files->show();
    QCOMPARE(mute(files.get()).join(','), QString());
    const QList<QWidget *> named{w.memoryGrid(), w.vfoGrid(), w.memoryPage()->progressBar()};
    for (QWidget *one : named)
        QVERIFY(!QAccessible::queryAccessibleInterface(one)->text(QAccessible::Name).isEmpty());
}

void tst_Accessibility::messagesAnnouncedClockQuiet()
{
    // A reader hears a panel when its name changes: the message panel's
    // name is the message, the clock's stays put while its text ticks.
    MainWindowFixture f;
    MainWindow &w = f.load();
    const auto nameOf = [&w](const char *panel) {
        return QAccessible::queryAccessibleInterface(w.findChild<QWidget *>(QLatin1String(panel)))
            ->text(QAccessible::Name);
    };
    const QString time = nameOf("sbPanelTime");
    const QString shown = w.mainStatusBar()->timeText();
    QTRY_VERIFY(w.mainStatusBar()->timeText() != shown);
    QCOMPARE(nameOf("sbPanelTime"), time);
    w.mainStatusBar()->setText(QStringLiteral("Read 604 channels in 61.9 s"));
    QCOMPARE(nameOf("sbPanelText"), QStringLiteral("Read 604 channels in 61.9 s"));
}

void tst_Accessibility::gridRowsSpeak()
{
    MainWindowFixture f;
    f.state.setChannel(212, channelRow({"14.074.000", "USB", "0", "Fast", "High", "Wide", "Off", "Off", "14.074.000",
                                        "FT8-20", ""}));
    MainWindow &w = f.load();
    const auto spoken = [](QWidget *grid, int r, int c) {
        return QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(r, c)->text(QAccessible::Name);
    };
    // A reader reads a row cell by cell: each says its part once.
    QStringList row;
    for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c)
        row.append(spoken(w.memoryGrid(), 212, c));
    QCOMPARE(row, (QStringList{"A 12, 14.074.000", "USB", "Gain 0", "AGC Fast", "Pwr High", "Filter Wide", "Tone Off",
                               "NB Off", "Split Freq. 14.074.000", "Name FT8-20", ""}));
    QCOMPARE(spoken(w.memoryGrid(), 213, 0), QStringLiteral("A 13, empty"));
    QCOMPARE(spoken(w.memoryGrid(), 213, 4), QString());
    QCOMPARE(spoken(w.vfoGrid(), 1, 0), QStringLiteral("VFO B, 7.100.000"));

}

void tst_Accessibility::tabReachesEveryControl()
{
    // Tab and Shift+Tab alone reach every control of each page (a group of
    // options by its checked one; the arrows move within it).
    MainWindowFixture f;
    MainWindow &w = f.load();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const int tab : {MainWindow::SettingsTab, MainWindow::MemoryTab}) {
        selectTab(w, tab);
        QSet<QWidget *> reached;
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int i = 0; i < 120; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                reached.insert(QApplication::focusWidget());
            }
        }
        QStringList missed;
        for (QWidget *c : w.findChildren<QWidget *>()) {
            const auto *option = qobject_cast<QRadioButton *>(c);
            if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(&w) && c->isEnabled() && !c->focusProxy()
                && !reached.contains(c) && !(option && !option->isChecked()))
                missed.append(c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName());
        }
        QCOMPARE(missed.join(','), QString());
        // The 32 settings lists, at least, on the settings page.
        QVERIFY(reached.size() > (tab == MainWindow::SettingsTab ? 32 : 5));
    }
}

void tst_Accessibility::readersHearWhatTheEyeSees()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const auto reader = [](QObject *o) { return QAccessible::queryAccessibleInterface(o); };

    // A result is a notification that appears (readers skip a label's
    // text); the status bar shows it as before.
    w.mainStatusBar()->showResult(QStringLiteral("Read settings and 604 channels in 6.5 s"));
    auto *announcer = w.findChild<Announcer *>();
    QVERIFY(announcer && !announcer->isVisible());
    QCOMPARE(reader(announcer)->role(), QAccessible::Notification);
    QCOMPARE(reader(announcer)->text(QAccessible::Name), QStringLiteral("Read settings and 604 channels in 6.5 s"));
    QCOMPARE(w.mainStatusBar()->text(), QStringLiteral("Read settings and 604 channels in 6.5 s"));

    // A settings list: its caption, then its item as text; no children.
    selectTab(w, MainWindow::SettingsTab);
    QComboBox *step = f.list(QStringLiteral("cmbSSBStep"));
    QAccessibleInterface *list = reader(step);
    QCOMPARE(list->role(), QAccessible::ComboBox);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("SSB Step"));
    QCOMPARE(list->childCount(), 0);
    QCOMPARE(list->textInterface()->text(0, list->textInterface()->characterCount()), step->currentText());
    // A key that changes the item says the new one.
    step->setFocus();
    QTest::keyClick(step, Qt::Key_Down);
    QCOMPARE(reader(announcer)->text(QAccessible::Name), step->currentText());

    // The page stack is a plain grouping, passed over; no layered pane.
    QCOMPARE(reader(w.memoryGrid()->parentWidget()->parentWidget())->role(), QAccessible::Grouping);

    // The edit dialog names its channel; its frequency boxes keep their
    // select-all to themselves.
    ChannelDialog *edit = w.editDialog();
    QVERIFY(edit->prepareForChannel(212));
    QCOMPARE(edit->accessibleDescription(), QStringLiteral("Memory A, 12CH"));
    edit->show();
    auto *megahertz = edit->findChild<QLineEdit *>(QStringLiteral("txtFreq"));
    QVERIFY(megahertz->hasSelectedText());
    QCOMPARE(reader(megahertz)->textInterface()->selectionCount(), 0);
    QCOMPARE(reader(megahertz)->textInterface()->text(0, 1), megahertz->text().left(1));
    edit->hide();
}

void tst_Accessibility::keyboardFollowsTheView()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Go To from outside the grid: the keyboard goes to the row shown.
    selectTab(w, MainWindow::MemoryTab);
    f.button(QStringLiteral("cmbClear"))->setFocus();
    f.prompter.texts.enqueue(QStringLiteral("A12"));
    f.action(QStringLiteral("mnuGoTo"))->trigger();
    QTRY_COMPARE(QApplication::focusWidget(), w.memoryGrid());
    QCOMPARE(w.memoryGrid()->currentIndex().row(), 212);

    // Ctrl+Tab from the grid: the keyboard goes to the tab strip, which
    // names the page now shown.
    QTest::keyClick(w.memoryGrid(), Qt::Key_Tab, Qt::ControlModifier);
    QTRY_VERIFY(qobject_cast<QTabBar *>(QApplication::focusWidget()));

    // The settings page is walked as it is read: down each column.
    const QStringList expected{"cmbSSBStep", "cmbAMStep", "cmbFMStep"};
    QWidget *at = f.list(QStringLiteral("cmbSSBStep"));
    QStringList walked{at->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus))
            at = at->nextInFocusChain();
        walked.append(at->objectName());
    }
    QCOMPARE(walked, expected);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
