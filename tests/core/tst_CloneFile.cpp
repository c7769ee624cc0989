#include "ChannelCodec.h"
#include "CloneFile.h"
#include "FieldReader.h"
#include "Module1.h"
#include "SavePrompt.h"
#include "SettingsCodec.h"
#include "StateSnapshot.h"
#include "VfoCodec.h"

#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <QtTest>

namespace {

// A state like the program's after start-up, with a few channels.
Module1 sampleState()
{
    Module1 state;
    CloneFile::New(state);
    const QStringList records = {
        "8005000100000188000100000000000010936B003C4A39543D51000010936B00",
        "88010302020001A5000000000000000038 99D80038393A3B3C3D3E3F38 99D800",
        "800400000000000000000000000000006056 6C00545556575859 5A5B00000000",
    };
    const int rows[] = {0, 205, 603};
    for (int i = 0; i < 3; ++i) {
        if (!ChannelCodec::DecodeChannel(state, QString(records[i]).remove(' '), rows[i]))
            qFatal("sample channel does not decode");
    }
    const int wpm = 1;  // cmbWPM in descriptor order
    state.SettingSelection[wpm] = 30;
    state.VfoValue[1][0] = 21000000;
    state.VfoText[1][0] = "21.000.000";
    return state;
}

QByteArray sampleFile()
{
    Module1 state = sampleState();
    return CloneFile::toBytes(state);
}

QByteArray replaceLine(QByteArray file, int number, const QByteArray &text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

QByteArray firstLines(const QByteArray &file, int count)
{
    const QList<QByteArray> lines = file.split('\n');
    return lines.mid(0, count).join('\n') + '\n';
}

} // namespace

class tst_CloneFile : public QObject
{
    Q_OBJECT
private slots:
    void fieldReader_data();
    void fieldReader();
    void format();
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void trailingLinesIgnored();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void loadSetsFileAndCaption();
    void missingFile();
    void newKeepsModel();
    void confirmSaveChanges_data();
    void confirmSaveChanges();
};

void tst_CloneFile::fieldReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("CR LF lines") << "ab\r\ncd\r\n" << QStringList{"ab", "cd"};
    QTest::newRow("LF and CR lines") << "ab\ncd\ref" << QStringList{"ab", "cd", "ef"};
    QTest::newRow("commas") << "a,b,,c" << QStringList{"a", "b", "", "c"};
    QTest::newRow("leading blanks skipped") << "  a,\t b " << QStringList{"a", "b "};
    QTest::newRow("quoted with comma") << "\"a,b\",c" << QStringList{"a,b", "c"};
    QTest::newRow("quoted over a line end") << "\"a\r\nb\"\r\nc" << QStringList{"a\r\nb", "c"};
    QTest::newRow("text after closing quote dropped") << "\"a\"xy,b" << QStringList{"a", "b"};
    QTest::newRow("unterminated quote") << "\"abc" << QStringList{"abc"};
    QTest::newRow("empty line") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
}

void tst_CloneFile::fieldReader()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    FieldReader reader(text);
    QStringList read;
    QString field;
    while (reader.next(field))
        read.append(field);
    QCOMPARE(read, fields);
}

void tst_CloneFile::format()
{
    const QByteArray file = sampleFile();
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 611);  // 610 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    for (int i = 0; i < 610; ++i) {
        QVERIFY2(lines[i].endsWith('\r'), qPrintable(QString::number(i + 1)));
        QCOMPARE(lines[i].size() - 1, (i == 0 || i == 609) ? 32 : 64);
    }
    QCOMPARE(lines[0], QByteArray("Korvan QT-R70E Clone 0 FileStart\r"));
    QCOMPARE(lines[609], QByteArray("Korvan  QT-R70  Clone  File  End\r"));
    QCOMPARE(lines[1].left(16), QByteArray("A50000000003001E"));  // WPM item 30 ("36") stored
    QCOMPARE(lines[4].mid(32, 8), QByteArray("406F4001"));           // VFO B 21 MHz
    QCOMPARE(lines[5].left(64), QByteArray("8005000100000188000100000000000010936B003C4A39543D51000010936B00"));
    QCOMPARE(lines[6].left(64), QByteArray(64, '0'));
}

