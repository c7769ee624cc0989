#include "app/CloneDocument.h"
#include "codec/ChannelCodec.h"
#include "RowBuilder.h"
#include "ScriptedPrompter.h"
#include "StateSnapshot.h"
#include "codec/VfoCodec.h"
#include "codec/Vocabulary.h"
#include "edit/ChannelDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

const QString StandardRangeMessage =
    QStringLiteral("The frequency is outside the range. \r\n\t(1.6MHz - 30MHz)");
const QString WideRangeMessage =
    QStringLiteral("The frequency is outside the range. \r\n\t(150KHz - 35MHz)");

const char *const MemoryOnlyControls[] = {"lblCH",     "lblName", "txtName", "chkSkip",
                                          "lblSPFreq", "txtSP1",  "txtSP2",  "txtSP3"};

// One dialog on a fresh document. The dialog never changes the document:
// it hands back the row OK accepted (accepted() then fires) and tells of
// every OK press (okPressed()).
struct Harness
{
    CloneDocument state;
    ScriptedPrompter prompter;
    ChannelDialog dialog{state, prompter};
    QSignalSpy okPresses{&dialog, &ChannelDialog::okPressed};
    QSignalSpy accepted{&dialog, &QDialog::accepted};

    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *w = dialog.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    QComboBox *list(const char *name) const { return control<QComboBox>(name); }

    // Shows the dialog without blocking (the test drives it), active.
    bool showForChannel(int row)
    {
        return dialog.prepareForChannel(row) && showActive();
    }
    bool showForVfo(int row) { return dialog.prepareForVfo(row) && showActive(); }
    bool showActive()
    {
        dialog.show();
        return QTest::qWaitForWindowActive(&dialog);
    }

