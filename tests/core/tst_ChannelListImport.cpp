// Channel lists in the layout other programs share: each kind of row mapped
// to this radio with its notes, refused rows, placement, the bounds on the
// input, and export then import by location giving the same channels.
#include "codec/ChannelLabel.h"
#include "codec/Frequency.h"
#include "files/ChannelListExport.h"
#include "files/ChannelListImport.h"
#include "StateSnapshot.h"

#include <QtTest>

namespace {

using Plan = ChannelListImport::Plan;
using Placement = ChannelListImport::Placement;

const QByteArray Sample =
    "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Skip,Power,Comment\r\n"
    "1,Simplex,14.074000,,0.000000,,88.5,88.5,USB,,100W,\"Club, net, \"\"Sunday\"\"\"\r\n"
    "2,Rep+,29.620000,-,0.100000,Tone,88.5,88.5,FM,S,High,\r\n"
    "3,rep-,29.520000,+,0.1,TSQL,,100,NFM,,Low,\r\n"
    "\r\n"
    "4,Split,14.195000,split,7.050000,TSQL,77,,CW,,,\r\n"
    "5,RxOnly,7.1,off,,DTCS,,,CWR,P,,\r\n"
    "6,Odd tone,7.100000,,,Tone,159.8,,AM,,5.0W\r\n"
    "7,Too long name,3.5,,,Cross,,,LSB,,S-Low\r\n"
    "8,DV,14.1,,,,,,DV\r\n"
    "9,VHF,146.940000,-,0.600000,,,,FM\r\n";

// The cells a row stores: frequency, mode, power, tone, split, name, skip.
QString cells(const ChannelRow &row)
{
    QStringList out;
    for (const ChannelColumn c : {ChannelColumn::Frequency, ChannelColumn::Mode, ChannelColumn::Power, ChannelColumn::Tone,
                                  ChannelColumn::Split, ChannelColumn::Name, ChannelColumn::Skip})
        out.append(row.text(c));
    return out.join(QLatin1Char('|'));
}

// The row's notes, by the column they touch.
QString notes(const ChannelListImport::Row &row)
{
    QStringList out;
    for (const ChannelListImport::Note &note : row.notes)
        out.append(ChannelLabel::memoryHeaders().value(int(note.column)) + QStringLiteral(": ") + note.text);
    return out.join(QLatin1Char('\n'));
}

// Every mode, power, tone kind, a split far off and near, names with blanks.
CloneImage variedImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, true);
    const Plan plan = ChannelListImport::planBytes("Frequency\n7.1\n", image, Placement::FromSlot, 0);
    for (int slot = 0; slot < CloneImage::ChannelCount; slot += 7) {
        ChannelRow row = plan.rows.first().channel;
        const qint64 hz = 150000 + qint64(slot) * 45013;
        const qint64 split = slot % 3 ? hz + (slot % 2 ? 100000 : -5000) : 34000000;
        row.frequency = hz;
        row.split = split;
        const int codes[] = {slot % 6, slot % 3, slot % 40 == 0 ? 0 : Vocabulary::ToneBase + slot % 39};
        const ChannelColumn columns[] = {ChannelColumn::Mode, ChannelColumn::Power, ChannelColumn::Tone};
        for (int i = 0; i < 3; ++i)
            row.setCode(columns[i], codes[i]);
        row.name = QStringList{" A-B(1)", "", "Q*#+/\\=", "$_ 9  "}.at(slot % 4);
        row.skip = slot % 5 == 0;
        image.channels[slot] = row;
    }
    return image;
}

} // namespace

class tst_ChannelListImport : public QObject
{
    Q_OBJECT
private slots:
    void mapsEachRow_data();
    void mapsEachRow();
    void refusedRowsLeaveTheirSlots();
    void exportThenImportByLocation();
    void boundedInput_data();
    void boundedInput();
    void rowsAfterAStrayQuote_data();
    void rowsAfterAStrayQuote();
};

