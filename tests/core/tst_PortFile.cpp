#include "link/PortFile.h"
#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_PortFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void missingFileGivesPort1();
    void writeThenRead();
    void nameIsExact();
    void readOrder_data();
    void readOrder();
    void unwritableProgramFolderUsesUserFolder();
    void nothingWritable();
    void deviceForPort_data();
    void deviceForPort();
};

void tst_PortFile::parse_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("port");

    QTest::newRow("3 CR LF") << QByteArray("3\r\n") << 3;
    QTest::newRow("14 bare") << QByteArray("14") << 14;
    QTest::newRow("1") << QByteArray("1\r\n") << 1;
    QTest::newRow("blanks around") << QByteArray("  7 \r\n") << 7;
    QTest::newRow("0") << QByteArray("0\r\n") << 1;
    QTest::newRow("15") << QByteArray("15\r\n") << 1;
    QTest::newRow("negative") << QByteArray("-3\r\n") << 1;
    QTest::newRow("text") << QByteArray("COM3\r\n") << 1;
    QTest::newRow("empty") << QByteArray() << 1;
    QTest::newRow("second line ignored") << QByteArray("5\r\n9\r\n") << 5;
}

void tst_PortFile::parse()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, port);
    QCOMPARE(PortFile::parse(contents), port);
}

void tst_PortFile::missingFileGivesPort1()
{
    QTemporaryDir program;
    QTemporaryDir user;
    QCOMPARE(PortFile(program.path(), user.path()).read(), 1);
}

void tst_PortFile::writeThenRead()
{
    QTemporaryDir program;
    QTemporaryDir user;
    const PortFile file(program.path(), user.path());
    writeBytes(file.programFilePath(), "2\r\n");

    QVERIFY(file.write(12));
    QCOMPARE(readBytes(program.filePath("QT-R70.ini")), QByteArray("12\r\n"));
    QCOMPARE(file.read(), 12);
    // The program's folder was writable: nothing goes to the user's folder.
    QVERIFY(!QFile::exists(user.filePath("QT-R70.ini")));
    // No temporary file is left behind.
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"QT-R70.ini"});
}

void tst_PortFile::nameIsExact()
{
    QTemporaryDir program;
    QTemporaryDir user;
    writeBytes(program.filePath("qt-r70.ini"), "5\r\n");
    QCOMPARE(PortFile(program.path(), user.path()).read(), 1);
}

void tst_PortFile::readOrder_data()
{
    QTest::addColumn<QByteArray>("inProgram"); // empty: no file there
    QTest::addColumn<QByteArray>("inUser");
    QTest::addColumn<int>("port");

    QTest::newRow("program folder first") << QByteArray("4\r\n") << QByteArray("9\r\n") << 4;
    QTest::newRow("user folder when none in program folder") << QByteArray() << QByteArray("9\r\n") << 9;
    QTest::newRow("bad number in program folder") << QByteArray("99\r\n") << QByteArray("9\r\n") << 1;
}

void tst_PortFile::readOrder()
{
    QFETCH(QByteArray, inProgram);
    QFETCH(QByteArray, inUser);
    QFETCH(int, port);

    QTemporaryDir program;
    QTemporaryDir user;
    if (!inProgram.isEmpty())
        writeBytes(program.filePath("QT-R70.ini"), inProgram);
    writeBytes(user.filePath("QT-R70.ini"), inUser);
    QCOMPARE(PortFile(program.path(), user.path()).read(), port);
}

void tst_PortFile::unwritableProgramFolderUsesUserFolder()
{
    // A "folder" that is a plain file can hold no file, whoever runs this.
    QTemporaryDir base;
    const QString program = base.filePath("program");
    writeBytes(program, "not a folder");
    const QString user = base.filePath("config/qtr70");
    const PortFile file(program, user);

    QVERIFY(file.write(6));
    QCOMPARE(readBytes(base.filePath("config/qtr70/QT-R70.ini")), QByteArray("6\r\n"));
    QCOMPARE(file.read(), 6);
}

void tst_PortFile::nothingWritable()
{
    QTemporaryDir base;
    const QString blocked = base.filePath("blocked");
    writeBytes(blocked, "not a folder");
    QVERIFY(!PortFile(blocked, blocked + "/sub").write(3));
}

void tst_PortFile::deviceForPort_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QByteArray>("override");
    QTest::addColumn<QString>("device");

#ifdef Q_OS_WIN
    QTest::newRow("port 1") << 1 << QByteArray() << "COM1";
    QTest::newRow("port 14") << 14 << QByteArray() << "COM14";
#else
    QTest::newRow("port 1") << 1 << QByteArray() << "/dev/ttyUSB0";
    QTest::newRow("port 14") << 14 << QByteArray() << "/dev/ttyUSB13";
#endif
    QTest::newRow("environment") << 3 << QByteArray("/tmp/radio") << "/tmp/radio";
}

void tst_PortFile::deviceForPort()
{
    QFETCH(int, port);
    QFETCH(QByteArray, override);
    QFETCH(QString, device);

    const QByteArray name = PortNames::environmentVariableFor(port).toLatin1();
    if (override.isEmpty())
        qunsetenv(name.constData());
    else
        qputenv(name.constData(), override);
    QCOMPARE(PortNames::deviceFor(port), device);
    qunsetenv(name.constData());
}

QTEST_GUILESS_MAIN(tst_PortFile)
#include "tst_PortFile.moc"