void tst_CloneFile::roundTrip_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("header");
    QTest::newRow("J") << 0 << false << "Korvan QT-R70J Clone 0 FileStart";
    QTest::newRow("T extended") << 1 << true << "Korvan QT-R70T Clone A FileStart";
    QTest::newRow("E") << 2 << false << "Korvan QT-R70E Clone 0 FileStart";
    QTest::newRow("A extended") << 3 << true << "Korvan QT-R70A Clone A FileStart";
}

void tst_CloneFile::roundTrip()
{
    QFETCH(int, model);
    QFETCH(bool, extended);
    QFETCH(QString, header);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");

    Module1 saved = sampleState();
    saved.ModelVariant = model;
    saved.ExtendedRange = extended;
    saved.DataChanged = true;
    QVERIFY(CloneFile::WriteCloneFile(saved, path).ok());
    QVERIFY(!saved.DataChanged);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), (header + "\r\n").toLatin1());

    Module1 loaded;
    loaded.DataChanged = true;
    QVERIFY(CloneFile::LoadCloneFile(loaded, path).ok());
    QCOMPARE(stateSnapshot(loaded), stateSnapshot(saved));
}

void tst_CloneFile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = sampleFile();
    QTest::newRow("header in other case")
        << replaceLine(good, 1, "korvan QT-R70E Clone 0 FileStart") << "Data Error";
    QTest::newRow("header with a blank more")
        << replaceLine(good, 1, "Korvan  QT-R70E Clone 0 FileStart") << "Data Error";
    QTest::newRow("header of slot 4 (empty)") << replaceLine(good, 1, QByteArray(32, ' ')) << "Data Error";
    QTest::newRow("end mark with single blanks")
        << replaceLine(good, 610, "Korvan QT-R70 Clone File End    ") << "Data Error";
    QTest::newRow("63-character data line")
        << replaceLine(good, 200, QByteArray(63, '0')) << "Data Error";
    QTest::newRow("file ends after line 300") << firstLines(good, 300) << "File Open Error";
    QTest::newRow("file ends before the end mark") << firstLines(good, 609) << "File Open Error";
    QTest::newRow("empty file") << QByteArray() << "File Open Error";
    QTest::newRow("mode byte 6 in a channel")
        << replaceLine(good, 300, "8006000000000000000000000000000000000000000000000000000000000000")
        << "File Open Error";
    QTest::newRow("non-hex digits of the right length")
        << replaceLine(good, 6, QByteArray(64, 'Z')) << "File Open Error";
    QTest::newRow("settings byte without a list position")
        << replaceLine(good, 3, "0000000000000000000001010100000000007700000000000000000000000000") << "File Open Error";
    QTest::newRow("VFO tone byte A7h")
        << replaceLine(good, 4, "80010001000000A7000000000000000060566C00000000000000000000000000")
        << "File Open Error";
}

void tst_CloneFile::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Module1 state = sampleState();
    state.ModelVariant = 1;
    state.DataChanged = true;
    state.CurrentFileName = "/somewhere/old.R70";
    state.WindowCaption = "old.R70 - Korvan QT-R70 Clone Utility";
    const QString before = stateSnapshot(state);

    const FileResult result = CloneFile::fromBytes(state, bytes);
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), message);
    QVERIFY(!result.detail().isEmpty());
    QCOMPARE(stateSnapshot(state), before);
}

void tst_CloneFile::trailingLinesIgnored()
{
    Module1 state;
    const QByteArray bytes = sampleFile() + "anything\r\nmore,\"stuff\r\n";
    QVERIFY(CloneFile::fromBytes(state, bytes).ok());
    QCOMPARE(state.ChannelText[205][9], QString("89ABCDEF"));
    QVERIFY(state.ChannelInUse[603]);
}

void tst_CloneFile::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("write fails part-way") << "size limit";
}

