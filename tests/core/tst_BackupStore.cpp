// Automatic backups: their names, what pruning keeps, and a folder that
// cannot take them.
#include "files/BackupStore.h"
#include "files/CloneFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using Kind = BackupStore::Kind;

class tst_BackupStore : public QObject
{
    Q_OBJECT
private slots:
    void namesSayWhenAndWhat_data();
    void namesSayWhenAndWhat();
    void pruneKeepsTheNewestAndEachKind();
    void unwritableFolderFails();
    void newBackupSurvivesAClockSetBack();
    void sameSecondNeverReplaces();
};

void tst_BackupStore::namesSayWhenAndWhat_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("settings") << Kind::Settings << QStringLiteral("2026-12-07_143005_settings.R70");
    QTest::newRow("memory") << Kind::Memory << QStringLiteral("2026-12-07_143005_memory.R70");
    QTest::newRow("all") << Kind::All << QStringLiteral("2026-12-07_143005_all.R70");
    QTest::newRow("before write") << Kind::BeforeWrite << QStringLiteral("2026-12-07_143005_before-write.R70");
}

void tst_BackupStore::namesSayWhenAndWhat()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QTemporaryDir folder;
    const BackupStore store(folder.filePath(QStringLiteral("backups")));
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 30, 5));
    CloneImage image = CloneImage::factory(Vocabulary::ModelT, false);
    image.channels[7].inUse = true;
    QString first;
    QString second;
    QVERIFY(store.save(image, kind, when, &first).ok());
    QVERIFY(store.save(image, kind, when, &second).ok());  // same second: a new name
    QCOMPARE(QFileInfo(first).fileName(), name);
    QVERIFY(second != first);

    const QList<BackupStore::Entry> entries = store.list();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.first().path, second);  // newest first
    QCOMPARE(entries.first().kind, kind);
    QCOMPARE(entries.first().when, when);
    CloneImage loaded;
    QVERIFY(CloneFile::load(first, loaded).ok());
    QCOMPARE(loaded.channels[7].inUse, true);
    QCOMPARE(loaded.modelVariant, Vocabulary::ModelT);
}

void tst_BackupStore::pruneKeepsTheNewestAndEachKind()
{
    QTemporaryDir folder;
    const BackupStore store(folder.path());
    const CloneImage image;
    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
    // One old settings backup, then more memory backups than are kept.
    QVERIFY(store.save(image, Kind::Settings, start).ok());
    for (int i = 1; i <= BackupStore::Keep + 5; ++i)
        QVERIFY(store.save(image, Kind::Memory, start.addSecs(i)).ok());

    const QList<BackupStore::Entry> entries = store.list();
    QCOMPARE(entries.size(), BackupStore::Keep + 1);
    QCOMPARE(entries.first().when, start.addSecs(BackupStore::Keep + 5));
    QCOMPARE(entries.last().kind, Kind::Settings);  // the only one of its kind survives
    QCOMPARE(entries.at(entries.size() - 2).when, start.addSecs(6));
}

void tst_BackupStore::unwritableFolderFails()
{
    QTemporaryDir folder;
    const QString blocker = folder.filePath(QStringLiteral("file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const BackupStore store(blocker + QStringLiteral("/backups"));  // below a plain file
    const FileResult result = store.save(CloneImage(), Kind::All, QDateTime::currentDateTime());
    QCOMPARE(result.error(), FileResult::Error::FileOpenError);
    QVERIFY(!result.detail().isEmpty());
}

void tst_BackupStore::newBackupSurvivesAClockSetBack()
{
    QTemporaryDir folder;
    const BackupStore store(folder.path());
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 1; i <= BackupStore::Keep; ++i)
        QVERIFY(store.save(CloneImage(), Kind::BeforeWrite, now.addYears(1).addSecs(i)).ok());
    QString taken;
    QVERIFY(store.save(CloneImage(), Kind::BeforeWrite, now, &taken).ok());
    QVERIFY(QFile::exists(taken));
    QCOMPARE(store.list().size(), BackupStore::Keep);
}

void tst_BackupStore::sameSecondNeverReplaces()
{
    // Two programs backing up two radios at once, in the same second.
    QTemporaryDir folder;
    const BackupStore store(folder.path());
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 30, 5));
    constexpr int Each = 20;
    std::atomic<int> saved{0};
    const auto backUp = [&] {
        for (int i = 0; i < Each; ++i)
            saved += store.save(CloneImage(), Kind::All, when).ok() ? 1 : 0;
    };
    std::thread other(backUp);
    backUp();
    other.join();
    QCOMPARE(saved.load(), 2 * Each);
    QCOMPARE(store.list().size(), 2 * Each);
}

QTEST_GUILESS_MAIN(tst_BackupStore)
#include "tst_BackupStore.moc"
