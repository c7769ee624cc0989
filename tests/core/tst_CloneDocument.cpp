#include "app/CloneDocument.h"
#include "app/DocumentEdits.h"
#include "StateSnapshot.h"
#include "codec/VfoCodec.h"
#include "codec/Vocabulary.h"

#include <QtTest>

#include <functional>
#include <map>

namespace {

// A change made through the document, and the same change made directly on
// an image: what the document must then hold.
using Change = std::function<void(CloneDocument &document, CloneImage &expected)>;

ChannelRow sampleRow()
{
    ChannelRow row;
    row.inUse = true;
    row.frequency = 7050000;
    row.name = QStringLiteral("CQ");
    row.csvExtras.third = QStringLiteral("spare");
    return row;
}

VfoRow sampleVfo()
{
    VfoRow row = VfoCodec::defaultVfo(Vocabulary::ModelJ);
    row.mode = 5;
    return row;
}

const std::map<QString, Change> &changeTable()
{
    static const std::map<QString, Change> table = {
        {"setChannel",
         [](CloneDocument &d, CloneImage &e) {
             d.setChannel(5, sampleRow());
             e.channels[5] = sampleRow();
         }},
        {"setChannel 604", [](CloneDocument &d, CloneImage &) { d.setChannel(604, sampleRow()); }},
        {"setChannel -1", [](CloneDocument &d, CloneImage &) { d.setChannel(-1, sampleRow()); }},
        {"clearChannel",
         [](CloneDocument &d, CloneImage &e) {
             d.clearChannel(7);
             e.channels[7] = ChannelRow();
         }},
        {"clearAllChannels",
         [](CloneDocument &d, CloneImage &e) {
             d.clearAllChannels();
             e.channels.fill(ChannelRow());
         }},
        {"setVfo",
         [](CloneDocument &d, CloneImage &e) {
             d.setVfo(1, sampleVfo());
             e.vfos[1] = sampleVfo();
         }},
        {"setVfo 2", [](CloneDocument &d, CloneImage &) { d.setVfo(2, sampleVfo()); }},
        {"setSettings",
         [](CloneDocument &d, CloneImage &e) {
             SettingSelections selections{};
             selections[1] = 20;
             d.setSettings(QStringLiteral("L1"), QStringLiteral("L2"), selections);
             e.settingsLine1 = QStringLiteral("L1");
             e.settingsLine2 = QStringLiteral("L2");
             e.selections = selections;
         }},
        {"setSetting",
         [](CloneDocument &d, CloneImage &e) {
             d.setSetting(31, 1);
             e.selections[31] = 1;
         }},
        {"setSetting 32", [](CloneDocument &d, CloneImage &) { d.setSetting(32, 1); }},
        {"setModel",
         [](CloneDocument &d, CloneImage &e) {
             d.setModel(Vocabulary::ModelT, true);
             e.modelVariant = Vocabulary::ModelT;
             e.extendedRange = true;
         }},
        {"setImage",
         [](CloneDocument &d, CloneImage &e) {
             CloneImage image = CloneImage::factory(Vocabulary::ModelJ, true);
             image.channels[9] = sampleRow();
             d.setImage(image);
             e = image;
         }},
    };
    return table;
}

} // namespace

Q_DECLARE_METATYPE(ChannelColumn)

class tst_CloneDocument : public QObject
{
    Q_OBJECT
private slots:
    void freshDocumentIsEmpty();
    void changes_data();
    void changes();
    void commandLineFile_data();
    void commandLineFile();
    void modelVariantForFile_data();
    void modelVariantForFile();
    void history();

    void columnItems();
    void codesAndPositions_data();
    void codesAndPositions();
    void editsAreOneStepEach_data();
    void editsAreOneStepEach();
};

void tst_CloneDocument::history()
{
    CloneDocument document;
    const CloneImage start = document.image();
    QList<QPair<int, int>> announced;
    connect(&document, &CloneDocument::channelsChanged, &document, [&](int first, int last) { announced.append({first, last}); });
    {
        // Steps begun inside a step are part of it; one without a change is not kept.
        const CloneDocument::Step outer(document, QStringLiteral("outer"));
        const CloneDocument::Step inner(document, QStringLiteral("inner"));
        document.setChannel(9, sampleRow());
        document.setChannel(20, sampleRow());
    }
    CloneDocument::Step(document, QStringLiteral("nothing"));
    const CloneImage done = document.image();
    QCOMPARE(document.history().count(), 1);
    QCOMPARE(document.history().undoText(), QStringLiteral("outer"));

    announced.clear();
    document.undo();
    QVERIFY(document.image() == start);
    QCOMPARE(announced, (QList<QPair<int, int>>{{9, 20}}));
    document.redo();
    QVERIFY(document.image() == done);
}