void tst_CloneFile::writeFailureKeepsOldFile()
{
    QFETCH(QString, how);
    if (how == "read-only" && geteuid() == 0)
        QSKIP("permissions do not bind root");
    QTemporaryDir dir;
    const QString path = how == "missing" ? dir.filePath("missing/radio.R70") : dir.filePath("radio.R70");
    const QByteArray old = "the previous file\r\n";
    if (how != "missing") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
    }
    if (how == "read-only")
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    rlimit saved{};
    if (how == "size limit") {
        // The disk "fills up" after 1000 bytes of the new file.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
    }

    Module1 state = sampleState();
    state.DataChanged = true;
    state.CurrentFileName = "/elsewhere/keep.R70";
    const FileResult result = CloneFile::WriteCloneFile(state, path);

    if (how == "size limit")
        setrlimit(RLIMIT_FSIZE, &saved);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), QString("File Open Error"));
    QVERIFY(state.DataChanged);
    QCOMPARE(state.CurrentFileName, QString("/elsewhere/keep.R70"));
    if (how == "missing") {
        QVERIFY(!QFile::exists(path));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.R70"});
    }
}

void tst_CloneFile::loadSetsFileAndCaption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("my radio.R70");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(sampleFile());
    f.close();
    Module1 state;
    state.DataChanged = true;
    QVERIFY(CloneFile::LoadCloneFile(state, path).ok());
    QCOMPARE(state.CurrentFileName, path);
    QCOMPARE(state.WindowCaption, QString("my radio.R70 - Korvan QT-R70 Clone Utility"));
    QVERIFY(!state.DataChanged);
}

void tst_CloneFile::missingFile()
{
    Module1 state;
    const QString before = stateSnapshot(state);
    const FileResult result = CloneFile::LoadCloneFile(state, "/nonexistent/radio.R70");
    QCOMPARE(result.message(), QString("File Open Error"));
    QCOMPARE(stateSnapshot(state), before);
}

void tst_CloneFile::newKeepsModel()
{
    Module1 state = sampleState();
    state.ModelVariant = 0;
    state.ExtendedRange = true;
    state.DataChanged = true;
    state.CurrentFileName = "/x/y.R70";
    state.ChannelText[603][13] = "spare";
    CloneFile::New(state);
    QCOMPARE(state.ModelVariant, 0);
    QVERIFY(state.ExtendedRange);
    QVERIFY(!state.DataChanged);
    QVERIFY(state.CurrentFileName.isEmpty());
    QCOMPARE(state.WindowCaption, state.AppTitle);
    QCOMPARE(state.VfoText[0][0], QString("7.050.000"));
    QCOMPARE(state.SettingsLine1, QString(SettingsCodec::FactoryLine1));
    for (int n = 0; n < 604; ++n)
        QVERIFY(!state.ChannelInUse[n]);
    QVERIFY(state.ChannelText[603][13].isEmpty());
}

void tst_CloneFile::confirmSaveChanges_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");  // -1: not asked
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("proceed");
    using A = SavePrompt::Answer;
    QTest::newRow("no changes") << false << -1 << true << false << false << true;
    QTest::newRow("cancel") << true << int(A::Cancel) << true << true << false << false;
    QTest::newRow("no") << true << int(A::No) << true << true << false << true;
    QTest::newRow("yes, saved") << true << int(A::Yes) << true << true << true << true;
    QTest::newRow("yes, save cancelled or failed") << true << int(A::Yes) << false << true << true << false;
}

void tst_CloneFile::confirmSaveChanges()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QFETCH(bool, proceed);
    Module1 state;
    state.DataChanged = changed;
    bool wasAsked = false;
    bool wasSaved = false;
    const bool result = SavePrompt::ConfirmSaveChanges(
        state,
        [&] {
            wasAsked = true;
            return SavePrompt::Answer(answer);
        },
        [&] {
            wasSaved = true;
            return saveSucceeds;
        });
    QCOMPARE(wasAsked, asked);
    QCOMPARE(wasSaved, saved);
    QCOMPARE(result, proceed);
}

QTEST_GUILESS_MAIN(tst_CloneFile)
#include "tst_CloneFile.moc"