    // Replaces a box's text by typing, as a user who selected it all and
    // deleted it.
    void typeInto(const char *name, const QString &text)
    {
        QLineEdit *edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void toggleSkip() { QTest::keyClick(control<QCheckBox>("chkSkip"), Qt::Key_Space); }
    void typeFrequency(const QString &m, const QString &k, const QString &h)
    {
        typeInto("txtFreq", m);
        typeInto("txtFreq2", k);
        typeInto("txtFreq3", h);
    }
    void typeSplit(const QString &m, const QString &k, const QString &h)
    {
        typeInto("txtSP1", m);
        typeInto("txtSP2", k);
        typeInto("txtSP3", h);
    }
    // Picks a list position with the keyboard.
    void choose(const char *name, int position)
    {
        QComboBox *combo = list(name);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    void click(const char *button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    // The texts the grids show of the handed-back rows.
    QStringList editedChannelTexts() const
    {
        return dialog.editedChannel().texts();
    }
    QStringList editedVfoTexts() const
    {
        return dialog.editedVfo().texts();
    }
};

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Types keys at whatever has the focus: '\b' Backspace, '<' Shift+Left.
void typeAtFocus(const QString &keys)
{
    for (QChar k : keys) {
        QWidget *target = QApplication::focusWidget();
        if (k == QLatin1Char('\b'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (k == QLatin1Char('<'))
            QTest::keyClick(target, Qt::Key_Left, Qt::ShiftModifier);
        else
            QTest::keyClick(target, k.toLatin1());
    }
}

// A channel as the document holds it after a read: 14.195.000, USB, -10,
// Fast, S-Low, Narrow, 88.5Hz, NB on, split 14.200.000, "CQ DX", skipped.
ChannelRow usedRow()
{
    return channelRow({"14.195.000", "USB", "-10", "Fast", "S-Low", "Narrow", "88.5Hz", "On", "14.200.000",
                       "CQ DX", "Skip"});
}

} // namespace

class tst_ChannelDialog : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndCaption();
    void rangeCheck_data();
    void rangeCheck();
    void badSplitStoresNothing_data();
    void badSplitStoresNothing();
    void advance_data();
    void advance();
    void typingWholeFrequency();
    void padding_data();
    void padding();
    void proposal_data();
    void proposal();
    void opensUsedRow();
    void storedCodeNotInList_data();
    void storedCodeNotInList();
    void toneStoredAsCode();
    void nameFilter_data();
    void nameFilter();
    void headingPerBank_data();
    void headingPerBank();
    void vfoEditing_data();
    void vfoEditing();
    void tabOrder();
    void closing_data();
    void closing();
    void execReturnsStored_data();
    void execReturnsStored();
    void codecRoundTrip_data();
    void codecRoundTrip();
};

void tst_ChannelDialog::controlsAndCaption()
{
    Harness h;
    QVERIFY(h.showForChannel(0));
    QCOMPARE(h.dialog.objectName(), QStringLiteral("dlgModify"));
    QCOMPARE(h.dialog.windowTitle(), QStringLiteral("Modify "));
    QVERIFY(h.dialog.isModal());
    QCOMPARE(h.box("txtFreq")->maxLength(), 2);
    QCOMPARE(h.box("txtFreq2")->maxLength(), 3);
    QCOMPARE(h.box("txtSP1")->maxLength(), 2);
    QCOMPARE(h.box("txtName")->maxLength(), 8);
    QCOMPARE(h.box("txtName")->font().family(),
             QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QCOMPARE(h.list("cmbTone")->count(), 40);
    QCOMPARE(h.list("cmbTone")->itemText(1), QStringLiteral("67.0Hz"));
    QCOMPARE(h.list("cmbMode")->itemText(5), QStringLiteral("FM"));
    QCOMPARE(h.list("cmbPower")->itemText(2), QStringLiteral("S-Low"));
    QCOMPARE(h.control<QCheckBox>("chkSkip")->text(), QStringLiteral("Skip"));
    QCOMPARE(h.control<QLabel>("lblSPFreq")->text(), QStringLiteral("Split Frequency"));
    // Opened: the MHz box has the focus with its text selected.
    QCOMPARE(focusName(), QStringLiteral("txtFreq"));
    QCOMPARE(h.box("txtFreq")->selectedText(), QStringLiteral("7"));
    QCOMPARE(h.box("txtFreq")->cursorPosition(), 0);
}

void tst_ChannelDialog::rangeCheck_data()
{
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("stored");  // empty: refused
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("1.6 MHz is the lowest") << false << QStringList{"1", "600", "000"}
                                           << "1.600.000" << QString();
    QTest::newRow("just below 1.6 MHz") << false << QStringList{"1", "599", "999"} << QString()
                                        << StandardRangeMessage;
    QTest::newRow("29 999 999 Hz") << false << QStringList{"29", "999", "999"} << "29.999.999"
                                   << QString();
    QTest::newRow("30 MHz is outside") << false << QStringList{"30", "000", "000"} << QString()
                                       << StandardRangeMessage;
    QTest::newRow("150 kHz needs the wide range") << false << QStringList{"0", "150", "000"}
                                                  << QString() << StandardRangeMessage;
    QTest::newRow("wide: 150 kHz") << true << QStringList{"0", "150", "000"} << "0.150.000"
                                   << QString();
    QTest::newRow("wide: 149 999 Hz") << true << QStringList{"0", "149", "999"} << QString()
                                      << WideRangeMessage;
    QTest::newRow("wide: 34 999 999 Hz") << true << QStringList{"34", "999", "999"}
                                         << "34.999.999" << QString();
    QTest::newRow("wide: 35 MHz is outside") << true << QStringList{"35", "000", "000"}
                                             << QString() << WideRangeMessage;
}

void tst_ChannelDialog::rangeCheck()
{
    QFETCH(bool, extended);
    QFETCH(QStringList, parts);
    QFETCH(QString, stored);
    QFETCH(QString, message);

    Harness h;
    h.state.setModel(h.state.image().modelVariant, extended);
    const QString before = stateSnapshot(h.state);
    QVERIFY(h.showForChannel(20));
    h.typeFrequency(parts[0], parts[1], parts[2]);
    h.typeSplit(parts[0], parts[1], parts[2]);
    h.click("OKButton");

    QCOMPARE(h.okPresses.count(), 1); // every OK press, also a refused one
    QCOMPARE(stateSnapshot(h.state), before);
    const ChannelRow &edited = h.dialog.editedChannel();
    if (message.isEmpty()) {
        QVERIFY(h.prompter.shown.isEmpty());
        QVERIFY(!h.dialog.isVisible());
        QCOMPARE(h.accepted.count(), 1);
        QVERIFY(edited.inUse);
        QCOMPARE(edited.text(ChannelColumn::Frequency), stored);
        QCOMPARE(edited.text(ChannelColumn::Split), stored);
    } else {
        QCOMPARE(h.prompter.messages(), QStringList{message});
        QCOMPARE(h.prompter.shown.at(0).title, QStringLiteral("ERROR"));
        QCOMPARE(h.prompter.shown.at(0).icon, Prompter::Icon::Critical);
        QVERIFY(h.dialog.isVisible());
        QCOMPARE(h.accepted.count(), 0);
        QVERIFY(!edited.inUse);
        QCOMPARE(edited.text(ChannelColumn::Frequency), QString());
        // The MHz box of the frequency at fault is ready to be typed over.
        QCOMPARE(focusName(), QStringLiteral("txtFreq"));
        QCOMPARE(h.box("txtFreq")->selectedText(), parts[0]);
    }
}

void tst_ChannelDialog::badSplitStoresNothing_data()
{
    QTest::addColumn<bool>("used");
    QTest::addColumn<QStringList>("split");

    QTest::newRow("used row, split 30 MHz") << true << QStringList{"30", "000", "000"};
    QTest::newRow("used row, split boxes empty") << true << QStringList{"", "", ""};
    QTest::newRow("empty row, split 1 599 999") << false << QStringList{"1", "599", "999"};
}

void tst_ChannelDialog::badSplitStoresNothing()
{
    QFETCH(bool, used);
    QFETCH(QStringList, split);

    Harness h;
    constexpr int row = 40;
    if (used)
        h.state.setChannel(row, usedRow());
    const QString before = stateSnapshot(h.state);

    QVERIFY(h.showForChannel(row));
    h.typeFrequency("21", "300", "000"); // a good main frequency
    h.typeSplit(split[0], split[1], split[2]);
    h.click("OKButton");

    QCOMPARE(h.prompter.messages(), QStringList{StandardRangeMessage});
    QVERIFY(h.dialog.isVisible());
    QCOMPARE(h.okPresses.count(), 1);
    QCOMPARE(h.accepted.count(), 0);
    QCOMPARE(h.dialog.editedChannel(), ChannelRow());
    QCOMPARE(h.state.channel(row).inUse, used);
    QCOMPARE(stateSnapshot(h.state), before);
    QCOMPARE(focusName(), QStringLiteral("txtSP1"));
    QCOMPARE(h.box("txtSP1")->selectedText(), split[0]);
}

void tst_ChannelDialog::advance_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("keys"); // '\b' Backspace, '<' Shift+Left
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");

    QTest::newRow("1 then 4 moves on") << "txtFreq" << "" << "14" << "14" << "txtFreq2";
    QTest::newRow("one digit stays") << "txtFreq" << "" << "1" << "1" << "txtFreq";
    QTest::newRow("letter after a digit: dropped, moves on")
        << "txtFreq" << "1" << "a" << "1" << "txtFreq2";
    QTest::newRow("letter in empty box: dropped, stays") << "txtFreq" << "" << "a" << "" << "txtFreq";
    QTest::newRow("Backspace after a digit moves on, pads")
        << "txtFreq" << "1" << "\b" << "0" << "txtFreq2";
    QTest::newRow("full, one digit selected") << "txtFreq" << "14" << "<5" << "15" << "txtFreq2";
    QTest::newRow("full, nothing selected") << "txtFreq" << "14" << "5" << "14" << "txtFreq";
    QTest::newRow("kHz third digit moves on") << "txtFreq2" << "12" << "3" << "123" << "txtFreq3";
    QTest::newRow("kHz second digit stays") << "txtFreq2" << "1" << "2" << "12" << "txtFreq2";
    QTest::newRow("kHz full, one selected") << "txtFreq2" << "123" << "<x" << "123" << "txtFreq3";
    QTest::newRow("Hz box never moves on") << "txtFreq3" << "12" << "3" << "123" << "txtFreq3";
    QTest::newRow("split kHz: digits only, stays") << "txtSP2" << "12" << "3x" << "123" << "txtSP2";
    QTest::newRow("split MHz: no letters or dots") << "txtSP1" << "" << "a1." << "1" << "txtSP1";
}

void tst_ChannelDialog::advance()
{
    QFETCH(QString, box);
    QFETCH(QString, initial);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, focus);

    Harness h;
    QVERIFY(h.showForChannel(0));
    QLineEdit *edit = h.box(box.toLatin1().constData());
    edit->setText(initial);
    edit->setFocus();
    edit->end(false);
    typeAtFocus(keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(focusName(), focus);
}

void tst_ChannelDialog::typingWholeFrequency()
{
    // From the opened dialog: 1 4 2 5 0 3 0 0 runs through all three boxes,
    // each box entered with its text selected.
    Harness h;
    QVERIFY(h.showForChannel(3));
    typeAtFocus(QStringLiteral("1425"));
    QCOMPARE(focusName(), QStringLiteral("txtFreq2"));
    typeAtFocus(QStringLiteral("0"));
    QCOMPARE(focusName(), QStringLiteral("txtFreq3"));
    QCOMPARE(h.box("txtFreq3")->selectedText(), QStringLiteral("000"));
    typeAtFocus(QStringLiteral("300"));
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QCOMPARE(h.dialog.editedChannel().text(ChannelColumn::Frequency), QStringLiteral("14.250.300"));
    QCOMPARE(h.dialog.editedChannel().value(ChannelColumn::Frequency), 14250300.0);
}

void tst_ChannelDialog::padding_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    QTest::newRow("kHz 5") << "txtFreq2" << "5" << "005";
    QTest::newRow("kHz empty") << "txtFreq2" << "" << "000";
    QTest::newRow("Hz 42") << "txtFreq3" << "42" << "042";
    QTest::newRow("MHz empty") << "txtFreq" << "" << "0";
    QTest::newRow("MHz 7 stays") << "txtFreq" << "7" << "7";
    QTest::newRow("split kHz is not padded") << "txtSP2" << "5" << "5";
}

void tst_ChannelDialog::padding()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, left);

