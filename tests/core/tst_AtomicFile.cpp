// Atomic file writing: the name written is the name asked for, and the new
// file keeps the old one's identity (permissions, owner, group).
#include "files/AtomicFile.h"
#include "files/FileName.h"
#include "files/InputFile.h"
#include "ForkedChild.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = ForkedChild::NobodyId;
constexpr gid_t NoGroup = ForkedChild::NobodyId;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

struct stat statusOf(const QString &path)
{
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        st.st_mode = 0;
    return st;
}

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// The text of a save's outcome: empty on success.
QByteArray outcomeText(const FileResult &r)
{
    return r.ok() ? QByteArray() : (r.message() + QStringLiteral(": ") + r.detail()).toUtf8();
}

// Runs `save` in a child process as the user nobody.
ForkedChild::Outcome asNobody(const std::function<FileResult()> &save)
{
    return ForkedChild::run([&] {
        return ForkedChild::becomeNobody() ? outcomeText(save()) : QByteArray("cannot become nobody");
    });
}

} // namespace

class tst_AtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void representable_data();
    void representable();
    void keepsPermissions_data();
    void keepsPermissions();
    void keepsOwnerAndGroup();
    void setIdBitsOnlyWithTheirOwner();
    void folderThatCannotBeWrittenIsRefused();
    void writesThroughSymbolicLink();
    void specialFilesNeverReplaced_data();
    void specialFilesNeverReplaced();
    void neverBlockOnAFifo();
};

void tst_AtomicFile::representable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("representable");
    QTest::newRow("plain") << "radio.R70" << true;
    QTest::newRow("blanks and quotes") << "my radio 'A'.csv" << true;
    QTest::newRow("other scripts") << QString::fromUtf8("無線機 Zürich 📻.csv") << true;
    QTest::newRow("a byte that was not UTF-8") << QString::fromLocal8Bit("out\xff.csv") << false;  // U+FFFD
    QTest::newRow("NUL") << QString("out") + QChar(0) + ".csv" << false;
    QTest::newRow("lone surrogate") << QString("out") + QChar(0xD800) + ".csv" << false;
}

void tst_AtomicFile::representable()
{
    QFETCH(QString, name);
    QFETCH(bool, representable);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QCOMPARE(FileName::isRepresentable(path), representable);
    QCOMPARE(FileName::check(path).ok(), representable);

    // Written under exactly that name, or refused: never under another
    // ("out\xef\xbf\xbd.csv", "out").
    const FileResult result = AtomicFile::write(path, "contents\r\n");
    const QStringList written = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (representable) {
        QVERIFY2(result.ok(), qPrintable(result.detail()));
        QCOMPARE(written, QStringList{name});
    } else {
        QCOMPARE(result.message(), QString("File Open Error"));
        QVERIFY2(result.detail().startsWith("the file name cannot be represented exactly: "), qPrintable(result.detail()));
        QCOMPARE(written, QStringList());
    }
}

void tst_AtomicFile::keepsPermissions_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {0444, 0400, 0600, 0640, 0644, 0660, 0664, 0666, 0755, 0700})
        QTest::addRow("%o", mode) << mode;
}

void tst_AtomicFile::keepsPermissions()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");
    writeFile(path, "old\r\n");
    QCOMPARE(::chmod(encoded(path).constData(), mode_t(mode)), 0);
    if (mode & 0200 || ::geteuid() == 0) {
        const FileResult result = AtomicFile::write(path, "new\r\n");
        QVERIFY2(result.ok(), qPrintable(result.detail()));
        QCOMPARE(readFile(path), QByteArray("new\r\n"));
    } else {
        // Not root: a file its owner may not write is not replaced.
        QVERIFY(!AtomicFile::write(path, "new\r\n").ok());
        QCOMPARE(readFile(path), QByteArray("old\r\n"));
    }
    QCOMPARE(QString::number(statusOf(path).st_mode & 07777, 8), QString::number(mode, 8));
}

void tst_AtomicFile::keepsOwnerAndGroup()
{
    if (::geteuid() != 0)
        QSKIP("only root may give a file to another user");
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");
    writeFile(path, "old\r\n");
    QCOMPARE(::chown(encoded(path).constData(), Nobody, NoGroup), 0);
    QCOMPARE(::chmod(encoded(path).constData(), 0640), 0);

    const FileResult result = AtomicFile::write(path, "new\r\n");
    QVERIFY2(result.ok(), qPrintable(result.detail()));
    const struct stat st = statusOf(path);
    QCOMPARE(st.st_uid, Nobody);
    QCOMPARE(st.st_gid, NoGroup);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(readFile(path), QByteArray("new\r\n"));
}