void tst_CloneDocument::freshDocumentIsEmpty()
{
    const CloneDocument document;
    const CloneImage &image = document.image();
    QCOMPARE(int(image.channels.size()), 604);
    for (const ChannelRow &row : image.channels) {
        QVERIFY(!row.inUse);
        QVERIFY(row == ChannelRow());
        QVERIFY(row.texts() == QStringList(Vocabulary::ChannelGridColumns));
    }
    for (const VfoRow &row : image.vfos) {
        QVERIFY(row == VfoRow());
        QVERIFY(row.texts() == QStringList(Vocabulary::VfoGridColumns));
    }
    QVERIFY(image.settingsLine1.isEmpty());
    QVERIFY(!document.hasUnsavedChanges());
    QVERIFY(document.fileName().isEmpty());
    QVERIFY(document.commandLineFile().isEmpty());
    QVERIFY(!image.extendedRange);
    QCOMPARE(image.modelVariant, int(Vocabulary::ModelE));
}

void tst_CloneDocument::changes_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("signalled");
    const QStringList everything{"settings", "model", "vfo 0", "vfo 1", "channels 0 603"};
    QTest::newRow("one channel") << "setChannel" << QStringList{"channels 5 5"};
    QTest::newRow("channel past the end ignored") << "setChannel 604" << QStringList{};
    QTest::newRow("negative channel ignored") << "setChannel -1" << QStringList{};
    QTest::newRow("channel emptied") << "clearChannel" << QStringList{"channels 7 7"};
    QTest::newRow("every channel emptied") << "clearAllChannels" << QStringList{"channels 0 603"};
    QTest::newRow("VFO B") << "setVfo" << QStringList{"vfo 1"};
    QTest::newRow("third VFO ignored") << "setVfo 2" << QStringList{};
    QTest::newRow("settings lines and selections") << "setSettings" << QStringList{"settings"};
    QTest::newRow("one selection") << "setSetting" << QStringList{"settings"};
    QTest::newRow("selection past the table ignored") << "setSetting 32" << QStringList{};
    QTest::newRow("model and coverage") << "setModel" << QStringList{"model"};
    QTest::newRow("whole image") << "setImage" << everything;
}

void tst_CloneDocument::changes()
{
    QFETCH(QString, change);
    QFETCH(QStringList, signalled);

    CloneDocument document;
    CloneImage start = CloneImage::factory(Vocabulary::ModelE, false);
    start.channels[7] = sampleRow();
    start.selections[2] = 3;
    document.setImage(start);

    QStringList log;
    QStringList seenAtSignals;
    const auto record = [&](const QString &what) {
        log.append(what);
        seenAtSignals.append(imageSnapshot(document.image()));
    };
    connect(&document, &CloneDocument::channelsChanged, this,
            [&](int first, int last) { record(QStringLiteral("channels %1 %2").arg(first).arg(last)); });
    connect(&document, &CloneDocument::vfoChanged, this, [&](int row) { record(QStringLiteral("vfo %1").arg(row)); });
    connect(&document, &CloneDocument::settingsChanged, this, [&] { record(QStringLiteral("settings")); });
    connect(&document, &CloneDocument::modelChanged, this, [&] { record(QStringLiteral("model")); });

    CloneImage target = start;
    changeTable().at(change)(document, target);

    QCOMPARE(log, signalled);
    QCOMPARE(imageSnapshot(document.image()), imageSnapshot(target));
    // A view that follows a signal finds the whole change already made.
    for (const QString &seen : seenAtSignals)
        QCOMPARE(seen, imageSnapshot(target));
    // The caller decides whether a change is an edit.
    QVERIFY(!document.hasUnsavedChanges());
}

void tst_CloneDocument::commandLineFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("quoted path") << QStringList{"\"/home/me/my radio.R70\""} << "/home/me/my radio.R70";
    QTest::newRow("bare path kept whole") << QStringList{"/tmp/a.R70"} << "/tmp/a.R70";
    QTest::newRow("five characters") << QStringList{"\"a.R\""} << "\"a.R\"";
    QTest::newRow("six characters") << QStringList{"\"a.R7\""} << "a.R7";
    QTest::newRow("only one quote") << QStringList{"\"/tmp/a.R70"} << "\"/tmp/a.R70";
    QTest::newRow("split by the shell") << QStringList{"/tmp/my", "radio.R70"} << "/tmp/my radio.R70";
}

void tst_CloneDocument::commandLineFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(CloneDocument::commandLineFileFrom(arguments), expected);
}

void tst_CloneDocument::modelVariantForFile_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("written");
    QTest::newRow("J") << 0 << 0;
    QTest::newRow("T") << 1 << 1;
    QTest::newRow("E") << 2 << 2;
    QTest::newRow("A") << 3 << 3;
    QTest::newRow("none selected") << -1 << 3;
}

void tst_CloneDocument::modelVariantForFile()
{
    QFETCH(int, selected);
    QFETCH(int, written);
    CloneImage image;
    image.modelVariant = selected;
    QCOMPARE(image.modelVariantForFile(), written);
}

void tst_CloneDocument::columnItems()
{
    // Every item of a column's list is the text of the code its position
    // stores, and that code leads back to the position.
    for (int c = 0; c < Vocabulary::ChannelColumns; ++c) {
        const ChannelColumn column = ChannelColumn(c);
        const QStringList items = Vocabulary::items(column);
        for (int p = 0; p < items.size(); ++p) {
            const int code = Vocabulary::codeOfPosition(column, p);
            QCOMPARE(Vocabulary::text(column, code), items.at(p));
            QCOMPARE(Vocabulary::positionOfCode(column, code), p);
        }
    }
}