void tst_ChannelListImport::mapsEachRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("noted");
    QTest::newRow("simplex, quoted comment") << 0 << "A10" << "14.074.000|USB|High|Off|14.074.000|SIMPLEX|"
                                             << "Pwr: Power 100W is taken as High";
    QTest::newRow("repeater -") << 1 << "A11" << "29.620.000|FM|High|88.5Hz|29.520.000|REP+|Skip" << "";
    QTest::newRow("repeater +, TSQL, NFM") << 2 << "A12" << "29.520.000|FM|Low|100.0Hz|29.620.000|REP-|"
                                           << "Mode: Mode NFM is stored as FM";
    QTest::newRow("split, TSQL from rToneFreq, CW") << 3 << "A13" << "14.195.000|CWU|High|77.0Hz|7.050.000|SPLIT|" << "";
    QTest::newRow("off, DTCS, CWR, priority")
        << 4 << "A14" << "7.100.000|CWL|High|Off|7.100.000|RXONLY|"
        << "Split Freq.: Receive only (Duplex off) is not kept: split = frequency\n"
           "Tone: Tone mode DTCS is not one the radio has: tone off";
    QTest::newRow("tone the radio lacks, watts") << 5 << "A15" << "7.100.000|AM|Low|Off|7.100.000|ODD TONE|"
                                                 << "Tone: Tone \"159.8\" is not one of the radio's tones: tone off\n"
                                                    "Pwr: Power 5.0W is taken as Low";
    QTest::newRow("name too long, cross") << 6 << "A16" << "3.500.000|LSB|S-Low|Off|3.500.000|TOO LONG|"
                                          << "Name: Name \"Too long name\" is stored as \"TOO LONG\" (8 characters at most)\n"
                                             "Tone: Tone mode Cross is not one the radio has: tone off";
}

void tst_ChannelListImport::mapsEachRow()
{
    QFETCH(int, index);
    QFETCH(QString, slot);
    QFETCH(QString, stored);
    QFETCH(QString, noted);
    const Plan plan = ChannelListImport::planBytes(Sample, CloneImage::factory(Vocabulary::ModelE, false),
                                                   Placement::FromSlot, ChannelLabel::rowOf("A10"));
    QVERIFY(plan.file.ok());
    QCOMPARE(plan.rows.size(), 9);
    const ChannelListImport::Row &row = plan.rows.at(index);
    QCOMPARE(ChannelLabel::shortLabel(row.slot), slot);
    QCOMPARE(cells(row.channel), stored);
    QCOMPARE(notes(row), noted);
    // The blank line is no row; lines count from the header.
    QCOMPARE(row.line, index < 3 ? index + 2 : index + 3);
    QCOMPARE(plan.rows.at(7).refusal, QString("Mode \"DV\" is not one the radio has"));
    // A refusal names the line and the channel as the file has it.
    QCOMPARE(plan.rows.at(7).reportLine(), QString("line 10 (14.1 DV \"DV\"): refused: Mode \"DV\" is not one the radio has"));
    QCOMPARE(plan.rows.at(8).refusal, QString("Frequency 146.940.000 is outside the range (1.6MHz - 30MHz)"));
}

void tst_ChannelListImport::refusedRowsLeaveTheirSlots()
{
    const CloneImage before = variedImage();
    QByteArray list = Sample;
    list += "700,Far,7.1,,,,,,LSB\r\n"
            "6,Again,7.2,,,,,,LSB\r\n";
    const Plan plan = ChannelListImport::planBytes(list, before, Placement::ByLocation, 0);
    QCOMPARE(plan.storedCount(), 7);
    QCOMPARE(plan.rows.at(9).refusal, QString("Location \"700\" is no slot of this radio (0 to 603)"));
    QCOMPARE(plan.rows.at(10).refusal, QString("slot 6 is taken by line 8"));
    QVERIFY(plan.rows.at(6).replacesChannel && !plan.rows.at(0).replacesChannel);
    const CloneImage after = plan.appliedTo(before);
    for (const int slot : {8, 9, 0, 10})
        QCOMPARE(after.channels.at(slot), before.channels.at(slot));
    QCOMPARE(after.channels.at(7).text(ChannelColumn::Name), QString("TOO LONG"));

    // From a slot on, never past the last one.
    const Plan tail = ChannelListImport::planBytes(Sample, before, Placement::FromSlot, CloneImage::ChannelCount - 2);
    QCOMPARE(tail.storedCount(), 2);
    QCOMPARE(tail.rows.at(2).refusal, QString("did not fit below B-P2"));
}