    Harness h;
    QVERIFY(h.showForChannel(0));
    QLineEdit *edit = h.box(box.toLatin1().constData());
    h.typeInto(box.toLatin1().constData(), typed);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), left);
}

void tst_ChannelDialog::proposal_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("frequency");

    QTest::newRow("QT-R70J") << Vocabulary::ModelJ << "7.050.000";
    QTest::newRow("QT-R70T") << Vocabulary::ModelT << "7.100.000";
    QTest::newRow("QT-R70E") << Vocabulary::ModelE << "7.100.000";
    QTest::newRow("QT-R70A") << Vocabulary::ModelA << "7.100.000";
}

void tst_ChannelDialog::proposal()
{
    QFETCH(int, model);
    QFETCH(QString, frequency);

    Harness h;
    h.state.setModel(model, false);
    ChannelRow leftovers; // an empty row's leftovers
    leftovers.name = QStringLiteral("OLD");
    h.state.setChannel(9, leftovers);
    QVERIFY(h.showForChannel(9));
    const QString kHz = frequency.mid(2, 3);
    const QStringList boxes = {h.box("txtFreq")->text(), h.box("txtFreq2")->text(),
                               h.box("txtFreq3")->text(), h.box("txtSP1")->text(),
                               h.box("txtSP2")->text(), h.box("txtSP3")->text()};
    QCOMPARE(boxes, (QStringList{"7", kHz, "000", "7", kHz, "000"}));
    QCOMPARE(h.box("txtName")->text(), QString());

    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QVERIFY(h.dialog.editedChannel().inUse);
    const QStringList expected = {frequency, "LSB", "0", "Slow", "High", "Wide",
                                  "Off", "Off", frequency, "", ""};
    QCOMPARE(h.editedChannelTexts(), expected);
    const ChannelRow &v = h.dialog.editedChannel();
    QCOMPARE((QList<int>{v.mode, v.gain, v.agc, v.power, v.filter, v.tone, v.noiseBlanker, int(v.skip)}),
             (QList<int>{1, 0, 1, 0, 0, 0, 0, 0}));
}