void tst_CloneDocument::codesAndPositions_data()
{
    QTest::addColumn<ChannelColumn>("column");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("gain 7 shows +10, no position") << ChannelColumn::Gain << 7 << "+10" << -1;
    QTest::newRow("AGC 5 shows Slow") << ChannelColumn::Agc << 5 << "Slow" << -1;
    QTest::newRow("power 9 shows S-Low") << ChannelColumn::Power << 9 << "S-Low" << -1;
    QTest::newRow("mode 6 has no text") << ChannelColumn::Mode << 6 << "" << -1;
    QTest::newRow("negative code") << ChannelColumn::Gain << -1 << "" << -1;
    QTest::newRow("tone 00h is Off") << ChannelColumn::Tone << 0 << "Off" << 0;
    QTest::newRow("tone 7Fh is Off") << ChannelColumn::Tone << 0x7F << "Off" << 0;
    QTest::newRow("tone 80h") << ChannelColumn::Tone << 0x80 << "67.0Hz" << 1;
    QTest::newRow("tone 88h") << ChannelColumn::Tone << 0x88 << "88.5Hz" << 9;
    QTest::newRow("tone A6h") << ChannelColumn::Tone << 0xA6 << "250.3Hz" << 39;
    QTest::newRow("tone A7h has no text") << ChannelColumn::Tone << 0xA7 << "" << -1;
}

void tst_CloneDocument::codesAndPositions()
{
    QFETCH(ChannelColumn, column);
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, position);
    QCOMPARE(Vocabulary::text(column, code), text);
    QCOMPARE(Vocabulary::positionOfCode(column, code), position);
}

void tst_CloneDocument::editsAreOneStepEach_data()
{
    // An edit on a document whose slot n holds a channel named "9 - n"
    // (n < 10);
    // the names of slots 0-11 after it, and the step it leaves.
    using Edit = std::function<void(CloneDocument &)>;
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("step");
    QTest::newRow("move two down by two") << Edit([](CloneDocument &d) { DocumentEdits::moveChannels(d, {3, 4}, 2, false); })
                                          << "9 8 7 4 3 6 5 2 1 0 - -" << "Move 2 channels to 5";
    QTest::newRow("copy one up") << Edit([](CloneDocument &d) { DocumentEdits::moveChannels(d, {9}, -8, true); })
                                 << "9 0 7 6 5 4 3 2 1 0 - -" << "Copy 1 channel to 1";
    QTest::newRow("no move past slot 0") << Edit([](CloneDocument &d) { DocumentEdits::moveChannels(d, {0, 1}, -1, false); })
                                         << "9 8 7 6 5 4 3 2 1 0 - -" << "";
    QTest::newRow("sort by name, empty last")
        << Edit([](CloneDocument &d) { DocumentEdits::sortChannels(d, {2, 8, 9, 10}, ChannelOrder::Key::Name, "Name"); })
        << "9 8 0 6 5 4 3 2 1 7 - -" << "Sort 2, 8–10 by name";
    QTest::newRow("paste past the end, a row that did not read")
        << Edit([](CloneDocument &d) {
               ChannelRow row = d.channel(1);
               const auto pasted = DocumentEdits::paste(d, CloneImage::ChannelCount - 2, {row, std::nullopt, row});
               QCOMPARE(pasted.stored, 1);
               QCOMPARE(pasted.fitting, 2);
           })
        << "9 8 7 6 5 4 3 2 1 0 - -" << "Paste 2 channels at B-P1";
    QTest::newRow("clear") << Edit([](CloneDocument &d) { DocumentEdits::clearChannels(d, {0, 5}, "Cut %1"); })
                           << "- 8 7 6 5 - 3 2 1 0 - -" << "Cut 2 channels";
}

void tst_CloneDocument::editsAreOneStepEach()
{
    QFETCH(std::function<void(CloneDocument &)>, edit);
    QFETCH(QString, names);
    QFETCH(QString, step);
    CloneDocument document;
    for (int n = 0; n < 10; ++n) {
        ChannelRow row = sampleRow();
        row.name = QString::number(9 - n);
        document.setChannel(n, row);
    }
    document.startHistory();
    const CloneImage before = document.image();
    edit(document);
    QStringList shown;
    for (int n = 0; n < 12; ++n)
        shown.append(document.channel(n).inUse ? document.channel(n).text(ChannelColumn::Name) : QStringLiteral("-"));
    QCOMPARE(shown.join(' '), names);
    QCOMPARE(document.history().count(), step.isEmpty() ? 0 : 1);
    QCOMPARE(document.history().undoText(), step);
    document.undo();
    QCOMPARE(imageSnapshot(document.image()), imageSnapshot(before));
}

QTEST_GUILESS_MAIN(tst_CloneDocument)
#include "tst_CloneDocument.moc"
