// The settings page: lists built from the settings descriptor table, what
// counts as an edit, the editable Scan Skip list and the model options.

#include "MainWindowFixture.h"
#include "codec/SettingsTable.h"
#include "edit/SettingsPage.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class tst_SettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void listsFromDescriptorTable();
    void userChoiceIsAnEdit_data();
    void userChoiceIsAnEdit();
    void scanSkipTypedText_data();
    void scanSkipTypedText();
    void modelOptionClickIsAnEdit_data();
    void modelOptionClickIsAnEdit();
};

void tst_SettingsPage::listsFromDescriptorTable()
{
    MainWindowFixture f;
    MainWindow &w = f.load();
    const SettingsPage *page = w.settingsPage();
    const auto lists = page->findChildren<QComboBox *>();
    QCOMPARE(lists.size(), int(SettingsTable::all().size()));
    for (const SettingDescriptor &d : SettingsTable::all()) {
        const QComboBox *list = page->list(d.id);
        QVERIFY2(list, qPrintable(d.caption));
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        QCOMPARE(items, d.items);
        QCOMPARE(list->isEditable(), d.editable);
        QCOMPARE(list->currentIndex(), d.defaultIndex);
        // Every list has its caption on its line, the tone list too.
        QCOMPARE(SettingsPage::settingOf(list->objectName()), SettingsTable::index(d.id));
        const auto captions = page->findChildren<QLabel *>();
        const QLabel *caption = nullptr;
        for (const QLabel *label : captions) {
            if (label->buddy() == list)
                caption = label;
        }
        QVERIFY2(caption, qPrintable(d.caption));
        QCOMPARE(caption->text(), d.caption);
        QCOMPARE(caption->geometry().center().y(), list->geometry().center().y());
        QVERIFY(caption->geometry().right() < list->geometry().left());
    }
}

void tst_SettingsPage::userChoiceIsAnEdit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("key speed down") << "cmbWPM" << int(Qt::Key_Down) << "21";
    QTest::newRow("tone up") << "cmbTone" << int(Qt::Key_Up) << "85.4Hz";
    QTest::newRow("key paddle") << "cmbPaddle" << int(Qt::Key_Down) << "Revers";
    QTest::newRow("electronic keyer") << "cmbElekey" << int(Qt::Key_Up) << "Off";
}

void tst_SettingsPage::userChoiceIsAnEdit()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, chosen);
    MainWindowFixture f;
    f.load();
    QComboBox *list = f.list(control);
    list->setFocus();
    QCOMPARE(f.state.hasUnsavedChanges(), false);

    QTest::keyClick(list, Qt::Key(key));

    QCOMPARE(list->currentText(), chosen);
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(f.state.image().selections[size_t(SettingsPage::settingOf(control))], list->currentIndex());
}

void tst_SettingsPage::scanSkipTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("selection");
    QTest::addColumn<bool>("edited");
    QTest::newRow("no item") << "Maybe" << "Skip" << 1 << false;
    QTest::newRow("longer than an item") << "Skipping" << "Skip" << 1 << false;
    QTest::newRow("empty") << "" << "Skip" << 1 << false;
    QTest::newRow("another item") << "No Skip" << "No Skip" << 0 << true;
    QTest::newRow("the selected item") << "Skip" << "Skip" << 1 << false;
}

void tst_SettingsPage::scanSkipTypedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, selection);
    QFETCH(bool, edited);
    MainWindowFixture f;
    MainWindow &w = f.load();
    QComboBox *list = f.list(QStringLiteral("cmbScanSkip"));
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(list->lineEdit(), typed);

    // The list loses the focus.
    w.findChild<QPushButton *>(QStringLiteral("cmbRxData1"))->setFocus();

    QVERIFY(!list->hasFocus());
    QCOMPARE(list->currentText(), shown);
    QCOMPARE(list->currentIndex(), selection);
    QCOMPARE(f.state.image().selections[size_t(SettingsPage::settingOf(QStringLiteral("cmbScanSkip")))], selection);
    QCOMPARE(f.state.hasUnsavedChanges(), edited);
}

void tst_SettingsPage::modelOptionClickIsAnEdit_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("QT-R70J") << 0;
    QTest::newRow("QT-R70T") << 1;
    QTest::newRow("QT-R70A") << 3;
}

void tst_SettingsPage::modelOptionClickIsAnEdit()
{
    QFETCH(int, option);
    MainWindowFixture f;
    MainWindow &w = f.load();
    f.state.setModel(f.state.image().modelVariant, true);

    QTest::mouseClick(w.settingsPage()->modelOption(option), Qt::LeftButton);

    QCOMPARE(f.state.image().modelVariant, option);
    QCOMPARE(f.state.hasUnsavedChanges(), true);
    QCOMPARE(f.state.image().extendedRange, true);
    QVERIFY(!w.settingsPage()->modelOption(Vocabulary::ModelE)->isChecked());
}

QTEST_MAIN(tst_SettingsPage)
#include "tst_SettingsPage.moc"