void tst_ChannelDialog::opensUsedRow()
{
    Harness h;
    h.state.setChannel(77, usedRow());
    QVERIFY(h.showForChannel(77));
    const QStringList boxes = {h.box("txtFreq")->text(), h.box("txtFreq2")->text(),
                               h.box("txtFreq3")->text(), h.box("txtSP1")->text(),
                               h.box("txtSP2")->text(), h.box("txtSP3")->text(),
                               h.box("txtName")->text()};
    QCOMPARE(boxes, (QStringList{"14", "195", "000", "14", "200", "000", "CQ DX"}));
    QVERIFY(h.control<QCheckBox>("chkSkip")->isChecked());

    // OK without changes hands back the same row.
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QCOMPARE(h.dialog.editedChannel(), usedRow());
}

void tst_ChannelDialog::storedCodeNotInList_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("stored");

    QTest::newRow("tone 136") << 6 << 136.0 << "88.5Hz" << "cmbTone" << 9 << 136.0;
    QTest::newRow("tone 127 is Off") << 6 << 127.0 << "Off" << "cmbTone" << 0 << 0.0;
    QTest::newRow("AGC 5 shown Slow") << 3 << 5.0 << "Slow" << "cmbAGC" << 1 << 1.0;
    QTest::newRow("gain 7 shown +10") << 2 << 7.0 << "+10" << "cmbGain" << 3 << 3.0;
    QTest::newRow("power 9 shown S-Low") << 4 << 9.0 << "S-Low" << "cmbPower" << 2 << 2.0;
    QTest::newRow("filter 4 shown Narrow") << 5 << 4.0 << "Narrow" << "cmbFilter" << 1 << 1.0;
    QTest::newRow("NB 2 shown On") << 7 << 2.0 << "On" << "cmbNB" << 1 << 1.0;
    QTest::newRow("mode 4 is AM") << 1 << 4.0 << "AM" << "cmbMode" << 4 << 4.0;
}