void tst_AtomicFile::setIdBitsOnlyWithTheirOwner()
{
    if (::geteuid() != 0)
        QSKIP("needs root to set up a file of another user");
    // Nobody saves over root's set-user-ID file in nobody's own folder: the
    // new file is nobody's and must not be set-user-ID.
    QTemporaryDir dir;
    QCOMPARE(::chmod(encoded(dir.path()).constData(), 0755), 0);
    const QString folder = dir.filePath("nobody");
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(::chown(encoded(folder).constData(), Nobody, NoGroup), 0);
    const QString path = folder + "/radio.R70";
    writeFile(path, "old\r\n");
    QCOMPARE(::chmod(encoded(path).constData(), 06666), 0);

    const ForkedChild::Outcome child = asNobody([&] { return AtomicFile::write(path, "new\r\n"); });
    QVERIFY(child.exited);
    QCOMPARE(child.output, QByteArray());
    const struct stat st = statusOf(path);
    QCOMPARE(st.st_uid, Nobody);
    QCOMPARE(QString::number(st.st_mode & 07777, 8), QString("666"));
}

void tst_AtomicFile::folderThatCannotBeWrittenIsRefused()
{
    if (::geteuid() != 0)
        QSKIP("needs root to set up a file of another user");
    // Nobody may write the file but not its folder: the file cannot be
    // replaced, and rewriting it in place is not safe, so saving is refused
    // with the reason and the file stays as it was.
    QTemporaryDir dir;
    QCOMPARE(::chmod(encoded(dir.path()).constData(), 0755), 0);
    const QString path = dir.filePath("radio.R70");
    writeFile(path, "old\r\n");
    QCOMPARE(::chown(encoded(path).constData(), Nobody, NoGroup), 0);
    QCOMPARE(::chmod(encoded(path).constData(), 0644), 0);

    const ForkedChild::Outcome child = asNobody([&] { return AtomicFile::write(path, "new\r\n"); });
    QVERIFY(child.exited);
    QCOMPARE(QString::fromUtf8(child.output),
             "File Open Error: the folder " + dir.path() + " cannot be written, so the file cannot be replaced safely: "
                 + path);
    QCOMPARE(readFile(path), QByteArray("old\r\n"));
    QCOMPARE(statusOf(path).st_uid, Nobody);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.R70"});
}

void tst_AtomicFile::writesThroughSymbolicLink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.R70");
    writeFile(target, "old\r\n");
    QCOMPARE(::chmod(encoded(target).constData(), 0600), 0);
    const QString link = dir.filePath("link.R70");
    QVERIFY(QFile::link(target, link));

    const FileResult result = AtomicFile::write(link, "new\r\n");
    QVERIFY2(result.ok(), qPrintable(result.detail()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(target), QByteArray("new\r\n"));
    QCOMPARE(statusOf(target).st_mode & 07777, mode_t(0600));
}

void tst_AtomicFile::specialFilesNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("written");
    QTest::newRow("FIFO with a reader") << "fifo" << true;
    QTest::newRow("link to /dev/null") << "device" << true;
    QTest::newRow("folder") << "folder" << false;
}

void tst_AtomicFile::specialFilesNeverReplaced()
{
    QFETCH(QString, kind);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.R70");
    int reader = -1;
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(encoded(path).constData(), 0600), 0);
        reader = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    } else {
        QVERIFY(QDir(dir.path()).mkdir("out.R70"));
    }
    const mode_t type = statusOf(path).st_mode & S_IFMT;

    const FileResult result = AtomicFile::write(path, "new\r\n");
    QCOMPARE(result.ok(), written);
    QCOMPARE(statusOf(path).st_mode & S_IFMT, type);
    QCOMPARE(statusOf(QStringLiteral("/dev/null")).st_mode & S_IFMT, mode_t(S_IFCHR));
    if (reader >= 0) {
        char bytes[16] = {};
        QCOMPARE(::read(reader, bytes, sizeof bytes), ssize_t(5));
        QCOMPARE(QByteArray(bytes), QByteArray("new\r\n"));
        ::close(reader);
    }
}

void tst_AtomicFile::neverBlockOnAFifo()
{
    // Without waiting: a FIFO is no input, and an output only while a
    // program reads from it.
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(::mkfifo(encoded(fifo).constData(), 0600), 0);
    QFile input;
    QCOMPARE(InputFile::open(input, fifo, FileAccess::NeverBlock).detail(),
             "a FIFO, not a file: the window reads only files: " + fifo);
    QCOMPARE(AtomicFile::write(fifo, "data", FileAccess::NeverBlock).detail(), "no program reads from it: " + fifo);

    const int reader = ::open(encoded(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY(AtomicFile::write(fifo, "data", FileAccess::NeverBlock).ok());
    char got[5] = {};
    QCOMPARE(::read(reader, got, 4), ssize_t(4));
    ::close(reader);
    QCOMPARE(QByteArray(got), QByteArray("data"));

    const QString file = dir.filePath("file");
    writeFile(file, "text");
    QVERIFY(InputFile::open(input, file, FileAccess::NeverBlock).ok());
    QCOMPARE(input.readAll(), QByteArray("text"));
}

QTEST_GUILESS_MAIN(tst_AtomicFile)
#include "tst_AtomicFile.moc"