void tst_ChannelListImport::exportThenImportByLocation()
{
    const CloneImage image = variedImage();
    for (const auto which : {ChannelListExport::Slots::InUse, ChannelListExport::Slots::All}) {
        const QByteArray list = ChannelListExport::bytes(image, which);
        QVERIFY(list.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"));
        CloneImage target = CloneImage::factory(Vocabulary::ModelE, true);
        target.channels[1] = image.channels.at(0);
        const Plan plan = ChannelListImport::planBytes(list, target, Placement::ByLocation, 0);
        QCOMPARE(plan.refusedCount(), 0);
        QCOMPARE(plan.storedCount(), ChannelListExport::rowCount(image, which));
        const CloneImage back = plan.appliedTo(target);
        for (int slot = 0; slot < CloneImage::ChannelCount; ++slot) {
            const ChannelRow &want = image.channels.at(slot);
            const ChannelRow &got = back.channels.at(slot);
            QCOMPARE(got.inUse, want.inUse || (which == ChannelListExport::Slots::InUse && slot == 1));
            if (!want.inUse)
                continue;
            for (const ChannelColumn c : {ChannelColumn::Frequency, ChannelColumn::Mode, ChannelColumn::Power,
                                          ChannelColumn::Tone, ChannelColumn::Split, ChannelColumn::Name, ChannelColumn::Skip})
                QVERIFY2(got.value(c) == want.value(c) && got.text(c) == want.text(c),
                         qPrintable(ChannelLabel::shortLabel(slot) + ": " + cells(got) + " / " + cells(want)));
        }
    }
}

void tst_ChannelListImport::boundedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("problem"); // the file's, or the first row's refusal
    QTest::newRow("a line too long") << "Frequency,Name\n7.1," + QByteArray(5000, 'x') + "\n7.2\n" << 2
                                     << "the line is longer than 4096 characters";
    QTest::newRow("rows past the bound") << "Frequency\n" + QByteArray("7.1\n").repeated(10005) << 10000 << "";
    QTest::newRow("endless") << "Frequency\n" + QByteArray(17 * 1024 * 1024, '7') << 0
                             << "the file goes on beyond 16 MB, more than any channel list holds";
    QTest::newRow("no frequency column") << QByteArray("Name,Mode\nA,USB\n") << 0
                                         << "the first line names no Frequency column: the file is no channel list "
                                            "in the common layout";
}

void tst_ChannelListImport::boundedInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    QFETCH(QString, problem);
    const Plan plan = ChannelListImport::planBytes(bytes, CloneImage(), Placement::FromSlot, 0);
    QCOMPARE(plan.rows.size(), rows);
    QCOMPARE(plan.file.detail().isEmpty() ? plan.rows.value(0).refusal : plan.file.detail(), problem);
    QCOMPARE(plan.moreRows, rows == 10000);
}

void tst_ChannelListImport::rowsAfterAStrayQuote_data()
{
    // Each row as "line: slot" or "line: refusal"; the file's problem.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("problem");
    const QString open2 = "field 2 opens a quote that is not closed on its line";
    QTest::newRow("never closed") << QByteArray("Frequency,Name\n7.1,\"Oops\n7.2,B\n7.3,C\n")
                                  << QStringList{"2: " + open2, "3: 0", "4: 1"} << "";
    QTest::newRow("never closed, last line") << QByteArray("Frequency,Name\n7.1,A\n7.2,\"B")
                                             << QStringList{"2: 0", "3: " + open2} << "";
    QTest::newRow("closed later, then more text")
        << QByteArray("Frequency,Name\r\n7.1,\"Oops\r\n7.2,B\r\n7.3,\"C\"D\r\n7.4,E\r\n")
        << QStringList{"2: " + open2, "3: 0", "4: 1", "5: 2"} << "";
    QTest::newRow("a comment over two lines") << QByteArray("Frequency,Comment,Name\n7.1,\"first\nsecond\",A\n7.2,,B\n")
                                              << QStringList{"2: 0", "4: 1"} << "";
    QTest::newRow("in the header") << QByteArray("Frequency,\"Name\n7.1,A\n") << QStringList{}
                                   << "line 1: " + open2;
    QTest::newRow("a split of 0 is no split") << QByteArray("Frequency,Duplex,Offset\n7.1,split,0\n") << QStringList{"2: 0"}
                                              << "";
}

void tst_ChannelListImport::rowsAfterAStrayQuote()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QFETCH(QString, problem);
    const Plan plan = ChannelListImport::planBytes(bytes, CloneImage::factory(Vocabulary::ModelE, false), Placement::FromSlot, 0);
    QCOMPARE(plan.file.detail(), problem);
    QStringList got;
    for (const ChannelListImport::Row &row : plan.rows)
        got.append(QStringLiteral("%1: %2").arg(row.line).arg(row.stored() ? ChannelLabel::shortLabel(row.slot) : row.refusal));
    QCOMPARE(got, rows);
}

QTEST_GUILESS_MAIN(tst_ChannelListImport)
#include "tst_ChannelListImport.moc"