void tst_ChannelDialog::storedCodeNotInList()
{
    QFETCH(int, column);
    QFETCH(double, value);
    QFETCH(QString, cellText);
    QFETCH(QString, list);
    QFETCH(int, position);
    QFETCH(double, stored);

    Harness h;
    ChannelRow row = usedRow();
    row.setCode(ChannelColumn(column), int(value));
    QCOMPARE(row.text(ChannelColumn(column)), cellText);
    h.state.setChannel(50, row);
    QVERIFY(h.showForChannel(50));
    QCOMPARE(h.list(list.toLatin1().constData())->currentIndex(), position);
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QCOMPARE(double(h.dialog.editedChannel().value(ChannelColumn(column))), stored);
    QCOMPARE(h.dialog.editedChannel().text(ChannelColumn(column)), cellText);
}

void tst_ChannelDialog::toneStoredAsCode()
{
    Harness h;
    h.state.setChannel(60, usedRow());
    QVERIFY(h.showForChannel(60));
    QCOMPARE(h.list("cmbTone")->currentText(), Vocabulary::toneNames().at(8));
    h.choose("cmbTone", 1);
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QCOMPARE(h.dialog.editedChannel().value(ChannelColumn::Tone), 128.0);
    QCOMPARE(h.dialog.editedChannel().text(ChannelColumn::Tone), QStringLiteral("67.0Hz"));
}

void tst_ChannelDialog::nameFilter_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("name");

    QTest::newRow("lower case becomes upper") << "abc" << "ABC";
    QTest::newRow("full stop and comma refused") << "a.b,c" << "ABC";
    QTest::newRow("symbols the radio has") << "#$()*+-/" << "#$()*+-/";
    QTest::newRow("more symbols and blank") << "=\\_ 9Z" << "=\\_ 9Z";
    QTest::newRow("other characters refused") << "!?:;@'\"~%&" << "";
    QTest::newRow("at most 8") << "abcdefghij" << "ABCDEFGH";
    QTest::newRow("Backspace") << "ab\bc" << "AC";
}

void tst_ChannelDialog::nameFilter()
{
    QFETCH(QString, keys);
    QFETCH(QString, name);

    Harness h;
    QVERIFY(h.showForChannel(1));
    h.box("txtName")->setFocus();
    typeAtFocus(keys);
    QCOMPARE(h.box("txtName")->text(), name);
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    QCOMPARE(h.dialog.editedChannel().text(ChannelColumn::Name), name);
}

void tst_ChannelDialog::headingPerBank_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("channel");

    QTest::newRow("0") << 0 << "Memory" << "0CH";
    QTest::newRow("12") << 12 << "Memory" << "12CH";
    QTest::newRow("199") << 199 << "Memory" << "199CH";
    QTest::newRow("200") << 200 << "Memory A" << "0CH";
    QTest::newRow("205") << 205 << "Memory A" << "5CH";
    QTest::newRow("399") << 399 << "Memory A" << "199CH";
    QTest::newRow("400") << 400 << "Memory A" << "P1";
    QTest::newRow("401") << 401 << "Memory A" << "P2";
    QTest::newRow("402") << 402 << "Memory B" << "0CH";
    QTest::newRow("601") << 601 << "Memory B" << "199CH";
    QTest::newRow("602") << 602 << "Memory B" << "P1";
    QTest::newRow("603") << 603 << "Memory B" << "P2";
}

void tst_ChannelDialog::headingPerBank()
{
    QFETCH(int, row);
    QFETCH(QString, heading);
    QFETCH(QString, channel);

    Harness h;
    QVERIFY(h.dialog.prepareForChannel(row));
    QCOMPARE(h.control<QLabel>("lblMode")->text(), heading);
    QCOMPARE(h.control<QLabel>("lblCH")->text(), channel);
    QCOMPARE(h.dialog.editSource(), ChannelDialog::EditSource::Memory);
    QCOMPARE(h.dialog.editRow(), row);
}

void tst_ChannelDialog::vfoEditing_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("29 999 999 Hz") << QStringList{"29", "999", "999"} << "29.999.999";
    QTest::newRow("30 MHz is outside") << QStringList{"30", "000", "000"} << QString();
}

void tst_ChannelDialog::vfoEditing()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, stored);

    Harness h;
    const VfoRow defaults = VfoCodec::defaultVfo(h.state.image().modelVariant);
    VfoRow rowB = defaults;
    rowB.agc = 5; // a raw AGC byte, shown "Slow"
    h.state.setVfo(0, defaults);
    h.state.setVfo(1, rowB);
    const QString before = stateSnapshot(h.state);

    QVERIFY(h.showForVfo(1));
    QCOMPARE(h.control<QLabel>("lblMode")->text(), QStringLiteral("VFO B"));
    QCOMPARE(h.dialog.editSource(), ChannelDialog::EditSource::Vfo);
    for (const char *name : MemoryOnlyControls)
        QVERIFY2(!h.control(name)->isVisible(), name);
    QCOMPARE(h.list("cmbAGC")->currentText(), QStringLiteral("Slow"));

    h.typeFrequency(parts[0], parts[1], parts[2]);
    h.choose("cmbMode", 5);
    h.click("OKButton");
    QCOMPARE(h.okPresses.count(), 1);
    // VFO A, the channels and VFO B itself stay as they were.
    QCOMPARE(stateSnapshot(h.state), before);
    if (stored.isEmpty()) {
        QCOMPARE(h.prompter.messages(), QStringList{StandardRangeMessage});
        QCOMPARE(h.accepted.count(), 0);
        QCOMPARE(h.dialog.editedVfo(), VfoRow());
        QVERIFY(h.dialog.isVisible());
        h.click("CancelButton");
    } else {
        QVERIFY(h.prompter.shown.isEmpty());
        QCOMPARE(h.accepted.count(), 1);
        QStringList expected = rowB.texts();
        expected[0] = stored;
        expected[1] = QStringLiteral("FM");
        QCOMPARE(h.editedVfoTexts(), expected);
        QCOMPARE(h.dialog.editedVfo().value(ChannelColumn::Agc), 1.0);
        QCOMPARE(h.dialog.editedVfo().value(ChannelColumn::Frequency), 29999999.0);
    }

    // The next memory opening shows the memory-only controls again.
    QVERIFY(h.showForChannel(5));
    QCOMPARE(h.control<QLabel>("lblMode")->text(), QStringLiteral("Memory"));
    for (const char *name : MemoryOnlyControls)
        QVERIFY2(h.control(name)->isVisible(), name);
}

void tst_ChannelDialog::tabOrder()
{
    Harness h;
    QVERIFY(h.showForChannel(0));
    QStringList order{focusName()};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focusName();
    }
    const QStringList expected = {"txtFreq",  "txtFreq2",  "txtFreq3", "OKButton", "txtName",
                                  "chkSkip",  "CancelButton", "cmbMode", "cmbGain", "cmbAGC",
                                  "cmbPower", "cmbFilter", "cmbNB",    "txtSP2",   "txtSP1",
                                  "txtSP3",   "cmbTone"};
    QCOMPARE(order, expected);
}

void tst_ChannelDialog::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("skipAfter");

    QTest::newRow("Cancel keeps the state") << "cancel" << true;
    QTest::newRow("Escape keeps the state") << "escape" << true;
    QTest::newRow("close box discards it") << "closebox" << false;
}

void tst_ChannelDialog::closing()
{
    QFETCH(QString, how);
    QFETCH(bool, skipAfter);

    Harness h;
    QVERIFY(h.showForChannel(0));
    h.toggleSkip();
    QVERIFY(h.control<QCheckBox>("chkSkip")->isChecked());
    h.typeInto("txtName", QStringLiteral("abc"));
    if (how == QLatin1String("cancel"))
        h.click("CancelButton");
    else if (how == QLatin1String("escape"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        h.dialog.close();
    QVERIFY(!h.dialog.isVisible());
    QCOMPARE(h.okPresses.count(), 0);
    QCOMPARE(h.accepted.count(), 0);
    QCOMPARE(h.dialog.editedChannel(), ChannelRow());

    // An empty row keeps the Skip box as the dialog left it.
    QVERIFY(h.showForChannel(1));
    QCOMPARE(h.control<QCheckBox>("chkSkip")->isChecked(), skipAfter);
    QCOMPARE(h.list("cmbTone")->count(), 40);
    QCOMPARE(h.list("cmbMode")->currentText(), QStringLiteral("LSB"));
}

void tst_ChannelDialog::execReturnsStored_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("stored");

    QTest::newRow("OK") << "OKButton" << true;
    QTest::newRow("Cancel") << "CancelButton" << false;
}

void tst_ChannelDialog::execReturnsStored()
{
    QFETCH(QString, button);
    QFETCH(bool, stored);

    Harness h;
    // Should a click go astray, end the modal loop rather than hang.
    constexpr int StuckDialogMs = 10000;
    QTimer::singleShot(StuckDialogMs, &h.dialog, [&] { h.dialog.done(-1); });
    bool wasModal = false;
    QTimer::singleShot(0, &h.dialog, [&] {
        wasModal = QApplication::activeModalWidget() == &h.dialog;
        h.click(button.toLatin1().constData());
    });
    const QString before = stateSnapshot(h.state);
    QCOMPARE(h.dialog.openForChannel(300), stored);
    QVERIFY(wasModal);
    QVERIFY(!h.dialog.isVisible());
    QCOMPARE(h.dialog.editedChannel().inUse, stored);
    QCOMPARE(h.okPresses.count(), int(stored));
    QCOMPARE(h.dialog.editedChannel().text(ChannelColumn::Frequency),
             stored ? QStringLiteral("7.100.000") : QString());
    QCOMPARE(stateSnapshot(h.state), before);
    QVERIFY(!h.dialog.openForChannel(CloneDocument::ChannelCount)); // no such row: not shown
}

void tst_ChannelDialog::codecRoundTrip_data()
{
    QTest::addColumn<QStringList>("frequency");
    QTest::addColumn<QStringList>("split");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("positions"); // mode, gain, AGC, power, filter, tone, NB
    QTest::addColumn<bool>("skip");

    QTest::newRow("plain") << QStringList{"7", "050", "000"} << QStringList{"7", "050", "000"}
                           << "" << QList<int>{1, 0, 1, 0, 0, 0, 0} << false;
    QTest::newRow("everything set")
        << QStringList{"29", "999", "999"} << QStringList{"1", "600", "001"} << "a#$()*+-"
        << QList<int>{5, 3, 0, 2, 1, 39, 1} << true;
    QTest::newRow("name with blank and backslash")
        << QStringList{"14", "195", "500"} << QStringList{"21", "000", "010"} << "cq \\/=_9"
        << QList<int>{2, 1, 1, 1, 0, 1, 0} << false;
}

void tst_ChannelDialog::codecRoundTrip()
{
    QFETCH(QStringList, frequency);
    QFETCH(QStringList, split);
    QFETCH(QString, name);
    QFETCH(QList<int>, positions);
    QFETCH(bool, skip);

    Harness h;
    constexpr int row = 500;
    QVERIFY(h.showForChannel(row));
    h.typeFrequency(frequency[0], frequency[1], frequency[2]);
    h.typeSplit(split[0], split[1], split[2]);
    h.typeInto("txtName", name);
    const char *const lists[] = {"cmbMode", "cmbGain", "cmbAGC", "cmbPower", "cmbFilter",
                                 "cmbTone", "cmbNB"};
    for (int i = 0; i < 7; ++i)
        h.choose(lists[i], positions[i]);
    if (h.control<QCheckBox>("chkSkip")->isChecked() != skip)
        h.toggleSkip();
    h.click("OKButton");
    QCOMPARE(h.accepted.count(), 1);
    const ChannelRow &edited = h.dialog.editedChannel();
    QVERIFY(edited.inUse);

    ChannelRow decoded;
    QVERIFY(ChannelCodec::decode(ChannelCodec::encode(edited), decoded).ok());
    QVERIFY(decoded.inUse);
    QCOMPARE(decoded, edited);
}

QTEST_MAIN(tst_ChannelDialog)
#include "tst_ChannelDialog.moc"
